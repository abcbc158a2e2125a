#include <gtest/gtest.h>

#include "records/colour_text.h"

namespace tess {
namespace {

TEST(ColourText, WritesNamesOrHex) {
    struct Case {
        ColourValue colour;
        const char* text;
    };
    for (const Case& c :
         {Case{0x000000, "clBlack"}, Case{0xFF0000, "clBlue"}, Case{0x0000FF, "clRed"},
          Case{0xFFFFFF, "clWhite"}, Case{0x80000000, "clScrollBar"}, Case{0x80000018, "clInfoBk"},
          Case{0x1FFFFFFF, "clNone"}, Case{0x00123456, "$00123456"}, Case{0x80000019, "$80000019"},
          Case{0xCBE1E2, "$00cbe1e2"}}) {
        EXPECT_EQ(colourToText(c.colour), c.text);
        EXPECT_EQ(colourFromText(c.text), c.colour) << c.text;
    }
}

TEST(ColourText, ReadsNamesAnyCaseHexAndDecimal) {
    struct Case {
        const char* text;
        std::optional<ColourValue> colour;
    };
    for (const Case& c :
         {Case{"clblack", 0}, Case{"CLBLUE", 0xFF0000}, Case{"cl3ddkshadow", 0x80000015},
          Case{"$ff", 0xFF}, Case{"$00FF00", 0xFF00}, Case{"255", 255},
          Case{"-2147483648", 0x80000000}, Case{"16711680", 0xFF0000}, Case{"", std::nullopt},
          Case{"$", std::nullopt}, Case{"clBlu", std::nullopt}, Case{"$1FFFFFFFF", std::nullopt},
          Case{"4294967296", std::nullopt}, Case{"12ab", std::nullopt}, Case{"$xyz", std::nullopt},
          Case{"red", std::nullopt}}) {
        EXPECT_EQ(colourFromText(c.text), c.colour) << c.text;
    }
}

}  // namespace
}  // namespace tess
