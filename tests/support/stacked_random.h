// A random source that stacks the deck: the shuffle puts exactly the cards asked for at
// each deck position. Beyond the stacked decks it falls back to a seeded generator.
#pragma once

#include <deque>
#include <vector>

#include "engine/random.h"

namespace tess::testing {

class StackedRandom : public Random {
public:
    explicit StackedRandom(unsigned seed = 1) : fallback_(seed) {}

    // `deck[i]` is the card at deck position i + 1; positions not listed get the
    // remaining cards in ascending order. Each stacked deck serves one shuffle.
    void stack(std::vector<int> deck);

    // Restarts the generator used beyond the stacked decks.
    void reseed(unsigned seed) { fallback_ = SeededRandom(seed); }

    int uniform(int n) override;

private:
    std::deque<int> positions_;  // answers for the shuffle, card 1 first
    SeededRandom fallback_;
};

// A deck whose first positions are `top` (tab spots 1-4, then seven cards per playing
// seat); the rest follow in ascending order.
std::vector<int> deckStartingWith(std::vector<int> top);

}  // namespace tess::testing
