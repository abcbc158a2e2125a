#include "records/colour_text.h"

#include <array>
#include <cctype>
#include <cstdio>

namespace tess {

namespace {

struct NamedColour {
    const char* name;
    ColourValue value;
};

constexpr ColourValue system = 0x80000000;

constexpr std::array<NamedColour, 42> colourTable{{
    {"clBlack", 0x000000},
    {"clMaroon", 0x000080},
    {"clGreen", 0x008000},
    {"clOlive", 0x008080},
    {"clNavy", 0x800000},
    {"clPurple", 0x800080},
    {"clTeal", 0x808000},
    {"clGray", 0x808080},
    {"clSilver", 0xC0C0C0},
    {"clRed", 0x0000FF},
    {"clLime", 0x00FF00},
    {"clYellow", 0x00FFFF},
    {"clBlue", 0xFF0000},
    {"clFuchsia", 0xFF00FF},
    {"clAqua", 0xFFFF00},
    {"clWhite", 0xFFFFFF},
    {"clScrollBar", system + 0},
    {"clBackground", system + 1},
    {"clActiveCaption", system + 2},
    {"clInactiveCaption", system + 3},
    {"clMenu", system + 4},
    {"clWindow", system + 5},
    {"clWindowFrame", system + 6},
    {"clMenuText", system + 7},
    {"clWindowText", system + 8},
    {"clCaptionText", system + 9},
    {"clActiveBorder", system + 10},
    {"clInactiveBorder", system + 11},
    {"clAppWorkSpace", system + 12},
    {"clHighlight", system + 13},
    {"clHighlightText", system + 14},
    {"clBtnFace", system + 15},
    {"clBtnShadow", system + 16},
    {"clGrayText", system + 17},
    {"clBtnText", system + 18},
    {"clInactiveCaptionText", system + 19},
    {"clBtnHighlight", system + 20},
    {"cl3DDkShadow", system + 21},
    {"cl3DLight", system + 22},
    {"clInfoText", system + 23},
    {"clInfoBk", system + 24},
    {"clNone", clNone},
}};

bool sameName(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (std::tolower(static_cast<unsigned char>(a[i])) !=
            std::tolower(static_cast<unsigned char>(b[i])))
            return false;
    return true;
}

std::optional<ColourValue> parseDigits(std::string_view digits, int base) {
    if (digits.empty() || digits.size() > 16) return std::nullopt;
    std::uint64_t value = 0;
    for (char c : digits) {
        int d = -1;
        if (c >= '0' && c <= '9')
            d = c - '0';
        else if (base == 16 && c >= 'a' && c <= 'f')
            d = c - 'a' + 10;
        else if (base == 16 && c >= 'A' && c <= 'F')
            d = c - 'A' + 10;
        if (d < 0) return std::nullopt;
        value = value * static_cast<std::uint64_t>(base) + static_cast<std::uint64_t>(d);
        if (value > 0xFFFFFFFFull) return std::nullopt;
    }
    return static_cast<ColourValue>(value);
}

}  // namespace

std::string colourToText(ColourValue colour) {
    for (const NamedColour& c : colourTable)
        if (c.value == colour) return c.name;
    char text[10];
    std::snprintf(text, sizeof text, "$%08x", colour);
    return text;
}

std::optional<ColourValue> colourFromText(std::string_view text) {
    for (const NamedColour& c : colourTable)
        if (sameName(text, c.name)) return c.value;
    if (!text.empty() && text.front() == '$') return parseDigits(text.substr(1), 16);
    if (!text.empty() && text.front() == '-') {
        // A negative decimal is the 32-bit value read as signed (system colours).
        const auto magnitude = parseDigits(text.substr(1), 10);
        if (!magnitude || *magnitude > 0x80000000u) return std::nullopt;
        return static_cast<ColourValue>(0u - *magnitude);
    }
    return parseDigits(text, 10);
}

}  // namespace tess
