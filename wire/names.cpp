#include "wire/names.h"

#include <cstdint>

namespace tess::wire {

namespace {

constexpr char32_t replacement = 0xFFFD;

// One code point from the front of `bytes`, or replacement for an invalid, overlong,
// surrogate or cut-off sequence; `used` is how many bytes it took (at least one).
char32_t decodeOne(std::string_view bytes, std::size_t& used) {
    const auto at = [&](std::size_t i) { return static_cast<unsigned char>(bytes[i]); };
    const unsigned char lead = at(0);
    used = 1;
    if (lead < 0x80) return lead;
    std::size_t length = 0;
    char32_t value = 0, lowest = 0;
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2, value = lead & 0x1Fu, lowest = 0x80;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3, value = lead & 0x0Fu, lowest = 0x800;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4, value = lead & 0x07u, lowest = 0x10000;
    } else {
        return replacement;
    }
    for (std::size_t i = 1; i < length; ++i) {
        if (i >= bytes.size() || (at(i) & 0xC0u) != 0x80) {
            used = i;  // the bytes up to here are one bad sequence
            return replacement;
        }
        value = (value << 6) | (at(i) & 0x3Fu);
    }
    used = length;
    if (value < lowest || value > 0x10FFFF || (value >= 0xD800 && value <= 0xDFFF))
        return replacement;
    return value;
}

// Characters that draw nothing but change how the text around them is shown.
bool invisibleFormat(char32_t c) {
    return c == 0x00AD || c == 0x061C || c == 0x180E || (c >= 0x200B && c <= 0x200F) ||
           (c >= 0x202A && c <= 0x202E) || (c >= 0x2060 && c <= 0x2064) ||
           (c >= 0x2066 && c <= 0x206F) || c == 0xFEFF || (c >= 0xFFF9 && c <= 0xFFFB) ||
           c == 0xE0001 || (c >= 0xE0020 && c <= 0xE007F);
}

bool control(char32_t c) { return c < 0x20 || (c >= 0x7F && c <= 0x9F); }

void appendUtf8(std::string& out, char32_t c) {
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | (c >> 6));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        out += static_cast<char>(0xE0 | (c >> 12));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (c >> 18));
        out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
}

}  // namespace

std::string cleanText(std::string_view text, std::size_t maxBytes) {
    std::string out;
    out.reserve(text.size() < maxBytes ? text.size() : maxBytes);
    while (!text.empty()) {
        std::size_t used = 1;
        char32_t c = decodeOne(text, used);
        text.remove_prefix(used);
        if (invisibleFormat(c)) continue;
        if (control(c)) c = ' ';
        const std::size_t before = out.size();
        appendUtf8(out, c);
        if (out.size() > maxBytes) {
            out.resize(before);  // whole characters only
            break;
        }
    }
    return out;
}

std::string cleanName(std::string_view name) {
    std::string out = cleanText(name, maxNameBytes);
    for (char& c : out)
        if (c == '+') c = '-';
    return out;
}

}  // namespace tess::wire
