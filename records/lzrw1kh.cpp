#include "records/lzrw1kh.h"

#include <algorithm>
#include <cstring>

namespace tess::lzrw1kh {

namespace {

constexpr std::uint16_t emptySlot = 0xFFFF;
constexpr std::size_t window = 4096;
constexpr std::size_t minRun = 16, maxRun = 4095;
constexpr std::size_t minCopy = 3, maxCopy = 18;

inline unsigned hashOf(const std::uint8_t* p) {
    const unsigned key = ((((unsigned{p[0]} << 4) ^ p[1]) << 4) ^ p[2]);
    return ((key * 40543u) >> 4) & 0x0FFFu;
}

inline std::uint64_t load64(const std::uint8_t* p) {
    std::uint64_t v;
    std::memcpy(&v, p, sizeof v);
    return v;
}

// How many bytes from a and b agree, at most `limit`: eight at a time, then the rest.
inline std::size_t matchLength(const std::uint8_t* a, const std::uint8_t* b, std::size_t limit) {
    std::size_t len = 0;
    while (len + 8 <= limit) {
        const std::uint64_t diff = load64(a + len) ^ load64(b + len);
        if (diff != 0) return len + static_cast<std::size_t>(__builtin_ctzll(diff)) / 8;
        len += 8;
    }
    while (len < limit && a[len] == b[len])
        ++len;
    return len;
}

inline void putWord(std::uint8_t* out, unsigned value) {
    out[0] = static_cast<std::uint8_t>(value >> 8);
    out[1] = static_cast<std::uint8_t>(value);
}

}  // namespace

std::size_t Compressor::compressChunk(const std::uint8_t* in, std::size_t n, std::uint8_t* out) {
    hash_.fill(emptySlot);
    out[0] = flagCompressed;
    std::size_t x = 0, y = 3, control = 1;
    unsigned items = 0, command = 0;
    while (x < n && y <= n) {
        if (items == 16) {
            putWord(out + control, command);
            control = y;
            y += 2;
            items = 0;
            command = 0;
        }
        ++items;
        const std::uint8_t first = in[x];
        std::size_t run = 1;
        while (run < maxRun && x + run < n && in[x + run] == first)
            ++run;
        if (run >= minRun) {
            out[y] = 0;
            putWord(out + y + 1, static_cast<unsigned>(run - minRun));
            out[y + 3] = first;
            y += 4;
            x += run;
            command = (command << 1) | 1u;
            continue;
        }
        // A copy needs three bytes; nearer the end only a literal can follow.
        if (x + minCopy <= n) {
            std::uint16_t& slot = hash_[hashOf(in + x)];
            const std::size_t q = slot;
            slot = static_cast<std::uint16_t>(x);
            if (q != emptySlot && x - q < window) {
                const std::size_t len = matchLength(in + q, in + x, std::min(maxCopy, n - x));
                if (len >= minCopy) {
                    putWord(out + y, static_cast<unsigned>(((x - q) << 4) + (len - minCopy)));
                    y += 2;
                    x += len;
                    command = (command << 1) | 1u;
                    continue;
                }
            }
        }
        out[y++] = in[x++];
        command <<= 1;
    }
    putWord(out + control, (command << (16 - items)) & 0xFFFFu);
    if (y > n) {
        // Coding did not pay: keep the chunk as it is.
        out[0] = flagCopied;
        if (n > 0) std::memmove(out + 1, in, n);
        y = n + 1;
    }
    return y;
}

namespace {

// The copy or run item at in[x] onto out[y]; false when it is cut off or reaches outside
// the chunk.
inline bool copyOrRun(const std::uint8_t* in, std::size_t len, std::size_t& x, std::uint8_t* out,
                      std::size_t& y) {
    if (x + 2 > len) return false;
    const std::size_t offset = (std::size_t{in[x]} << 4) | (in[x + 1] >> 4);
    if (offset == 0) {
        if (x + 4 > len) return false;
        const std::size_t run = ((std::size_t{in[x + 1]} << 8) | in[x + 2]) + minRun;
        if (run > chunkSize - y) return false;
        std::memset(out + y, in[x + 3], run);
        x += 4;
        y += run;
        return true;
    }
    const std::size_t size = (in[x + 1] & 0x0Fu) + minCopy;
    if (offset > y || size > chunkSize - y) return false;
    std::uint8_t* dst = out + y;
    const std::uint8_t* src = dst - offset;
    static_assert(maxCopy <= 24);
    if (offset >= 8 && chunkSize - y >= 24) {
        // Eight at a time: each step reads only bytes already final. Up to 7 bytes past
        // the copy are written and then overwritten by what follows.
        std::memcpy(dst, src, 8);
        std::memcpy(dst + 8, src + 8, 8);
        if (size > 16) std::memcpy(dst + 16, src + 16, 8);
    } else if (offset >= size) {
        std::memcpy(dst, src, size);
    } else {
        // Overlapping: each byte may be one this copy has just produced.
        for (std::size_t k = 0; k < size; ++k)
            dst[k] = src[k];
    }
    x += 2;
    y += size;
    return true;
}

}  // namespace

std::optional<std::size_t> decompressChunk(const std::uint8_t* in, std::size_t len,
                                           std::uint8_t* out) {
    if (len < 2) return 0;
    if (in[0] == flagCopied) {
        if (len - 1 > chunkSize) return std::nullopt;
        std::memcpy(out, in + 1, len - 1);
        return len - 1;
    }
    if (len < 3) return 0;
    unsigned command = (unsigned{in[1]} << 8) | in[2];
    unsigned bits = 16;
    std::size_t x = 3, y = 0;
    constexpr std::size_t longestGroup = 16 * 4;  // 16 run items
    // The item the control word's top bit announces: a literal, or a copy or run.
    const auto oneItem = [&] {
        if ((command & 0x8000u) == 0) {
            if (y >= chunkSize) return false;
            out[y++] = in[x++];
            return true;
        }
        return copyOrRun(in, len, x, out, y);
    };
    while (x < len) {
        if (bits == 0) {
            // A control word is always followed by at least one item.
            if (x + 3 > len) return std::nullopt;
            command = (unsigned{in[x]} << 8) | in[x + 1];
            bits = 16;
            x += 2;
        }
        if (bits == 16 && len - x >= longestGroup) {
            // A whole group with all its items present: eight literals in a row go at once.
            for (unsigned item = 0; item < 16;) {
                if ((command & 0xFF00u) == 0 && item <= 8 && chunkSize - y >= 8) {
                    std::memcpy(out + y, in + x, 8);
                    x += 8;
                    y += 8;
                    item += 8;
                    command <<= 8;
                    continue;
                }
                if (!oneItem()) return std::nullopt;
                ++item;
                command <<= 1;
            }
            bits = 0;
            continue;
        }
        if (!oneItem()) return std::nullopt;
        command <<= 1;
        --bits;
    }
    return y;
}

}  // namespace tess::lzrw1kh
