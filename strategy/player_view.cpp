#include "strategy/player_view.h"

#include "wire/cards.h"

namespace tess {

using wire::foundationCount;
using wire::handSize;
using wire::spotCount;

namespace {
bool inRange(int value, int high) { return value >= 1 && value <= high; }

// A card (or the first card of a pile) may go onto a tab spot's top.
bool fitsTab(int card, int top) { return top == 0 || (!isKing(top) && fitsOn(card, top)); }
// ... or onto a foundation's top.
bool fitsFoundation(int card, int top) {
    return top == 0 ? isKing(card) : !isAce(top) && fitsOn(card, top);
}
}  // namespace

int PlayerView::handCount() const {
    int n = 0;
    for (int pos = 1; pos <= handSize; ++pos)
        n += hand[pos] != 0 ? 1 : 0;
    return n;
}

bool legalMove(const PlayerView& v, const BotMove& m) {
    switch (m.kind) {
        case BotMove::handToTab:
            return inRange(m.from, handSize) && inRange(m.to, spotCount) && v.hand[m.from] != 0 &&
                   fitsTab(v.hand[m.from], v.tabLast[m.to]);
        case BotMove::tabToTab:
            return inRange(m.from, spotCount) && inRange(m.to, spotCount) && m.from != m.to &&
                   v.tabFirst[m.from] != 0 && fitsTab(v.tabFirst[m.from], v.tabLast[m.to]);
        case BotMove::handToFoundation:
            return inRange(m.from, handSize) && inRange(m.to, foundationCount) &&
                   v.hand[m.from] != 0 && fitsFoundation(v.hand[m.from], v.foundations[m.to]);
        case BotMove::tabToFoundation:
            return inRange(m.from, spotCount) && inRange(m.to, foundationCount) &&
                   v.tabFirst[m.from] != 0 &&
                   fitsFoundation(v.tabFirst[m.from], v.foundations[m.to]);
    }
    return false;
}

PlayerView afterMove(const PlayerView& view, const BotMove& m) {
    PlayerView v = view;
    switch (m.kind) {
        case BotMove::handToTab:
            if (v.tabFirst[m.to] == 0) v.tabFirst[m.to] = v.hand[m.from];
            v.tabLast[m.to] = v.hand[m.from];
            v.hand[m.from] = 0;
            --v.cardsHeld[v.seat];
            break;
        case BotMove::tabToTab:
            if (v.tabFirst[m.to] == 0) v.tabFirst[m.to] = v.tabFirst[m.from];
            v.tabLast[m.to] = v.tabLast[m.from];
            v.tabFirst[m.from] = v.tabLast[m.from] = 0;
            break;
        case BotMove::handToFoundation:
            v.foundations[m.to] = v.hand[m.from];
            v.hand[m.from] = 0;
            --v.cardsHeld[v.seat];
            break;
        case BotMove::tabToFoundation:
            v.foundations[m.to] = v.tabLast[m.from];
            v.tabFirst[m.from] = v.tabLast[m.from] = 0;
            break;
    }
    return v;
}

}  // namespace tess
