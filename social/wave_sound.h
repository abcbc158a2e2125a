// A PCM wave recording read in place: its format and where its samples lie in the
// file's bytes. Only what our recordings use is accepted: uncompressed 8 or 16 bit PCM,
// one or two channels.
#pragma once

#include <cstddef>
#include <optional>
#include <string_view>

namespace tess {

struct WaveSound {
    int channels = 0;
    int rate = 0;              // frames per second
    int bitsPerSample = 0;     // 8 (unsigned) or 16 (signed, little-endian)
    std::string_view samples;  // whole frames only; points into the file's bytes

    int frameBytes() const { return channels * bitsPerSample / 8; }
    std::size_t frames() const { return samples.size() / static_cast<std::size_t>(frameBytes()); }
};

// The recording in `bytes`, which must outlive the result; nothing for anything else
// (not RIFF/WAVE, a compressed format, a chunk reaching past the end, no samples).
std::optional<WaveSound> readWaveSound(std::string_view bytes);

}  // namespace tess
