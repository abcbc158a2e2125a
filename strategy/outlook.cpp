#include "strategy/outlook.h"

#include <algorithm>
#include <cmath>

#include "wire/cards.h"

namespace tess {

namespace {

int classOf(int r, int colour) { return (r - 1) * 2 + (colour - 1); }
int otherColour(int colour) { return 3 - colour; }

// Calls `visit(class, isTop)` for every card lying on the table: each tab pile is a run
// from its first card down to its last, each foundation a run from its king down to its
// top, colours alternating.
template <typename Visit>
void forTableCards(const Layout& t, Visit visit) {
    for (int s = 0; s < 4; ++s) {
        if (t.first[s] == 0) continue;
        int colour = getsuit(t.first[s]);
        for (int r = rank(t.first[s]); r >= rank(t.last[s]); --r) {
            visit(classOf(r, colour), r == rank(t.last[s]));
            colour = otherColour(colour);
        }
    }
    for (int f = 0; f < 4; ++f) {
        const int top = t.found[f];
        if (top == 0) continue;
        for (int r = 13; r >= rank(top); --r) {
            const int colour = (r - rank(top)) % 2 == 0 ? getsuit(top) : otherColour(getsuit(top));
            visit(classOf(r, colour), r == rank(top));
        }
    }
}

}  // namespace

// How many cards the opponent is expected to lay on `top`: the first needs a card of the
// child class, each further one the class below it.
double Outlook::chain(const Opponent& o, int top) const {
    double expected = 0.0, p = 1.0;
    int colour = otherColour(getsuit(top));
    for (int r = rank(top) - 1; r >= 1 && p > 0.02; --r) {
        p *= o.chance[unseen_[classOf(r, colour)]];
        expected += p;
        colour = otherColour(colour);
    }
    return expected;
}

int cardClass(int card) { return classOf(rank(card), getsuit(card)); }

// A view built from a client's picture may be odd (a late joiner's table, a host that
// sent nonsense); whatever is not a card, or not a run from first to last, is read as
// a lone first card or as nothing.
Layout layoutOf(const PlayerView& v) {
    const auto card = [](int c) { return isCard(c) ? c : 0; };
    Layout t;
    for (int i = 0; i < 4; ++i) {
        const int first = card(v.tabFirst[i + 1]);
        const int last = card(v.tabLast[i + 1]);
        t.first[i] = first;
        t.last[i] = first == 0 ? 0 : last == 0 || rank(last) > rank(first) ? first : last;
        t.found[i] = card(v.foundations[i + 1]);
    }
    return t;
}

Outlook::Outlook(const PlayerView& view, const OutlookWeights& weights) : w_(weights) {
    unseen_.fill(2);
    for (int pos = 1; pos <= wire::handSize; ++pos)
        if (isCard(view.hand[pos])) --unseen_[cardClass(view.hand[pos])];
    forTableCards(layoutOf(view), [this](int c, bool) { --unseen_[c]; });
    int unseenTotal = 0;
    for (int& n : unseen_) {
        n = std::max(n, 0);
        unseenTotal += n;
    }

    // The other playing seats in the order they move after this one.
    double weight = 1.0;
    for (int step = 1; step < wire::seatCount && opponentCount_ < 3; ++step) {
        const int seat = (view.seat - 1 + step) % wire::seatCount + 1;
        if (!view.playing[seat]) continue;
        const int held = std::max(view.cardsHeld[seat], 0);
        Opponent& o = opponents_[opponentCount_++];
        const int ahead = std::max(0, view.scores[seat] - view.scores[view.seat]);
        o.weight = weight * (1.0 + w_.leader * ahead / 50.0);
        o.urgency = 1.0 + w_.urgency / (std::max(held, 1) * std::max(held, 1));
        for (int k = 0; k <= 4; ++k)
            o.chance[k] = unseenTotal <= 0
                              ? 0.0
                              : 1.0 - std::pow(std::max(0.0, 1.0 - double(k) / unseenTotal), held);
        weight *= w_.later;
    }
}

double Outlook::threat(const Opponent& o, const Layout& t) const {
    bool emptyFoundation = false;
    double expected = 0.0;
    for (int f = 0; f < 4; ++f) {
        const int top = t.found[f];
        if (top == 0) {
            emptyFoundation = true;
        } else {
            expected += chain(o, top);
        }
    }
    if (emptyFoundation)
        expected += o.chance[std::min(4, unseen_[classOf(13, 1)] + unseen_[classOf(13, 2)])];

    int open = 0;  // spots the next player can fill with any card
    for (int s = 0; s < 4; ++s) {
        const int top = t.last[s];
        if (top == 0) {
            ++open;
            continue;
        }
        if (isKing(top)) {
            if (emptyFoundation) ++open;
            continue;
        }
        expected += chain(o, top);
        // A pile that may move onto another pile or a foundation frees its spot.
        const int first = t.first[s];
        bool freeable = false;
        for (int d = 0; d < 4 && !freeable; ++d) {
            const int dest = t.last[d];
            freeable = d != s && dest != 0 && !isKing(dest) && fitsOn(first, dest);
            freeable =
                freeable || (t.found[d] != 0 && !isAce(t.found[d]) && fitsOn(first, t.found[d]));
        }
        if (freeable) ++open;
    }
    return (expected + w_.emptySpot * open) * o.weight * o.urgency;
}

double Outlook::value(const int* held, int count, const Layout& t) const {
    if (count == 0) return 1e9;
    std::array<int, classCount> buried{};
    forTableCards(t, [&buried](int c, bool top) {
        if (!top) ++buried[c];
    });
    double worth = 0.0;
    for (int i = 0; i < count; ++i) {
        const int card = held[i];
        worth -= w_.card;
        if (isKing(card)) {
            worth -= w_.king;
            continue;
        }
        const int parent = classOf(rank(card) + 1, otherColour(getsuit(card)));
        if (buried[parent] >= 2) worth -= w_.deadCard;
    }
    for (int i = 0; i < opponentCount_; ++i)
        worth -= w_.threat * threat(opponents_[i], t);
    return worth;
}

}  // namespace tess
