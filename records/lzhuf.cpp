#include "records/lzhuf.h"

#include <algorithm>
#include <array>
#include <cstdint>

namespace tess::lzhuf {

namespace {

constexpr unsigned ringSize = 4096;
constexpr unsigned lookAhead = 60;
constexpr unsigned threshold = 2;
constexpr unsigned symbols = 256 - threshold + lookAhead;  // 314
constexpr unsigned nodes = symbols * 2 - 1;                // 627
constexpr unsigned root = nodes - 1;
constexpr unsigned maxFreq = 0x8000;
// Zero bytes the bit reader may take past the end of a whole stream.
constexpr std::size_t maxPadding = 4;

// Upper six bits of a position: code and code length by the first byte read.
struct PositionTable {
    std::array<std::uint8_t, 256> code{};
    std::array<std::uint8_t, 256> length{};
    constexpr PositionTable() {
        // (how many codes, their bit length), in code order.
        constexpr unsigned groups[6][2] = {{1, 3}, {3, 4}, {8, 5}, {12, 6}, {24, 7}, {16, 8}};
        unsigned byte = 0, value = 0;
        for (const auto& group : groups) {
            for (unsigned c = 0; c < group[0]; ++c, ++value) {
                for (unsigned k = 0; k < (1u << (8 - group[1])); ++k, ++byte) {
                    code[byte] = static_cast<std::uint8_t>(value);
                    length[byte] = static_cast<std::uint8_t>(group[1]);
                }
            }
        }
    }
};
constexpr PositionTable positionTable;

class BitReader {
public:
    explicit BitReader(std::string_view bytes) : bytes_(bytes) {}

    unsigned bit() {
        fill();
        const unsigned b = (buffer_ >> 15) & 1u;
        buffer_ = (buffer_ << 1) & 0xFFFFu;
        --count_;
        return b;
    }
    unsigned byte() {
        fill();
        const unsigned b = (buffer_ >> 8) & 0xFFu;
        buffer_ = (buffer_ << 8) & 0xFFFFu;
        count_ -= 8;
        return b;
    }
    bool overrun() const { return past_ > maxPadding; }

private:
    void fill() {
        while (count_ <= 8) {
            unsigned next = 0;
            if (pos_ < bytes_.size())
                next = static_cast<std::uint8_t>(bytes_[pos_++]);
            else
                ++past_;
            buffer_ |= next << (8 - count_);
            count_ += 8;
        }
    }

    std::string_view bytes_;
    std::size_t pos_ = 0;
    std::size_t past_ = 0;
    unsigned buffer_ = 0;
    unsigned count_ = 0;
};

// The adaptive Huffman tree: leaves are son[] values >= nodes.
class Tree {
public:
    Tree() {
        for (unsigned i = 0; i < symbols; ++i) {
            freq_[i] = 1;
            son_[i] = i + nodes;
            parent_[i + nodes] = i;
        }
        for (unsigned i = 0, j = symbols; j <= root; i += 2, ++j) {
            freq_[j] = freq_[i] + freq_[i + 1];
            son_[j] = i;
            parent_[i] = parent_[i + 1] = j;
        }
        freq_[nodes] = 0xFFFF;
        parent_[root] = 0;
    }

    unsigned decode(BitReader& bits) {
        unsigned c = son_[root];
        while (c < nodes)
            c = son_[c + bits.bit()];
        c -= nodes;
        update(c);
        return c;
    }

private:
    void update(unsigned c) {
        if (freq_[root] == maxFreq) rebuild();
        c = parent_[c + nodes];
        do {
            const unsigned k = ++freq_[c];
            // Keep frequencies in order by swapping c with the last node below k.
            unsigned l = c + 1;
            if (k > freq_[l]) {
                while (k > freq_[++l]) {
                }
                --l;
                freq_[c] = freq_[l];
                freq_[l] = k;
                const unsigned i = son_[c];
                parent_[i] = l;
                if (i < nodes) parent_[i + 1] = l;
                const unsigned j = son_[l];
                son_[l] = i;
                parent_[j] = c;
                if (j < nodes) parent_[j + 1] = c;
                son_[c] = j;
                c = l;
            }
            c = parent_[c];
        } while (c != 0);
    }

    void rebuild() {
        unsigned j = 0;
        for (unsigned i = 0; i < nodes; ++i) {
            if (son_[i] >= nodes) {
                freq_[j] = (freq_[i] + 1) / 2;
                son_[j] = son_[i];
                ++j;
            }
        }
        for (unsigned i = 0, n = symbols; n < nodes; i += 2, ++n) {
            const unsigned f = freq_[i] + freq_[i + 1];
            unsigned k = n - 1;
            while (f < freq_[k])
                --k;
            ++k;
            std::copy_backward(freq_.begin() + k, freq_.begin() + n, freq_.begin() + n + 1);
            std::copy_backward(son_.begin() + k, son_.begin() + n, son_.begin() + n + 1);
            freq_[k] = f;
            son_[k] = i;
        }
        for (unsigned i = 0; i < nodes; ++i) {
            const unsigned k = son_[i];
            parent_[k] = i;
            if (k < nodes) parent_[k + 1] = i;
        }
    }

    std::array<unsigned, nodes + 1> freq_{};
    std::array<unsigned, nodes + symbols> parent_{};
    std::array<unsigned, nodes> son_{};
};

unsigned decodePosition(BitReader& bits) {
    unsigned i = bits.byte();
    const unsigned upper = unsigned{positionTable.code[i]} << 6;
    for (unsigned j = positionTable.length[i] - 2u; j > 0; --j)
        i = (i << 1) + bits.bit();
    return upper | (i & 0x3Fu);
}

}  // namespace

std::optional<std::string> decode(std::string_view code, std::size_t size) {
    BitReader bits(code);
    Tree tree;
    std::array<std::uint8_t, ringSize> ring{};
    std::fill_n(ring.begin(), ringSize - lookAhead, std::uint8_t{' '});
    unsigned r = ringSize - lookAhead;
    std::string out;
    out.reserve(std::min<std::size_t>(size, code.size() * 8 + 64));
    while (out.size() < size) {
        const unsigned c = tree.decode(bits);
        if (c < 256) {
            out.push_back(static_cast<char>(c));
            ring[r] = static_cast<std::uint8_t>(c);
            r = (r + 1) & (ringSize - 1);
        } else {
            const unsigned from = (r - decodePosition(bits) - 1) & (ringSize - 1);
            const unsigned len = c - 255 + threshold;
            for (unsigned k = 0; k < len; ++k) {
                const std::uint8_t b = ring[(from + k) & (ringSize - 1)];
                out.push_back(static_cast<char>(b));
                ring[r] = b;
                r = (r + 1) & (ringSize - 1);
            }
        }
        if (bits.overrun()) return std::nullopt;
    }
    return out;
}

}  // namespace tess::lzhuf
