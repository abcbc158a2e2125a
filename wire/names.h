// Player names travel inside "+"-separated messages, so they are cleaned before they
// are sent and again before the host stores them.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace tess::wire {

inline constexpr std::size_t maxNameBytes = 100;

// Makes a name safe to send, store and show: "+" becomes "-", control characters
// become spaces, bytes that are not UTF-8 become U+FFFD, and invisible format
// characters (bidi overrides and isolates, zero-width characters, the byte order mark)
// are removed, so a name cannot hide itself or turn the text around it. The result is
// cut to maxNameBytes without splitting a character.
std::string cleanName(std::string_view name);
// The same cleaning for text that is only shown (chat, room names), "+" kept.
std::string cleanText(std::string_view text, std::size_t maxBytes);

}  // namespace tess::wire
