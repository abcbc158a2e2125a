#include "wire/names.h"

namespace tess::wire {

std::string cleanName(std::string_view name) {
    std::string out;
    out.reserve(name.size() < maxNameBytes ? name.size() : maxNameBytes);
    for (char c : name) {
        const auto byte = static_cast<unsigned char>(c);
        if (c == '+')
            out += '-';
        else if (byte < 0x20 || byte == 0x7F || byte == 0xFF)
            out += ' ';
        else
            out += c;
    }
    if (out.size() > maxNameBytes) {
        std::size_t cut = maxNameBytes;
        // Step back over continuation bytes to the start of the character that is cut.
        while (cut > 0 && (static_cast<unsigned char>(out[cut]) & 0xC0) == 0x80)
            --cut;
        out.resize(cut);
    }
    return out;
}

}  // namespace tess::wire
