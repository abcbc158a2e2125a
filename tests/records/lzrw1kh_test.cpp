#include "records/lzrw1kh.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <string>
#include <vector>

namespace tess::lzrw1kh {
namespace {

using Bytes = std::vector<std::uint8_t>;

Bytes bytesOf(const std::string& text) { return Bytes(text.begin(), text.end()); }

Bytes concat(std::initializer_list<Bytes> parts) {
    Bytes all;
    for (const auto& part : parts)
        all.insert(all.end(), part.begin(), part.end());
    return all;
}

Bytes compress(const Bytes& in) {
    Compressor compressor;
    Bytes out(in.size() + 16);
    out.resize(compressor.compressChunk(in.data(), in.size(), out.data()));
    return out;
}

std::optional<Bytes> decompress(const Bytes& coded) {
    Bytes out(chunkSize);
    const auto n = decompressChunk(coded.data(), coded.size(), out.data());
    if (!n) return std::nullopt;
    out.resize(*n);
    return out;
}

struct ChunkCase {
    const char* name;
    Bytes plain;
    Bytes coded;
};

class ChunkCoding : public ::testing::TestWithParam<ChunkCase> {};

TEST_P(ChunkCoding, CodesExactlyAndDecodesBack) {
    const ChunkCase& c = GetParam();
    EXPECT_EQ(compress(c.plain), c.coded);
    EXPECT_EQ(decompress(c.coded), c.plain);
}

const ChunkCase chunkCases[] = {
    {"Empty", {}, {0x80}},
    // One run of 4095, then a literal: two items, control bits 10.
    {"FourThousandNinetySixEqualBytes",
     Bytes(4096, 'x'),
     {0x40, 0x80, 0x00, 0x00, 0x0F, 0xEF, 'x', 'x'}},
    {"TwoLongestRunsAndTwoLiterals",
     Bytes(8192, 'x'),
     {0x40, 0xC0, 0x00, 0x00, 0x0F, 0xEF, 'x', 0x00, 0x0F, 0xEF, 'x', 'x', 'x'}},
    {"ShortestRun", Bytes(16, 'y'), {0x40, 0x80, 0x00, 0x00, 0x00, 0x00, 'y'}},
    // Fifteen equal bytes are no run: a literal, then a copy of 14 from one back.
    {"FifteenEqualBytes", Bytes(15, 'z'), {0x40, 0x40, 0x00, 'z', 0x00, 0x1B}},
    {"ChunkThatDoesNotShrink", bytesOf("abcdefghij"), concat({{0x80}, bytesOf("abcdefghij")})},
    {"ThreeBytesAreCopied", bytesOf("abc"), {0x80, 'a', 'b', 'c'}},
    // A copy of 10 from 2 back overlaps the bytes it produces.
    {"OverlappingCopy", bytesOf("abababababab"), {0x40, 0x20, 0x00, 'a', 'b', 0x00, 0x27}},
    // 16 literals fill the first control word; the 17th item opens the second one,
    // which is left-aligned.
    {"SecondControlWord", bytesOf("abcdefghijklmnopqabcdefghijklmnopq"),
     concat({{0x40, 0x00, 0x00}, bytesOf("abcdefghijklmnop"), {0x40, 0x00, 'q', 0x01, 0x1E}})},
    // Ten literals, then the longest copy: 18 bytes from 10 back.
    {"LongestCopy", bytesOf("0123456789012345678901234567"),
     concat({{0x40, 0x00, 0x20}, bytesOf("0123456789"), {0x00, 0xAF}})},
};

INSTANTIATE_TEST_SUITE_P(Lzrw1kh, ChunkCoding, ::testing::ValuesIn(chunkCases),
                         [](const auto& info) { return std::string(info.param.name); });

struct BadChunk {
    const char* name;
    Bytes coded;
};

class MalformedChunk : public ::testing::TestWithParam<BadChunk> {};

TEST_P(MalformedChunk, IsRefused) { EXPECT_EQ(decompress(GetParam().coded), std::nullopt); }

Bytes runsPastTheChunk() {
    // Eight runs of 4111 bytes make 32888, more than a chunk holds.
    Bytes coded{0x40, 0xFF, 0x00};
    for (int i = 0; i < 8; ++i)
        coded.insert(coded.end(), {0x00, 0x0F, 0xFF, 'r'});
    return coded;
}

const BadChunk badChunks[] = {
    {"CopyBeforeTheStart", {0x40, 0x40, 0x00, 'a', 0x00, 0x20}},
    {"CopyAtTheVeryStart", {0x40, 0x80, 0x00, 0xFF, 0xF0}},
    {"CopyCutOff", {0x40, 0x80, 0x00, 0x00}},
    {"RunCutOff", {0x40, 0x80, 0x00, 0x00, 0x00, 0x10}},
    {"ControlWordWithoutItems",
     concat({{0x40, 0x00, 0x00}, bytesOf("abcdefghijklmnop"), {0x00, 0x00}})},
    {"RunsPastTheChunk", runsPastTheChunk()},
    {"CopiedChunkTooLong", concat({{0x80}, Bytes(chunkSize + 1, 'c')})},
};

INSTANTIATE_TEST_SUITE_P(Lzrw1kh, MalformedChunk, ::testing::ValuesIn(badChunks),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(Lzrw1khChunk, ShortChunksDecodeToNothing) {
    EXPECT_EQ(decompress({}), Bytes{});
    EXPECT_EQ(decompress({0x40}), Bytes{});
    EXPECT_EQ(decompress({0x40, 0x00}), Bytes{});
}

TEST(Lzrw1khChunk, OverlappingCopyOfOneRepeatsTheLastByte) {
    EXPECT_EQ(decompress({0x40, 0x40, 0x00, 'x', 0x00, 0x1F}), Bytes(19, 'x'));
}

TEST(Lzrw1khChunk, NoMatchReachesFurtherThan4095Back) {
    // "abc" again 4096 bytes later is too far for a copy.
    Bytes plain = bytesOf("abc");
    for (int i = 0; plain.size() < 4096; ++i)
        plain.push_back(static_cast<std::uint8_t>('d' + (i * 7) % 19 + (i / 19) % 3));
    const Bytes tail = bytesOf("abc");
    plain.insert(plain.end(), tail.begin(), tail.end());
    const Bytes coded = compress(plain);
    ASSERT_EQ(coded[0], flagCompressed);
    EXPECT_EQ(Bytes(coded.end() - 3, coded.end()), tail);  // three literals at the end
    EXPECT_EQ(decompress(coded), plain);
}

// The coder as first written: a byte at a time, every bound checked on each byte.
Bytes referenceCompress(const Bytes& in) {
    const std::size_t n = in.size();
    std::vector<std::uint16_t> hash(4096, 0xFFFF);
    Bytes out(n + 16);
    out[0] = flagCompressed;
    std::size_t x = 0, y = 3, control = 1;
    unsigned items = 0, command = 0;
    const auto put = [&](std::size_t at, unsigned v) {
        out[at] = static_cast<std::uint8_t>(v >> 8);
        out[at + 1] = static_cast<std::uint8_t>(v);
    };
    while (x < n && y <= n) {
        if (items == 16) {
            put(control, command);
            control = y;
            y += 2;
            items = command = 0;
        }
        ++items;
        std::size_t run = 1;
        while (run < 4095 && x + run < n && in[x + run] == in[x])
            ++run;
        if (run >= 16) {
            out[y] = 0;
            put(y + 1, static_cast<unsigned>(run - 16));
            out[y + 3] = in[x];
            y += 4;
            x += run;
            command = (command << 1) | 1u;
            continue;
        }
        if (x + 3 <= n) {
            const unsigned key = ((((unsigned{in[x]} << 4) ^ in[x + 1]) << 4) ^ in[x + 2]);
            std::uint16_t& slot = hash[((key * 40543u) >> 4) & 0x0FFFu];
            const std::size_t q = slot;
            slot = static_cast<std::uint16_t>(x);
            if (q != 0xFFFF && x - q < 4096) {
                std::size_t len = 0;
                while (len < 18 && x + len < n && in[x + len] == in[q + len])
                    ++len;
                if (len >= 3) {
                    put(y, static_cast<unsigned>(((x - q) << 4) + (len - 3)));
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
    put(control, (command << (16 - items)) & 0xFFFFu);
    if (y > n) {
        out[0] = flagCopied;
        std::copy(in.begin(), in.end(), out.begin() + 1);
        y = n + 1;
    }
    out.resize(y);
    return out;
}

// Matches that end on every byte of a word, at the chunk's end, overlapping their source,
// long literal stretches and runs: the same bytes as the plain coder, and back again.
TEST(Lzrw1khChunk, CodesAsTheByteAtATimeCoderDoes) {
    std::vector<Bytes> inputs;
    std::uint32_t seed = 7;
    const auto next = [&seed] { return seed = seed * 1103515245u + 12345u; };
    for (std::size_t size : {std::size_t{0}, std::size_t{1}, std::size_t{17}, std::size_t{4000},
                             chunkSize - 5, chunkSize}) {
        for (unsigned alphabet : {2u, 5u, 26u, 256u}) {
            Bytes in(size);
            for (std::size_t i = 0; i < size; ++i) {
                // Now and then a stretch repeated from a little or a lot further back.
                if (i > 40 && next() % 9 == 0) {
                    const std::size_t back = 1 + next() % (i < 4100 ? i : 4100);
                    const std::size_t len = 1 + next() % 40;
                    for (std::size_t k = 0; k < len && i < size; ++k, ++i)
                        in[i] = in[i - back];
                    if (i == size) break;
                }
                in[i] = static_cast<std::uint8_t>('A' + next() / 65536 % alphabet);
            }
            inputs.push_back(in);
        }
    }
    for (const Bytes& in : inputs) {
        const Bytes coded = compress(in);
        ASSERT_EQ(coded, referenceCompress(in)) << in.size() << " bytes";
        ASSERT_EQ(decompress(coded), in) << in.size() << " bytes";
    }
}

}  // namespace
}  // namespace tess::lzrw1kh
