// LZRW1/KH, the block coder of the tally file. Content is coded in chunks of at most
// 32768 bytes; each chunk is coded on its own (no match reaches into an earlier chunk).
// Multi-byte fields inside a coded chunk are big-endian.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>

namespace tess::lzrw1kh {

inline constexpr std::size_t chunkSize = 32768;
// Room the coder needs for one chunk: the last item and control word may pass n before
// it falls back to a copied chunk.
inline constexpr std::size_t maxCodedChunk = chunkSize + 16;

inline constexpr std::uint8_t flagCompressed = 0x40;
inline constexpr std::uint8_t flagCopied = 0x80;

class Compressor {
public:
    // Codes n (<= chunkSize) bytes into out (room for n + 16 bytes); returns the coded
    // length, at most n + 1.
    std::size_t compressChunk(const std::uint8_t* in, std::size_t n, std::uint8_t* out);

private:
    std::array<std::uint16_t, 4096> hash_{};  // kept here so it is allocated once
};

// Decodes one coded chunk of length len into out (room for chunkSize bytes). Returns
// the decoded length, or nothing when the chunk is malformed: an item cut off, a copy
// reaching before the start of the chunk, or more than chunkSize bytes of output.
std::optional<std::size_t> decompressChunk(const std::uint8_t* in, std::size_t len,
                                           std::uint8_t* out);

}  // namespace tess::lzrw1kh
