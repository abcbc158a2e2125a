// Player names travel inside "+"-separated messages, so they are cleaned before they
// are sent and again before the host stores them.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace tess::wire {

inline constexpr std::size_t maxNameBytes = 100;

// Replaces "+" with "-" and control characters with spaces, and cuts the name to
// maxNameBytes without splitting a UTF-8 character.
std::string cleanName(std::string_view name);

}  // namespace tess::wire
