#include "records/lzhuf.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstdint>
#include <fstream>
#include <iterator>
#include <random>
#include <string>
#include <unordered_map>
#include <vector>

#include "records/tally_file.h"

namespace tess {
namespace {

using namespace std::string_literals;

// An encoder written from the method's description, to make fixtures: literals and
// copy lengths through the adaptive Huffman tree, positions as a fixed code for the
// upper six bits and the lower six bits as they are.
class LzhufWriter {
public:
    static constexpr unsigned leaves = 314, nodes = 2 * leaves - 1, root = nodes - 1;

    LzhufWriter() {
        for (unsigned i = 0; i < leaves; ++i) {
            freq_[i] = 1;
            son_[i] = i + nodes;
            up_[i + nodes] = i;
        }
        for (unsigned i = 0, j = leaves; j <= root; i += 2, ++j) {
            freq_[j] = freq_[i] + freq_[i + 1];
            son_[j] = i;
            up_[i] = up_[i + 1] = j;
        }
        freq_[nodes] = 0xFFFF;
        up_[root] = 0;
    }

    void literal(char byte) { symbol(static_cast<std::uint8_t>(byte)); }
    // length 3..60; position counts back from the byte before the write position.
    void copy(unsigned length, unsigned position) {
        symbol(253 + length);
        // Canonical codes: 1 of 3 bits, 3 of 4, 8 of 5, 12 of 6, 24 of 7, 16 of 8.
        unsigned code = 0, upper = position >> 6, len = 3;
        for (auto [count, bits] :
             {std::pair{1u, 3u}, {3u, 4u}, {8u, 5u}, {12u, 6u}, {24u, 7u}, {16u, 8u}}) {
            code <<= bits - len;
            len = bits;
            if (upper < count) {
                put(code + upper, bits);
                break;
            }
            upper -= count;
            code += count;
        }
        put(position & 0x3F, 6);
    }
    std::string finish() {
        if (pending_ > 0) out_.push_back(static_cast<char>(acc_ << (8 - pending_)));
        pending_ = acc_ = 0;
        return out_;
    }
    unsigned symbols() const { return symbols_; }

private:
    void put(unsigned value, unsigned bits) {
        for (unsigned b = bits; b-- > 0;) {
            acc_ = (acc_ << 1) | ((value >> b) & 1u);
            if (++pending_ == 8) {
                out_.push_back(static_cast<char>(acc_));
                pending_ = acc_ = 0;
            }
        }
    }
    void symbol(unsigned c) {
        ++symbols_;
        std::vector<unsigned> path;  // leaf first
        for (unsigned k = up_[c + nodes]; k != root; k = up_[k])
            path.push_back(k & 1u);
        for (auto it = path.rbegin(); it != path.rend(); ++it)
            put(*it, 1);
        count(c);
    }
    void count(unsigned c) {
        if (freq_[root] == 0x8000) halve();
        for (unsigned n = up_[c + nodes]; n != 0; n = up_[n]) {
            const unsigned f = ++freq_[n];
            unsigned l = n + 1;
            if (f <= freq_[l]) continue;
            while (f > freq_[l + 1])
                ++l;
            std::swap(freq_[n], freq_[l]);
            const unsigned a = son_[n], b = son_[l];
            up_[a] = l;
            if (a < nodes) up_[a + 1] = l;
            up_[b] = n;
            if (b < nodes) up_[b + 1] = n;
            son_[n] = b;
            son_[l] = a;
            n = l;
        }
    }
    void halve() {
        std::vector<std::pair<unsigned, unsigned>> leafList;  // (freq, son)
        for (unsigned i = 0; i < nodes; ++i)
            if (son_[i] >= nodes) leafList.push_back({(freq_[i] + 1) / 2, son_[i]});
        for (unsigned i = 0; i < leaves; ++i)
            std::tie(freq_[i], son_[i]) = leafList[i];
        for (unsigned i = 0, j = leaves; j < nodes; i += 2, ++j) {
            const unsigned f = freq_[i] + freq_[i + 1];
            unsigned k = j;
            while (f < freq_[k - 1])
                --k;
            for (unsigned m = j; m > k; --m) {
                freq_[m] = freq_[m - 1];
                son_[m] = son_[m - 1];
            }
            freq_[k] = f;
            son_[k] = i;
        }
        for (unsigned i = 0; i < nodes; ++i) {
            up_[son_[i]] = i;
            if (son_[i] < nodes) up_[son_[i] + 1] = i;
        }
    }

