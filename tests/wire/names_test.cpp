#include "wire/names.h"

#include <gtest/gtest.h>

#include <string>

namespace tess::wire {
namespace {

struct NameCase {
    const char* what;
    std::string in;
    std::string out;
};

class CleanNameTest : public testing::TestWithParam<NameCase> {};

TEST_P(CleanNameTest, GivesTheCleanName) { EXPECT_EQ(cleanName(GetParam().in), GetParam().out); }

const std::string fffd = "\xEF\xBF\xBD";

INSTANTIATE_TEST_SUITE_P(
    Names, CleanNameTest,
    testing::Values(
        NameCase{"Plain", "Ann", "Ann"},
        NameCase{"UnicodeKept", "Zo\xC3\xAB \xE4\xB8\x96 \xF0\x9F\x98\x80",
                 "Zo\xC3\xAB \xE4\xB8\x96 \xF0\x9F\x98\x80"},
        NameCase{"PlusAndControls",
                 std::string("a+b\tc\x7F"
                             "d\r\ne\0f",
                             12),
                 "a-b c d  e f"},
        NameCase{"C1ControlIsAControl",
                 "a\xC2\x85"
                 "b",
                 "a b"},
        NameCase{"ByteFF",
                 "a\xFF"
                 "b",
                 "a" + fffd + "b"},
        NameCase{"LoneContinuation",
                 "a\x80"
                 "b",
                 "a" + fffd + "b"},
        NameCase{"CutOffSequenceThenAscii",
                 "a\xE4\xB8"
                 "b",
                 "a" + fffd + "b"},
        NameCase{"CutOffAtTheEnd", "ab\xF0\x9F\x98", "ab" + fffd},
        NameCase{"Overlong",
                 "\xC0\xAF"
                 "x",
                 fffd + fffd + "x"},
        NameCase{"OverlongThreeBytes", "\xE0\x80\xAF", fffd},
        NameCase{"Surrogate", "\xED\xA0\x80", fffd},
        NameCase{"AboveUnicode", "\xF4\x90\x80\x80", fffd},
        NameCase{"RightToLeftOverride", "evil\xE2\x80\xAEtxt.exe", "eviltxt.exe"},
        NameCase{"EveryBidiControl",
                 "a\xE2\x80\xAA\xE2\x80\xAB\xE2\x80\xAC\xE2\x80\xAD\xE2\x80\xAE"
                 "\xE2\x81\xA6\xE2\x81\xA7\xE2\x81\xA8\xE2\x81\xA9"
                 "b",
                 "ab"},
        NameCase{"ZeroWidthAndMarks",
                 "K\xE2\x80\x8Bl\xE2\x80\x8C\xE2\x80\x8D\xE2\x80\x8E\xE2\x80\x8Fo\xE2\x81\xA0"
                 "\xE2\x81\xA4t",
                 "Klot"},
        NameCase{"ByteOrderMarkAndArabicMark", "\xEF\xBB\xBFYou\xD8\x9C", "You"},
        NameCase{"OnlyInvisible", "\xE2\x80\x8B\xE2\x80\xAE", ""},
        NameCase{"CutAt100Bytes", std::string(120, 'x'), std::string(100, 'x')},
        // 99 bytes and a three-byte character: the character does not fit and goes.
        NameCase{"CutOnACharacterBoundary",
                 std::string(99, 'x') + "\xE4\xB8\x96"
                                        "yy",
                 std::string(99, 'x')},
        // Removed characters do not count towards the limit.
        NameCase{
            "InvisibleCharactersTakeNoRoom",
            std::string(60, 'x') + "\xE2\x80\x8B\xE2\x80\x8B\xE2\x80\x8B" + std::string(40, 'y'),
            std::string(60, 'x') + std::string(40, 'y')},
        NameCase{"ReplacementCountsWhole", std::string(98, 'x') + "\xFF", std::string(98, 'x')}),
    [](const auto& info) { return std::string(info.param.what); });

TEST(CleanName, IsStableWhenAppliedTwice) {
    const std::string dirty =
        "a+\xFF\xE2\x80\xAE"
        "b\xC3";
    EXPECT_EQ(cleanName(cleanName(dirty)), cleanName(dirty));
}

}  // namespace
}  // namespace tess::wire
