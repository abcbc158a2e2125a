// The production random source: a seeded Mersenne Twister. The mapping to 1..n is our
// own (rejection sampling), so a seed gives the same deal with every standard library.
#pragma once

#include <cstdint>
#include <random>

#include "engine/ports.h"

namespace tess {

class SeededRandom : public Random {
public:
    explicit SeededRandom(std::uint32_t seed) : generator_(seed) {}
    // A seed taken from the clock, for the program's start.
    static std::uint32_t clockSeed();

    int uniform(int n) override;

private:
    std::mt19937 generator_;
};

}  // namespace tess