    std::array<unsigned, nodes + 1> freq_{};
    std::array<unsigned, nodes + leaves> up_{};
    std::array<unsigned, nodes> son_{};
    std::string out_;
    unsigned acc_ = 0, pending_ = 0, symbols_ = 0;
};

// Greedy copies of at least 3 bytes from the last place the same three bytes occurred.
std::string encode(const std::string& text, unsigned* symbols = nullptr) {
    LzhufWriter writer;
    std::unordered_map<std::string, std::size_t> last;
    std::size_t o = 0;
    while (o < text.size()) {
        std::size_t len = 0, from = 0;
        if (o + 3 <= text.size()) {
            const auto it = last.find(text.substr(o, 3));
            if (it != last.end() && o - it->second <= 4000) {
                from = it->second;
                while (len < 60 && o + len < text.size() && text[from + len] == text[o + len])
                    ++len;
            }
            last[text.substr(o, 3)] = o;
        }
        if (len >= 3) {
            writer.copy(static_cast<unsigned>(len), static_cast<unsigned>(o - from - 1));
            o += len;
        } else {
            writer.literal(text[o++]);
        }
    }
    if (symbols) *symbols = writer.symbols();
    return writer.finish();
}

// Known content from hand-picked items: an overlapping copy, copies from the spaces the
// ring starts with, and the longest copy from far back.
std::string knownStream() {
    LzhufWriter w;
    w.literal('a');
    w.literal('b');
    w.copy(6, 1);   // "ababab"
    w.copy(3, 13);  // three of the leading spaces
    w.literal('!');
    w.copy(60, 4000);
    return w.finish();
}
const std::string knownContent = "abababab   !" + std::string(60, ' ');

TEST(Lzhuf, HandPickedItemsDecodeExactly) {
    EXPECT_EQ(lzhuf::decode(knownStream(), knownContent.size()), knownContent);
}

TEST(Lzhuf, NothingToProduceReadsNothing) { EXPECT_EQ(lzhuf::decode("", 0), ""); }

TEST(Lzhuf, LongTextDecodesThroughTreeRebuilds) {
    std::mt19937 random(3);
    std::string text;
    while (text.size() < 120000) {
        for (int i = 0, n = 1 + static_cast<int>(random() % 9); i < n; ++i)
            text.push_back(static_cast<char>('a' + random() % 26));
        text += random() % 4 == 0 ? "\r\nPlayer 12\r\n" : " ";
    }
    unsigned symbols = 0;
    const std::string stream = encode(text, &symbols);
    // The tree is rebuilt when its root count reaches 32768, then at about every 16384.
    ASSERT_GT(symbols, 50000u);
    EXPECT_EQ(lzhuf::decode(stream, text.size()), text);
}

TEST(Lzhuf, ATallyFileWithTheSecondSignatureReadsAsATable) {
    TallyTable table = TallyTable::initial();
    table.rows.push_back({"Klot", "12", "5", "6", "1", "0", "0", "0", "0"});
    const std::string text = tallyTableText(table);
    const std::string file =
        "!HZL"s + std::string{static_cast<char>(text.size()), 0, 0, 0} + encode(text);
    const auto result = decodeTallyFile(file, "t.tld");
    EXPECT_EQ(result.error, "");
    EXPECT_EQ(result.value, table);
}

std::string lzhFile(std::uint32_t stored, const std::string& stream) {
    return "!HZL"s + static_cast<char>(stored) + static_cast<char>(stored >> 8) + '\0' + '\0' +
           stream;
}

TEST(Lzhuf, ALastCopyPastTheStoredSizeFailsWithItsText) {
    EXPECT_EQ(
        decompressTallyContent(lzhFile(knownContent.size() - 1, knownStream()), "t.tld").error,
        "Lzrw1 (LZH decompression) : Original and compressed sizes do not match !");
}

TEST(Lzhuf, AStreamCutShortFailsInsteadOfDecodingZeros) {
    EXPECT_EQ(
        decompressTallyContent(lzhFile(knownContent.size() + 1000, knownStream()), "t.tld").error,
        "Lzrw1 : Error reading from input file : t.tld");
    EXPECT_EQ(lzhuf::decode(knownStream().substr(0, 3), knownContent.size()), std::nullopt);
}

std::string vector(const char* name) {
    std::ifstream in(std::string(TESS_CODEC_VECTORS) + "/" + name, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// Made by an independent coder, so a fault shared by the decoder and LzhufWriter above
// shows here.
TEST(Lzhuf, AFileFromAnotherCoderDecodesExactly) {
    const std::string file = vector("repetitive5000.lzh.tld");
    const std::string plain = vector("repetitive5000.plain");
    ASSERT_EQ(plain.size(), 5000u);
    ASSERT_EQ(file.substr(0, 4), "!HZL");

    const auto decoded = lzhuf::decode(std::string_view(file).substr(8), plain.size());
    ASSERT_TRUE(decoded);
    EXPECT_EQ(decoded->substr(0, plain.size()), plain);

    const auto content = decompressTallyContent(file, "repetitive5000.lzh.tld");
    EXPECT_EQ(content.error, "");
    ASSERT_TRUE(content.ok());
    EXPECT_EQ(*content.value, plain);
}

TEST(Lzhuf, AFileFromAnotherCoderCutShortIsRefused) {
    const std::string file = vector("repetitive5000.lzh.tld");
    ASSERT_GT(file.size(), 108u);
    EXPECT_FALSE(decompressTallyContent(file.substr(0, file.size() - 100), "t.tld").ok());
}

TEST(Lzhuf, RandomStreamsEndCleanly) {
    std::mt19937 random(9);
    for (int round = 0; round < 300; ++round) {
        std::string stream(random() % 2000, '\0');
        for (auto& b : stream)
            b = static_cast<char>(random());
        const std::size_t size = random() % 20000;
        const auto out = lzhuf::decode(stream, size);
        if (out) {
            EXPECT_GE(out->size(), size);
            EXPECT_LT(out->size(), size + 60);
        }
    }
}

}  // namespace
}  // namespace tess
