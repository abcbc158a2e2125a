// The local hand and the board: the host's announcements of dealt cards and accepted
// moves.
#include <vector>

#include "client/model/table_fields.h"
#include "client/model/table_model.h"
#include "wire/announcements.h"

namespace tess {

using namespace table_fields;
// --- Announcements ---

bool TableModel::mycards(std::string_view data) {
    const wire::MyCards m = wire::MyCards::decode(data);
    for (const wire::PlacedCard& c : m.cards)
        if (!isPosition(c.place) || !isCard(c.card)) return false;
    if (!isMe(m.seat)) return true;  // someone else's hand

    Batch batch(report_);
    for (const wire::PlacedCard& c : m.cards)
        hand_.createcard(c.place, c.card);
    touch(areaHand);
    return true;
}

bool TableModel::foundcards(std::string_view data) {
    const wire::FoundCards m = wire::FoundCards::decode(data);
    for (const wire::PlacedCard& c : m.spots)
        if (!isSpot(c.place) || !isCardOrNone(c.card)) return false;

    Batch batch(report_);
    input_.dropSelection();
    for (const wire::PlacedCard& c : m.spots)
        tabs_[static_cast<std::size_t>(c.place - 1)].first = c.card;
    touch(areaBoard);
    return true;
}

bool TableModel::playhand(std::string_view data) {
    const auto [seat, spot, count, card, position] = wire::PlayHand::decode(data);
    if (!isSeat(seat) || !isSpot(spot) || !within(count, 1, deckSize) || !isCard(card) ||
        !isPosition(position))
        return false;

    Batch batch(report_);
    TabSpotView& tab = tabs_[static_cast<std::size_t>(spot - 1)];
    (count == 1 ? tab.first : tab.top) = card;
    touch(areaBoard);
    if (isMe(seat))
        takeFromHand(position);
    else
        takeFromFan(seat);
    input_.dropTab();
    sound("topile");
    return true;
}

bool TableModel::playtab(std::string_view data) {
    const auto [seat, from, to, first, top, count] = wire::PlayTab::decode(data);
    if (!isSeat(seat) || !isSpot(from) || !isSpot(to) || !isCardOrNone(first) ||
        !isCardOrNone(top) || !within(count, 0, deckSize))
        return false;

    Batch batch(report_);
    tabs_[static_cast<std::size_t>(from - 1)] = {};
    TabSpotView& dest = tabs_[static_cast<std::size_t>(to - 1)];
    dest.first = first;
    if (count > 1) dest.top = top;
    touch(areaBoard);
    input_.dropTab();
    if (isMe(seat)) input_.allow(true);
    sound("topile");
    return true;
}

bool TableModel::foundcard(std::string_view data) {
    const auto [seat, found, card, position] = wire::FoundCard::decode(data);
    if (!isSeat(seat) || !isSpot(found) || !isCard(card) || !isPosition(position)) return false;

    Batch batch(report_);
    foundations_[static_cast<std::size_t>(found - 1)] = card;
    touch(areaBoard);
    if (isMe(seat))
        takeFromHand(position);
    else
        takeFromFan(seat);
    sound("tofound");
    return true;
}

bool TableModel::foundtab(std::string_view data) {
    const wire::FoundTab m = wire::FoundTab::decode(data);
    const int seat = m.seat, found = m.foundation, card = m.card, spot = m.spot;
    // The fifth field is not used.
    if (!isSeat(seat) || !isSpot(found) || !isCard(card) || !isSpot(spot)) return false;

    Batch batch(report_);
    foundations_[static_cast<std::size_t>(found - 1)] = card;
    tabs_[static_cast<std::size_t>(spot - 1)] = {};
    touch(areaBoard);
    if (isMe(seat)) input_.allow(true);
    input_.dropTab();
    sound("tofound");
    return true;
}

const TabSpotView& TableModel::tab(int spot) const {
    static const TabSpotView none;
    return isSpot(spot) ? tabs_[static_cast<std::size_t>(spot - 1)] : none;
}

int TableModel::foundation(int found) const {
    return isSpot(found) ? foundations_[static_cast<std::size_t>(found - 1)] : 0;
}

}  // namespace tess
