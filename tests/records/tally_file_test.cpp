#include "records/tally_file.h"

#include <gtest/gtest.h>

#include <random>
#include <string>

namespace tess {
namespace {

using namespace std::string_literals;

std::string le32(std::uint32_t v) {
    return {static_cast<char>(v), static_cast<char>(v >> 8), static_cast<char>(v >> 16),
            static_cast<char>(v >> 24)};
}

std::string tallyLikeText(std::size_t size) {
    std::mt19937 random(7);
    std::string text;
    while (text.size() < size)
        text += "Player" + std::to_string(random() % 300) + "\r\n" +
                std::to_string(random() % 1000) + "\r\n";
    text.resize(size);
    return text;
}

std::string randomBytes(std::size_t size) {
    std::mt19937 random(11);
    std::string bytes(size, '\0');
    for (auto& b : bytes)
        b = static_cast<char>(random());
    return bytes;
}

// The length field of each block, in order.
std::vector<std::size_t> blockLengths(const std::string& file) {
    std::vector<std::size_t> lengths;
    for (std::size_t pos = 8; pos + 2 <= file.size();) {
        const std::size_t len = static_cast<std::uint8_t>(file[pos]) |
                                (std::size_t{static_cast<std::uint8_t>(file[pos + 1])} << 8);
        lengths.push_back(len);
        pos += 2 + len;
    }
    return lengths;
}

TEST(TallyContainer, EmptyContentIsOneEmptyBlock) {
    EXPECT_EQ(compressTallyContent(""), "WRZL"s + le32(0) + "\x01\x00\x80"s);
    EXPECT_EQ(decompressTallyContent(compressTallyContent("")).value, "");
}

TEST(TallyContainer, FourThousandNinetySixEqualBytesAreOneRunAndOneLiteral) {
    EXPECT_EQ(compressTallyContent(std::string(4096, 'x')),
              "WRZL"s + le32(4096) + "\x08\x00\x40\x80\x00\x00\x0F\xEF"s + "xx");
}

TEST(TallyContainer, ChunkThatDoesNotShrinkIsStoredWithOneExtraByte) {
    const std::string bytes = randomBytes(1000);
    const std::string file = compressTallyContent(bytes);
    EXPECT_EQ(file, "WRZL"s + le32(1000) + "\xE9\x03\x80"s + bytes);
}

TEST(TallyContainer, ContentOfExactlyOneChunkEndsWithAnEmptyBlock) {
    const std::string content = tallyLikeText(32768);
    const std::string file = compressTallyContent(content);
    const auto lengths = blockLengths(file);
    ASSERT_EQ(lengths.size(), 2u);
    EXPECT_EQ(lengths[1], 1u);
    EXPECT_EQ(file.substr(file.size() - 3), "\x01\x00\x80"s);
    EXPECT_EQ(decompressTallyContent(file).value, content);
}

struct RoundTrip {
    std::size_t size;
    bool text;
};

class TallyRoundTrip : public ::testing::TestWithParam<RoundTrip> {};

TEST_P(TallyRoundTrip, ContentComesBackUnchanged) {
    const auto [size, text] = GetParam();
    const std::string content = text ? tallyLikeText(size) : randomBytes(size);
    const std::string file = compressTallyContent(content);
    EXPECT_EQ(blockLengths(file).size(), size / 32768 + 1);
    // A reader may stop at the limit; content that does not shrink needs all of it.
    if (text) {
        EXPECT_GE(tallyFileReadLimit(file.substr(0, 8)), file.size());
    } else {
        EXPECT_EQ(tallyFileReadLimit(file.substr(0, 8)), file.size());
    }
    const auto back = decompressTallyContent(file, "t.tld");
    EXPECT_EQ(back.error, "");
    EXPECT_EQ(back.value, content);
}

INSTANTIATE_TEST_SUITE_P(Sizes, TallyRoundTrip, ::testing::ValuesIn([] {
                             std::vector<RoundTrip> cases;
                             for (std::size_t size : {0, 1, 2, 3, 17, 32767, 32768, 32769, 100000})
                                 for (bool text : {true, false})
                                     cases.push_back({size, text});
                             return cases;
                         }()),
                         [](const auto& info) {
                             return (info.param.text ? "Text"s : "Random"s) +
                                    std::to_string(info.param.size);
                         });

struct BadFile {
    const char* name;
    std::string file;
    std::string error;
};

class BadTallyFile : public ::testing::TestWithParam<BadFile> {};

TEST_P(BadTallyFile, FailsWithItsText) {
    const auto result = decompressTallyContent(GetParam().file, "/home/u/Tessarinetally.tld");
    EXPECT_FALSE(result.ok());
    EXPECT_EQ(result.error, GetParam().error);
}

const std::string good = compressTallyContent(tallyLikeText(40000));
const std::string readError = "Lzrw1 : Error reading from input file : /home/u/Tessarinetally.tld";
const std::string lzrwMismatch =
    "Lzrw1 (decompression LZRW1/KH) : Original and compressed sizes do not match !";

std::string withStoredSize(std::uint32_t size) {
    return good.substr(0, 4) + le32(size) + good.substr(8);
}

const BadFile badFiles[] = {
    {"BadHeader", "WRZX" + good.substr(4),
     "/home/u/Tessarinetally.tld : Lzrw1 decompression : this file has no valid header !"},
    {"StoredSizeTooLarge", withStoredSize(40001), lzrwMismatch},
    {"StoredSizeTooSmall", withStoredSize(39999), lzrwMismatch},
    {"HugeStoredSize", withStoredSize(0xFFFFFFFFu), lzrwMismatch},
    {"Empty", "", readError},
    {"OnlyTheSignature", "WRZL", readError},
    {"NoBlocks", good.substr(0, 8), readError},
    {"CutInABlockLength", good.substr(0, 9), readError},
    {"CutInABlock", good.substr(0, 100), readError},
    {"CutBeforeTheLastBlock", good.substr(0, good.size() - 3 - blockLengths(good).back()),
     readError},
    // A copy from 4095 back as the chunk's first item.
    {"CopyBeforeTheStart", "WRZL"s + le32(3) + "\x05\x00\x40\x80\x00\xFF\xF0"s, lzrwMismatch},
    // One run of 4111 bytes while the header promises 5.
    {"RunPastTheStoredSize", "WRZL"s + le32(5) + "\x07\x00\x40\x80\x00\x00\x0F\xFF\x61"s,
     lzrwMismatch},
};

INSTANTIATE_TEST_SUITE_P(TallyContainer, BadTallyFile, ::testing::ValuesIn(badFiles),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(TallyContainer, WithoutAFileNameTheHeaderTextIsTheStreams) {
    EXPECT_EQ(decompressTallyContent("abcdefgh").error,
              "Lzrw1 decompression : input stream contains no valid header !");
}

TallyTable twoRows() {
    TallyTable table = TallyTable::initial();
    table.rows.push_back({"Klot", "5", "2", "3", "0", "1", "1", "0", "0"});
    return table;
}

TEST(TallyTableText, IsColumnsRowsThenCellsColumnByColumn) {
    TallyTable table = twoRows();
    table.rows[0][0] = "";
    EXPECT_EQ(tallyTableText(table),
              "9\r\n2\r\n"
              "\r\nKlot\r\n0\r\n5\r\n0\r\n2\r\n0\r\n3\r\n0\r\n0\r\n"
              "0\r\n1\r\n0\r\n1\r\n0\r\n0\r\n0\r\n0\r\n");
}

TEST(TallyTableText, LineBreaksInACellBecomeSpaces) {
    TallyTable table = twoRows();
    table.rows[1][0] = "Two\r\nLines\n";
    const auto back = tallyTableFromText(tallyTableText(table));
    ASSERT_TRUE(back);
    EXPECT_EQ(back->rows[1][0], "Two  Lines ");
}

TEST(TallyTableText, ReadsWhatItWrites) {
    EXPECT_EQ(tallyTableFromText(tallyTableText(twoRows())), twoRows());
    EXPECT_EQ(tallyTableFromText(tallyTableText(TallyTable::initial())), TallyTable::initial());
}

TEST(TallyTableText, CountsMustMatchTheLines) {
    const std::string cells(9 * 2, '\n');
    for (const std::string& text :
         {"9\r\n3\r\n" + cells, "9\r\n1\r\n" + cells, "8\r\n2\r\n" + cells, "9\r\n0\r\n"s,
          "x\r\n2\r\n" + cells, "9\r\n-2\r\n" + cells, "9\r\n4000000000\r\n" + cells,
          "9\r\n99999999999999999999999\r\n"s, ""s, "9\r\n"s})
        EXPECT_FALSE(tallyTableFromText(text)) << text;
    EXPECT_TRUE(tallyTableFromText("9\r\n2\r\n" + cells));
    // The last line may lack its line break.
    EXPECT_TRUE(tallyTableFromText("9\n1\n0\n0\n0\n0\n0\n0\n0\n0\n0"));
}

TEST(TallyFile, RoundTripsATable) {
    const auto result = decodeTallyFile(encodeTallyFile(twoRows()), "x.tld");
    EXPECT_EQ(result.error, "");
    EXPECT_EQ(result.value, twoRows());
}

TEST(TallyFile, ATableOfExactlyOneChunkReadsBackIdentically) {
    TallyTable table = twoRows();
    const std::size_t base = tallyTableText(table).size();
    table.rows[1][0] = std::string(32768 - base + 4, 'n');  // replaces "Klot"
    ASSERT_EQ(tallyTableText(table).size(), 32768u);
    const std::string file = encodeTallyFile(table);
    EXPECT_EQ(blockLengths(file).size(), 2u);
    EXPECT_EQ(decodeTallyFile(file).value, table);
}

TEST(TallyFile, ContentThatIsNoTableFailsWithTheSizeText) {
    const auto result = decodeTallyFile(compressTallyContent("9\r\n5\r\n1\r\n"), "x.tld");
    EXPECT_FALSE(result.ok());
    EXPECT_EQ(result.error, lzrwMismatch);
}

TEST(TallyFile, ABadHeaderNamesTheFile) {
    EXPECT_EQ(
        decodeTallyFile("PK\x03\x04xxxxxxxx", "C:\\Games\\Tessarinetally.tld").error,
        "C:\\Games\\Tessarinetally.tld : Lzrw1 decompression : this file has no valid header !");
}

TEST(TallyFile, DamagedFilesNeverReadOutOfBounds) {
    const std::string whole = encodeTallyFile([] {
        TallyTable table = TallyTable::initial();
        for (int i = 0; i < 300; ++i)
            table.rows.push_back(
                {"Player" + std::to_string(i), "7", "3", "2", "2", "0", "0", "0", "0"});
        return table;
    }());
    std::mt19937 random(5);
    for (int round = 0; round < 3000; ++round) {
        std::string file = whole;
        for (int flips = 1 + static_cast<int>(random() % 4); flips > 0; --flips)
            file[8 + random() % (file.size() - 8)] = static_cast<char>(random());
        if (round % 3 == 0) file.resize(random() % file.size());
        const auto result = decodeTallyFile(file, "x.tld");
        EXPECT_NE(result.ok(), !result.error.empty());
        if (result.ok()) {
            EXPECT_GE(result.value->rows.size(), 1u);
        }
    }
}

}  // namespace
}  // namespace tess
