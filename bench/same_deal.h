// A deal that repeats: every shuffle puts a red 6 on tab spot 1 and a black 5 first in
// seat 1's hand, so that each deal's first move is the same.
#pragma once

#include <array>
#include <cstddef>

#include "engine/random.h"
#include "tests/support/stacked_random.h"
#include "wire/cards.h"

namespace tess {

class SameDeal : public Random {
public:
    SameDeal() {
        testing::StackedRandom stacked;
        stacked.stack({19, 1, 2, 3, 5});
        for (int& pos : positions_)
            pos = stacked.uniform(deckSize);
    }
    // The shuffle asks exactly once per card, so the answers repeat every 52 calls.
    int uniform(int) override { return positions_[next_++ % deckSize]; }

private:
    std::array<int, deckSize> positions_{};
    std::size_t next_ = 0;
};

}  // namespace tess
