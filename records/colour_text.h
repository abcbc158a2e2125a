// Colours as text, the way chat messages and the settings file carry them: a name from
// the colour table ("clBlack"), or "$" and eight hexadecimal digits of 0x00BBGGRR.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace tess {

using ColourValue = std::uint32_t;  // 0x00BBGGRR; 0x80000000 + k: system colour k

inline constexpr ColourValue clBlack = 0x000000;
inline constexpr ColourValue clRed = 0x0000FF;
inline constexpr ColourValue clBlue = 0xFF0000;
inline constexpr ColourValue clNone = 0x1FFFFFFF;

// The colour's name when the table has one, else "$" and 8 lower-case hex digits.
std::string colourToText(ColourValue colour);
// A name (any case), "$" with hex digits, or a decimal number; nothing otherwise.
std::optional<ColourValue> colourFromText(std::string_view text);

}  // namespace tess
