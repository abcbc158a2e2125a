#include "social/wave_sound.h"

#include <cstdint>

namespace tess {

namespace {

std::uint32_t u32(std::string_view b, std::size_t at) {
    return static_cast<std::uint32_t>(static_cast<unsigned char>(b[at])) |
           static_cast<std::uint32_t>(static_cast<unsigned char>(b[at + 1])) << 8 |
           static_cast<std::uint32_t>(static_cast<unsigned char>(b[at + 2])) << 16 |
           static_cast<std::uint32_t>(static_cast<unsigned char>(b[at + 3])) << 24;
}

int u16(std::string_view b, std::size_t at) {
    return static_cast<unsigned char>(b[at]) | static_cast<unsigned char>(b[at + 1]) << 8;
}

}  // namespace

std::optional<WaveSound> readWaveSound(std::string_view bytes) {
    if (bytes.size() < 12 || bytes.substr(0, 4) != "RIFF" || bytes.substr(8, 4) != "WAVE")
        return std::nullopt;
    std::optional<WaveSound> wave;
    for (std::size_t at = 12; bytes.size() - at >= 8;) {
        const std::string_view id = bytes.substr(at, 4);
        const std::size_t size = u32(bytes, at + 4);
        if (size > bytes.size() - at - 8) return std::nullopt;
        if (id == "fmt ") {
            if (size < 16 || u16(bytes, at + 8) != 1) return std::nullopt;  // PCM only
            WaveSound w;
            w.channels = u16(bytes, at + 10);
            w.rate = static_cast<int>(u32(bytes, at + 12));
            w.bitsPerSample = u16(bytes, at + 22);
            if (w.channels < 1 || w.channels > 2 || w.rate < 1000 || w.rate > 192000 ||
                (w.bitsPerSample != 8 && w.bitsPerSample != 16))
                return std::nullopt;
            wave = w;
        } else if (id == "data") {
            if (!wave) return std::nullopt;
            const std::size_t whole = size - size % static_cast<std::size_t>(wave->frameBytes());
            if (whole == 0) return std::nullopt;
            wave->samples = bytes.substr(at + 8, whole);
            return wave;
        }
        at += 8 + size + (size & 1);
        if (at > bytes.size()) return std::nullopt;
    }
    return std::nullopt;
}

}  // namespace tess
