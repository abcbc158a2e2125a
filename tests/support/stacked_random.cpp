#include "tests/support/stacked_random.h"

#include <algorithm>
#include <stdexcept>

#include "engine/table.h"

namespace tess::testing {

std::vector<int> deckStartingWith(std::vector<int> top) {
    std::vector<int> deck = std::move(top);
    for (int card = 1; card <= deckSize; ++card)
        if (std::find(deck.begin(), deck.end(), card) == deck.end()) deck.push_back(card);
    if (deck.size() != deckSize) throw std::invalid_argument("a deck holds 52 different cards");
    return deck;
}

void StackedRandom::stack(std::vector<int> deck) {
    deck = deckStartingWith(std::move(deck));
    // The shuffle places card 1, 2, ... in turn at the position it is given.
    std::vector<int> positionOf(deckSize + 1);
    for (int pos = 1; pos <= deckSize; ++pos)
        positionOf[deck[pos - 1]] = pos;
    for (int card = 1; card <= deckSize; ++card)
        positions_.push_back(positionOf[card]);
}

int StackedRandom::uniform(int n) {
    if (positions_.empty()) return fallback_.uniform(n);
    const int pos = positions_.front();
    positions_.pop_front();
    return pos;
}

}  // namespace tess::testing
