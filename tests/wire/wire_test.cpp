#include <gtest/gtest.h>

#include "wire/commands.h"
#include "wire/fields.h"
#include "wire/message.h"
#include "wire/splitter.h"

namespace tess::wire {
namespace {

TEST(Message, BuildsFieldsAndTerminators) {
    EXPECT_EQ(Message(cmd::nextplayer).add(2).endWithPlus(), "CMD_nextplayer+2+\xFF");
    EXPECT_EQ(Message(cmd::sendlogininfo).add(3).end(), "CMD_sendlogininfo+3\xFF");
    EXPECT_EQ(Message(cmd::full).endWithPlus(), "CMD_full+\xFF");
    EXPECT_EQ(Message(cmd::newplayerinfo).add(2).add("Ann").add("0").end(),
              "CMD_newplayerinfo+2+Ann+0\xFF");
    EXPECT_EQ(Message(cmd::roundstart).add(1).add(2).raw("+1+t+2+t").end(),
              "CMD_roundstart+1+2+1+t+2+t\xFF");
    EXPECT_EQ(Message(cmd::existingplayers).end(), "CMD_existingplayers\xFF");
}

TEST(Splitter, CutsAtTheTerminatorAndKeepsTheTail) {
    LineSplitter splitter;
    std::vector<std::string> lines;
    EXPECT_TRUE(splitter.feed("CMD_chat+1+hel", lines));
    EXPECT_TRUE(lines.empty());
    EXPECT_EQ(splitter.pending(), "CMD_chat+1+hel");

    EXPECT_TRUE(
        splitter.feed("lo\xFF"
                      "CMD_endturn+1+\xFF\xFF"
                      "CMD_x",
                      lines));
    EXPECT_EQ(lines, (std::vector<std::string>{"CMD_chat+1+hello", "CMD_endturn+1+", ""}));
    EXPECT_EQ(splitter.pending(), "CMD_x");

    lines.clear();
    EXPECT_TRUE(splitter.feed("\xFF", lines));
    EXPECT_EQ(lines, (std::vector<std::string>{"CMD_x"}));
    EXPECT_EQ(splitter.pending(), "");
}

TEST(Splitter, MultiByteCharacterCutByAReadIsWholeInItsLine) {
    LineSplitter splitter;
    std::vector<std::string> lines;
    const std::string line =
        "CMD_chat+1+Gr\xC3\xBC\xC3\x9F"
        "e";
    splitter.feed(line.substr(0, 14), lines);
    splitter.feed(line.substr(14) + "\xFF", lines);
    EXPECT_EQ(lines, (std::vector<std::string>{line}));
}

TEST(Splitter, OverlongTailIsRefused) {
    LineSplitter splitter(16);
    std::vector<std::string> lines;
    EXPECT_TRUE(splitter.feed("0123456789abcdef", lines));
    EXPECT_FALSE(splitter.feed("g", lines));
    EXPECT_EQ(splitter.pending(), "");
    // Complete lines before the overflow still count.
    LineSplitter other(4);
    EXPECT_FALSE(
        other.feed("ok\xFF"
                   "toolong",
                   lines));
    EXPECT_EQ(lines, (std::vector<std::string>{"ok"}));
}

// The limit is on the whole line, however many reads it took to arrive.
TEST(Splitter, LimitCountsTheWholeLineAcrossReads) {
    struct Case {
        std::vector<std::string> reads;  // the last one decides
        bool accepted;
        std::vector<std::string> lines;
    };
    const std::string ten(10, 'a');
    const std::string nine(9, 'b');
    const std::string term = "\xFF";
    for (const Case& c : {
             Case{{ten, ten + term}, false, {}},                    // 20 pending + arriving
             Case{{ten, nine + term}, false, {}},                   // 19
             Case{{ten, "aaaaaa" + term}, true, {ten + "aaaaaa"}},  // exactly 16
             Case{{ten, "aaaaaaa"}, false, {}},                     // 17 without a terminator
             Case{{ten + term + ten, "aaaaaa" + term}, true, {ten, ten + "aaaaaa"}},
             Case{{"", ten + ten + term}, false, {}},  // one read, overlong but ended
             Case{{"x" + term + ten + ten + term + "y" + term}, false, {"x"}},
         }) {
        LineSplitter splitter(16);
        std::vector<std::string> lines;
        bool ok = true;
        for (const std::string& read : c.reads)
            ok = splitter.feed(read, lines);
        EXPECT_EQ(ok, c.accepted) << c.reads.back();
        EXPECT_EQ(lines, c.lines) << c.reads.back();
        if (!c.accepted) {
            EXPECT_EQ(splitter.pending(), "");
        }
    }
}

TEST(Dispatch, SplitsTheCommandWordAtTheFirstPlus) {
    struct Case {
        std::string_view line, word, rest;
    };
    for (const Case& c :
         {Case{"CMD_handplay+1+3+2+", "CMD_handplay", "1+3+2+"}, Case{"CMD_full+", "CMD_full", ""},
          Case{"CMD_chat+1+a+b", "CMD_chat", "1+a+b"},
          Case{"CMD_nomorecards", "", ""},  // no "+": no command word
          Case{"", "", ""}, Case{"+1+2", "", "1+2"}}) {
        const CommandLine split = splitCommand(c.line);
        EXPECT_EQ(split.word, c.word) << c.line;
        EXPECT_EQ(split.rest, c.rest) << c.line;
    }
}

TEST(Fields, ReadsOneByOneUpToTheNextPlus) {
    FieldReader f("2+1.0.2+Ann+Lee");
    EXPECT_EQ(f.number(), 2);
    EXPECT_EQ(f.text(), "1.0.2");
    EXPECT_EQ(f.remainder(), "Ann+Lee");
    EXPECT_EQ(f.text(), "Ann");
    EXPECT_EQ(f.text(), "Lee");  // the last field without a "+" is whatever remains
    EXPECT_EQ(f.text(), "");
    EXPECT_THROW(f.number(), FieldError);
}

TEST(Fields, NumbersAreStrictDecimals) {
    struct Case {
        std::string_view text;
        bool ok;
        int value;
    };
    for (const Case& c :
         {Case{"0", true, 0}, Case{"42", true, 42}, Case{"-7", true, -7},
          Case{"2147483647", true, 2147483647}, Case{"-2147483648", true, -2147483647 - 1},
          Case{"2147483648", false, 0}, Case{"99999999999999999999", false, 0}, Case{"", false, 0},
          Case{"-", false, 0}, Case{"1x", false, 0}, Case{" 1", false, 0}, Case{"1.5", false, 0},
          Case{"t", false, 0}}) {
        int value = 0;
        EXPECT_EQ(parseNumber(c.text, value), c.ok) << c.text;
        if (c.ok) {
            EXPECT_EQ(value, c.value) << c.text;
        }
    }
}

TEST(Fields, ErrorNamesTheFieldButStaysShort) {
    try {
        FieldReader(std::string(5000, 'x')).number();
        FAIL();
    } catch (const FieldError& e) {
        EXPECT_LT(std::string(e.what()).size(), 100u);
        EXPECT_NE(std::string(e.what()).find("is not a valid integer value"), std::string::npos);
    }
}

}  // namespace
}  // namespace tess::wire
