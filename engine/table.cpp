#include "engine/table.h"

namespace tess {

int SeatState::cardsHeld() const {
    int n = 0;
    for (int pos = 1; pos <= handSize; ++pos)
        n += hand[pos] != 0 ? 1 : 0;
    return n;
}

int SeatState::lowestEmpty() const {
    for (int pos = 1; pos <= handSize; ++pos)
        if (hand[pos] == 0) return pos;
    return 0;
}

bool Pile::push(int card) {
    if (count >= pileCapacity) return false;
    cards[++count] = card;
    return true;
}

void Pile::clear() {
    cards.fill(0);
    count = 0;
}

}  // namespace tess
