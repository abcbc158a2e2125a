#include "engine/bot.h"
#include "tests/engine/harness.h"

namespace tess::testing {
namespace {

struct BotCase {
    const char* name;
    std::vector<std::pair<int, int>> hand;  // position -> card
    std::array<std::vector<int>, 4> tabs;
    std::array<int, 4> foundations;
    std::optional<BotMove> expected;
};

constexpr int aces[] = {1, 14, 27, 40};  // nothing fits on an ace

// clang-format off
const BotCase botCases[] = {
    {"king from the hand first", {{1, 9}, {3, 13}}, {{{23}, {1}, {14}, {27}}}, {26, 0, 0, 0},
     BotMove{BotMove::handToFoundation, 3, 2}},
    {"king from a tab spot", {{1, 5}}, {{{19}, {1}, {13}, {27}}}, {},
     BotMove{BotMove::tabToFoundation, 3, 1}},
    {"hand card onto a tab spot before an empty one", {{1, 5}}, {{{19}, {}, {1}, {27}}}, {},
     BotMove{BotMove::handToTab, 1, 1}},
    {"queen, 7 and 6: the 7 starts the empty spot", {{1, 12}, {3, 7}, {4, 6}},
     {{{1}, {}, {27}, {40}}}, {}, BotMove{BotMove::handToTab, 3, 2}},
    {"9 and 4: the 9", {{1, 9}, {2, 4}}, {{{1}, {}, {27}, {40}}}, {},
     BotMove{BotMove::handToTab, 1, 2}},
    {"5 and an ace: the ace", {{1, 5}, {2, 14}}, {{{1}, {}, {27}, {40}}}, {},
     BotMove{BotMove::handToTab, 2, 2}},
    {"lowest empty spot, highest card among equals", {{4, 8}, {2, 21}}, {{{1}, {27}, {}, {}}},
     {}, BotMove{BotMove::handToTab, 2, 3}},
    {"empty hand, empty spot: draw", {}, {{{1}, {}, {27}, {40}}}, {}, std::nullopt},
    {"pile onto a pile", {{1, 2}}, {{{9, 21}, {23}, {1}, {40}}}, {},
     BotMove{BotMove::tabToTab, 1, 2}},
    {"hand card onto a foundation", {{1, 12}}, {{{1}, {14}, {27}, {40}}}, {26, 0, 0, 0},
     BotMove{BotMove::handToFoundation, 1, 1}},
    {"pile onto a foundation", {{1, 2}}, {{{12, 24}, {14}, {27}, {40}}}, {26, 0, 0, 0},
     BotMove{BotMove::tabToFoundation, 1, 1}},
    {"nothing to do", {{1, 2}}, {{{1}, {14}, {27}, {40}}}, {26, 0, 0, 0}, std::nullopt},
};
// clang-format on

void PrintTo(const BotCase& c, std::ostream* os) { *os << c.name; }

class BotChoice : public ::testing::TestWithParam<BotCase> {};

TEST_P(BotChoice, PicksTheFirstCandidateInOrder) {
    const BotCase& c = GetParam();
    TableState t;
    for (auto [pos, card] : c.hand)
        t.seats[2].hand[pos] = card;
    for (int spot = 1; spot <= spotCount; ++spot) {
        for (int card : c.tabs[spot - 1])
            t.tabs[spot].push(card);
        t.foundations[spot] = c.foundations[spot - 1];
    }
    const std::optional<BotMove> move = chooseBotMove(t, 2);
    ASSERT_EQ(move.has_value(), c.expected.has_value());
    if (move) {
        EXPECT_EQ(move->kind, c.expected->kind);
        EXPECT_EQ(move->from, c.expected->from);
        EXPECT_EQ(move->to, c.expected->to);
    }
}

INSTANTIATE_TEST_SUITE_P(Table, BotChoice, ::testing::ValuesIn(botCases), [](const auto& info) {
    std::string name = info.param.name;
    for (char& ch : name)
        if (!isalnum(static_cast<unsigned char>(ch))) ch = '_';
    return name;
});

class BotSteps : public EngineTest {
protected:
    // Seat 1 draws at once; seat 2's turn begins a second later.
    void startBotTurn(std::vector<std::pair<int, int>> hand, std::array<std::vector<int>, 4> tabs) {
        start();
        dispatch(engine, "CMD_endturn+1+");
        clock.advance(1000);
        ASSERT_EQ(out.to(1).back(), "CMD_nextplayer+2+|");
        setHand(2, hand);
        for (int spot = 1; spot <= spotCount; ++spot)
            setTab(spot, tabs[spot - 1]);
        out.clear();
    }
};

TEST_F(BotSteps, BotWithoutAMoveDrawsOneIntervalAfterItsTurnBegins) {
    for (int speed : {500, 1000, 2000}) {
        out.botSpeed = speed;
        startBotTurn({{1, 2}}, {{{aces[0]}, {aces[1]}, {aces[2]}, {aces[3]}}});
        clock.advance(speed - 1);
        EXPECT_TRUE(out.sent.empty()) << speed;
        clock.advance(1);
        EXPECT_EQ(out.to(1), (std::vector<std::string>{"CMD_ending+2+0+0+4+|"})) << speed;
        clock.advance(1000);
        EXPECT_EQ(out.to(1).back(), "CMD_nextplayer+1+|");
    }
}

TEST_F(BotSteps, FastBotWithFourMovesDrawsAfterTwoAndAHalfSeconds) {
    out.botSpeed = 500;
    startBotTurn({{1, 9}, {2, 21}, {3, 33}, {4, 26}, {5, 2}}, {{{23}, {40}, {1}, {27}}});
    clock.advance(2499);
    EXPECT_EQ(out.to(1), (std::vector<std::string>{
                             "CMD_foundcard+2+1+26+4+|",
                             "CMD_playhand+2+1+2+9+1+|",
                             "CMD_playhand+2+1+3+21+2+|",
                             "CMD_playhand+2+1+4+33+3+|",
                         }));
    clock.advance(1);
    EXPECT_EQ(out.to(1).back(), "CMD_ending+2+0+0+3+|");  // it moved: no pot point
}

TEST_F(BotSteps, RefusedBotMoveIsReportedAndEndsItsSteps) {
    startBotTurn({{1, 12}}, {{{26}, {1}, {14}, {27}}});
    for (int f = 1; f <= spotCount; ++f)
        table().foundations[f] = 11 + 13 * (f - 1);  // jacks
    clock.advance(1000);
    EXPECT_EQ(out.refusals, (std::vector<Refusal>{{"move king first", 2, true}}));
    EXPECT_FALSE(clock.running(Timer::computer));
    clock.advance(62'000);
    EXPECT_TRUE(out.withWord("CMD_ending").empty());
    clock.advance(1000);  // 64 s after the turn began the clock draws for the bot
    EXPECT_EQ(out.to(1).back(), "CMD_ending+2+0+0+4+|");
}

TEST_F(BotSteps, ReturningPlayerTakesOverBeforeThePendingStep) {
    startBotTurn({{1, 2}}, {{{aces[0]}, {aces[1]}, {aces[2]}, {aces[3]}}});
    out.humans.insert(2);
    clock.advance(5000);
    EXPECT_TRUE(out.sent.empty());
    EXPECT_EQ(table().currentSeat, 2);
}

TEST_F(BotSteps, JustWatchingSeatIsPlayedByTheBot) {
    out.slots = out.humans = {1, 3};
    start();
    engine.setJustWatching(1, true);
    EXPECT_TRUE(engine.isBotPlayed(1));
    EXPECT_TRUE(engine.isBotPlayed(2));
    EXPECT_FALSE(engine.isBotPlayed(3));
    EXPECT_FALSE(engine.isBotPlayed(0));
    engine.checkforcomputer(1);
    EXPECT_TRUE(clock.running(Timer::computer));
    clock.advance(1000);
    EXPECT_FALSE(out.withWord("CMD_ending").empty() && out.withWord("CMD_playhand").empty() &&
                 out.withWord("CMD_foundcard").empty());
}

}  // namespace
}  // namespace tess::testing
