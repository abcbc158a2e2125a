#include "engine/random.h"

#include <chrono>

namespace tess {

std::uint32_t SeededRandom::clockSeed() {
    const auto now = std::chrono::high_resolution_clock::now().time_since_epoch().count();
    return static_cast<std::uint32_t>(now ^ (now >> 32));
}

int SeededRandom::uniform(int n) {
    if (n <= 1) return 1;
    const std::uint64_t range = std::uint64_t{1} << 32;
    const std::uint64_t limit = range - range % static_cast<std::uint64_t>(n);
    std::uint64_t r = generator_();
    while (r >= limit)
        r = generator_();
    return 1 + static_cast<int>(r % static_cast<std::uint64_t>(n));
}

}  // namespace tess
