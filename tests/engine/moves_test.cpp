#include "tests/engine/harness.h"

namespace tess::testing {
namespace {

// Black: clubs 1-13, spades 27-39. Red: hearts 14-26, diamonds 40-52.
// clang-format off
enum : int {
    bA = 1, b4 = 4, b5 = 5, b6 = 6, b7 = 7, b9 = 9, bQ = 12, bK = 13,
    rA = 14, r5 = 18, r6 = 19, r7 = 20, r8 = 21, r10 = 23, rQ = 25, rK = 26,
};
// clang-format on

struct MoveCase {
    const char* name;
    std::vector<std::pair<int, int>> hand;  // seat 1: position -> card
    std::array<std::vector<int>, 4> tabs;
    std::array<int, 4> foundations;
    std::string request;
    std::string announced;  // "" when refused
    std::string refusal;    // the text shown to the hosting user, "" when silent
};

// clang-format off
const MoveCase moveCases[] = {
    // A hand card onto a tab spot.
    {"handplay onto empty spot", {{3, b5}}, {{{}, {r6}, {}, {}}}, {}, "CMD_handplay+1+3+1+",
     "CMD_playhand+1+1+1+5+3+|", ""},
    {"king onto empty spot", {{2, bK}}, {{{}, {}, {}, {}}}, {}, "CMD_handplay+1+2+4+",
     "CMD_playhand+1+4+1+13+2+|", ""},
    {"other colour one lower", {{3, b5}}, {{{}, {r6}, {}, {}}}, {}, "CMD_handplay+1+3+2+",
     "CMD_playhand+1+2+2+5+3+|", ""},
    {"same colour", {{3, b5}}, {{{b6}, {}, {}, {}}}, {}, "CMD_handplay+1+3+1+", "", "match"},
    {"two lower", {{3, b5}}, {{{r7}, {}, {}, {}}}, {}, "CMD_handplay+1+3+1+", "", ""},
    {"empty hand position", {{3, b5}}, {{{r6}, {}, {}, {}}}, {}, "CMD_handplay+1+4+1+", "",
     "noplay"},
    {"queen onto king", {{1, rQ}}, {{{bK}, {}, {}, {}}}, {}, "CMD_handplay+1+1+1+", "",
     "move king first"},
    {"king's colour onto king", {{1, bQ}}, {{{bK}, {}, {}, {}}}, {}, "CMD_handplay+1+1+1+", "",
     "match"},

    // A pile onto another tab spot.
    {"9-8-7 onto a red 10", {}, {{{b9, r8, b7}, {r10}, {}, {}}}, {}, "CMD_tabplay+1+1+2+",
     "CMD_playtab+1+1+2+23+7+4+|", ""},
    {"pile onto empty spot", {}, {{{bK}, {}, {}, {}}}, {}, "CMD_tabplay+1+1+3+",
     "CMD_playtab+1+1+3+13+13+1+|", ""},
    {"empty source", {}, {{{}, {r10}, {}, {}}}, {}, "CMD_tabplay+1+1+2+", "", "noplay"},
    {"onto a king", {}, {{{rQ}, {bK}, {}, {}}}, {}, "CMD_tabplay+1+1+2+", "",
     "move king first"},
    {"pile of the same colour", {}, {{{b9}, {b4, b5, bA}, {}, {}}}, {}, "CMD_tabplay+1+1+2+",
     "", ""},
    {"pile one too low", {}, {{{b7}, {r10}, {}, {}}}, {}, "CMD_tabplay+1+1+2+", "", ""},
    {"empty spot onto itself", {}, {{{}, {}, {}, {}}}, {}, "CMD_tabplay+1+1+1+", "", "noplay"},
    {"pile onto itself", {}, {{{r10, b9}, {}, {}, {}}}, {}, "CMD_tabplay+1+1+1+", "", ""},
    {"lone king onto itself", {}, {{{bK}, {}, {}, {}}}, {}, "CMD_tabplay+1+1+1+", "", ""},

    // A hand card onto a foundation.
    {"king starts a foundation", {{4, bK}}, {}, {0, 0, 0, 0}, "CMD_handfound+1+4+1+",
     "CMD_foundcard+1+1+13+4+|", ""},
    {"non-king on empty foundation", {{4, bQ}}, {}, {0, 0, 0, 0}, "CMD_handfound+1+4+1+", "",
     ""},
    {"card onto foundation", {{4, bQ}}, {}, {0, rK, 0, 0}, "CMD_handfound+1+4+2+",
     "CMD_foundcard+1+2+12+4+|", ""},
    {"same colour onto foundation", {{4, bQ}}, {}, {0, bK, 0, 0}, "CMD_handfound+1+4+2+", "",
     ""},
    {"closed foundation", {{4, bK}}, {}, {0, 0, rA, 0}, "CMD_handfound+1+4+3+", "", "Ace"},
    {"empty hand onto closed foundation", {}, {}, {rA, 0, 0, 0}, "CMD_handfound+1+4+1+", "",
     "Ace"},
    {"empty hand position onto foundation", {}, {}, {rK, 0, 0, 0}, "CMD_handfound+1+4+1+", "",
     ""},

    // A pile onto a foundation.
    {"lone king starts a foundation", {}, {{{}, {rK}, {}, {}}}, {0, 0, 0, 0},
     "CMD_tabfound+1+2+1+", "CMD_foundtab+1+1+26+2+26+|", ""},
    {"6-5-4 onto a red 7", {}, {{{}, {b6, r5, b4}, {}, {}}}, {0, 0, r7, 0},
     "CMD_tabfound+1+2+3+", "CMD_foundtab+1+3+4+2+0+|", ""},
    {"queen pile onto empty foundation", {}, {{{bQ}, {}, {}, {}}}, {0, 0, 0, 0},
     "CMD_tabfound+1+1+1+", "", ""},
    {"pile onto closed foundation", {}, {{{bK}, {}, {}, {}}}, {bA, 0, 0, 0},
     "CMD_tabfound+1+1+1+", "", "Ace 1"},
    {"empty spot onto foundation", {}, {{{}, {}, {}, {}}}, {rK, 0, 0, 0}, "CMD_tabfound+1+1+1+",
     "", "no card on tab"},

    // Requests for another seat, or with numbers out of range, touch nothing.
    {"not the current seat", {{3, b5}}, {{{r6}, {}, {}, {}}}, {}, "CMD_handplay+2+3+1+", "",
     ""},
    {"seat 0", {{3, b5}}, {{{r6}, {}, {}, {}}}, {}, "CMD_handplay+0+3+1+", "", ""},
    {"seat 5", {{3, b5}}, {{{r6}, {}, {}, {}}}, {}, "CMD_handplay+5+3+1+", "", ""},
    {"hand position 0", {{3, b5}}, {{{}, {}, {}, {}}}, {}, "CMD_handplay+1+0+1+", "", ""},
    {"hand position 26", {{3, b5}}, {{{}, {}, {}, {}}}, {}, "CMD_handplay+1+26+1+", "", ""},
    {"tab spot 0", {{3, b5}}, {{{}, {}, {}, {}}}, {}, "CMD_handplay+1+3+0+", "", ""},
    {"tab spot 5", {}, {{{bK}, {}, {}, {}}}, {}, "CMD_tabplay+1+1+5+", "", ""},
    {"foundation 5", {{4, bK}}, {}, {0, 0, 0, 0}, "CMD_handfound+1+4+5+", "", ""},
    {"foundation 0", {}, {{{bK}, {}, {}, {}}}, {0, 0, 0, 0}, "CMD_tabfound+1+1+0+", "", ""},
};
// clang-format on

void PrintTo(const MoveCase& c, std::ostream* os) { *os << c.request << " (" << c.name << ")"; }

class MoveRules : public EngineTest, public ::testing::WithParamInterface<MoveCase> {};

// Everything a move may touch, to show that refusals leave the table alone.
std::vector<int> snapshot(const TableState& t) {
    std::vector<int> s;
    for (int seat = 1; seat <= seatCount; ++seat)
        s.insert(s.end(), t.seats[seat].hand.begin(), t.seats[seat].hand.end());
    for (int spot = 1; spot <= spotCount; ++spot) {
        s.insert(s.end(), t.tabs[spot].cards.begin(), t.tabs[spot].cards.end());
        s.push_back(t.tabs[spot].count);
        s.push_back(t.foundations[spot]);
    }
    s.push_back(t.movedThisTurn);
    return s;
}

TEST_P(MoveRules, JudgedAndAnnounced) {
    const MoveCase& c = GetParam();
    out.slots = {1, 2, 7};
    out.humans = {1, 2};
    start();
    setHand(1, c.hand);
    for (int spot = 1; spot <= spotCount; ++spot) {
        setTab(spot, c.tabs[spot - 1]);
        table().foundations[spot] = c.foundations[spot - 1];
    }
    setHand(2, {{1, b9}});
    // A move that empties the hand would end the round; keep a spare card.
    table().seats[1].hand[25] = r8;
    out.clear();
    const std::vector<int> before = snapshot(table());

    dispatch(engine, c.request);

    if (c.announced.empty()) {
        EXPECT_TRUE(out.sent.empty()) << out.sent.front().text;
        EXPECT_EQ(snapshot(table()), before);
    } else {
        // Everybody hears of it, in slot order.
        ASSERT_EQ(out.sent.size(), 3u);
        EXPECT_EQ(out.sent[0], (Sent{1, c.announced}));
        EXPECT_EQ(out.sent[1], (Sent{2, c.announced}));
        EXPECT_EQ(out.sent[2], (Sent{7, c.announced}));
        EXPECT_TRUE(table().movedThisTurn);
    }
    if (c.refusal.empty())
        EXPECT_TRUE(out.refusals.empty()) << out.refusals.front().text;
    else
        EXPECT_EQ(out.refusals, (std::vector<Refusal>{{c.refusal, 1, false}}));
}

INSTANTIATE_TEST_SUITE_P(Table, MoveRules, ::testing::ValuesIn(moveCases), [](const auto& info) {
    std::string name = info.param.name;
    for (char& ch : name)
        if (!isalnum(static_cast<unsigned char>(ch))) ch = '_';
    return name;
});

using Moves = EngineTest;

TEST_F(Moves, AcceptedMovesChangeExactlyTheirTwoPlaces) {
    start();
    clearTable();
    setHand(1, {{1, b9}, {2, r8}, {3, bK}, {5, b6}});
    setTab(1, {r10});
    setTab(2, {b7});
    table().foundations[1] = r7;

    dispatch(engine, "CMD_handplay+1+1+1+");   // 9 on the 10
    dispatch(engine, "CMD_handplay+1+2+1+");   // 8 on the 9
    dispatch(engine, "CMD_tabfound+1+1+1+");   // rejected: 10 does not fit a 7
    dispatch(engine, "CMD_handfound+1+5+1+");  // 6 on the foundation's 7
    dispatch(engine, "CMD_tabplay+1+2+1+");    // 7 onto the 8
    EXPECT_EQ(table().tabs[1].count, 4);
    EXPECT_EQ(table().tabs[1].top(), b7);
    EXPECT_EQ(table().tabs[2].count, 0);
    EXPECT_EQ(table().foundations[1], b6);
    EXPECT_EQ(table().seats[1].cardsHeld(), 1);
    EXPECT_EQ(table().seats[1].hand[3], bK);
}

TEST_F(Moves, MalformedNumbersEndTheHandlerBeforeAnyChange) {
    start();
    setHand(1, {{3, b5}});
    setTab(1, {r6});
    out.clear();
    EXPECT_THROW(engine.handplay("1+x+1+"), wire::FieldError);
    EXPECT_THROW(engine.tabplay("1+1+"), wire::FieldError);
    EXPECT_THROW(engine.endturn("one+"), wire::FieldError);
    // Fields after a seat that is not current are not read at all.
    EXPECT_NO_THROW(engine.handfound("2+x+y+"));
    EXPECT_TRUE(out.sent.empty());
    EXPECT_EQ(table().tabs[1].count, 1);
}

TEST_F(Moves, NothingMovesBeforeTheFirstGame) {
    for (const char* line : {"CMD_handplay+0+1+1+", "CMD_tabplay+0+1+2+", "CMD_handfound+0+1+1+",
                             "CMD_tabfound+0+1+1+", "CMD_endturn+0+", "CMD_handplay+1+1+1+"})
        dispatch(engine, line);
    EXPECT_TRUE(out.sent.empty());
    EXPECT_TRUE(out.refusals.empty());
    EXPECT_EQ(table().cardsTaken, 0);
}

}  // namespace
}  // namespace tess::testing
