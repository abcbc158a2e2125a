#include "records/lzrw1kh.h"

#include <gtest/gtest.h>

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

}  // namespace
}  // namespace tess::lzrw1kh
