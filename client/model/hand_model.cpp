#include "client/model/hand_model.h"

#include <utility>

#include "client/model/table_layout.h"
#include "wire/cards.h"

namespace tess {

bool HandModel::createcard(int position, int card) {
    if (HandCard* held = findMutable(position)) {
        held->card = card;
        return true;
    }
    if (size() >= places) return false;
    const int place = size() + 1;
    cards_.push_back({position, card, layout::handLeft(place), layout::handTop});
    return true;
}

bool HandModel::remove(int position) {
    for (std::size_t i = 0; i < cards_.size(); ++i) {
        if (cards_[i].position != position) continue;
        cards_.erase(cards_.begin() + static_cast<std::ptrdiff_t>(i));
        // Every card right of the gap moves one place left, to the unsorted spot.
        for (std::size_t m = i; m < cards_.size(); ++m)
            cards_[m].left = layout::handLeft(static_cast<int>(m) + 1);
        lowerAll();
        return true;
    }
    return false;
}

void HandModel::sortthem() {
    // Neighbour swaps only where the left rank is greater, so equal ranks never pass
    // each other; only the cards a swap moved shift to the sorted left.
    for (int pass = 0; pass < places; ++pass) {
        for (int m = size(); m >= 2; --m) {
            HandCard& right = cards_[static_cast<std::size_t>(m) - 1];
            HandCard& left = cards_[static_cast<std::size_t>(m) - 2];
            if (rank(left.card) <= rank(right.card)) continue;
            std::swap(left, right);
            right.left = layout::sortedLeft(m);
            left.left = layout::sortedLeft(m - 1);
        }
    }
    lowerAll();
}

void HandModel::raise(int position) {
    if (HandCard* c = findMutable(position)) c->top = layout::raisedTop;
}

void HandModel::lower(int position) {
    if (HandCard* c = findMutable(position)) c->top = layout::handTop;
}

void HandModel::lowerAll() {
    for (HandCard& c : cards_)
        c.top = layout::handTop;
}

const HandCard* HandModel::find(int position) const {
    for (const HandCard& c : cards_)
        if (c.position == position) return &c;
    return nullptr;
}

HandCard* HandModel::findMutable(int position) {
    return const_cast<HandCard*>(std::as_const(*this).find(position));
}

}  // namespace tess
