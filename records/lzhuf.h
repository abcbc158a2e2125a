// Decoder of LZHUF content: LZSS over a 4096-byte ring with an adaptive Huffman code for
// literals and match lengths. This program only reads it; it never writes it.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace tess::lzhuf {

// Decodes until at least `size` bytes are produced (the last copy is not cut short).
// Returns the bytes, or nothing when the stream runs out: a stream needs at most a few
// bytes of zero padding past its end, so more than that means it is cut off or damaged.
std::optional<std::string> decode(std::string_view code, std::size_t size);

}  // namespace tess::lzhuf
