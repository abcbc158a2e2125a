// The strong bot: its plans are legal and sound, and it plays fair: what it does depends
// only on what its seat can see.
#include <algorithm>

#include "engine/bot.h"
#include "engine/strong_bot.h"
#include "strategy/turn_planner.h"
#include "tests/engine/harness.h"

namespace tess::testing {
namespace {

using Hand = std::vector<std::pair<int, int>>;

// A view of seat 2 with the given hand and table; seat 1 holds `opponentCards`.
PlayerView viewOf(const Hand& hand, const std::array<std::pair<int, int>, 4>& tabs,
                  const std::array<int, 4>& foundations, int opponentCards) {
    PlayerView v;
    v.seat = 2;
    for (auto [pos, card] : hand)
        v.hand[pos] = card;
    for (int i = 0; i < 4; ++i) {
        v.tabFirst[i + 1] = tabs[i].first;
        v.tabLast[i + 1] = tabs[i].second;
        v.foundations[i + 1] = foundations[i];
    }
    v.playing[1] = v.playing[2] = true;
    v.cardsHeld[1] = opponentCards;
    v.cardsHeld[2] = v.handCount();
    return v;
}

// Plays the plan on the view, checking each move before it is made.
PlayerView playOut(PlayerView v, const std::vector<BotMove>& plan) {
    for (const BotMove& m : plan) {
        EXPECT_TRUE(legalMove(v, m)) << "move " << m.kind << " " << m.from << "->" << m.to;
        v = afterMove(v, m);
    }
    return v;
}

TEST(StrongPlan, FreesASpotByMovingAPileAndPlaysOutTheHand) {
    // The 8 on spot 1 goes onto the 9 of spot 2; the queen starts spot 1, the jack
    // follows. Nothing else fits anywhere.
    const PlayerView v =
        viewOf({{3, 12}, {7, 24}}, {{{21, 21}, {9, 9}, {1, 1}, {40, 40}}}, {0, 0, 0, 0}, 5);
    const PlayerView after = playOut(v, planTurn(v));
    EXPECT_EQ(after.handCount(), 0);
}

TEST(StrongPlan, LeavesNoEmptySpotToAPlayerAboutToPlayOut) {
    // Nothing fits on the aces; the next player holds one card and would put it on an
    // empty spot.
    const PlayerView v =
        viewOf({{1, 12}, {2, 2}}, {{{1, 1}, {27, 27}, {0, 0}, {14, 14}}}, {0, 0, 0, 0}, 1);
    const PlayerView after = playOut(v, planTurn(v));
    // (It may even play both: the 2 on the empty spot takes the ace of spot 4, whose
    // spot then takes the queen.)
    for (int spot = 1; spot <= 4 && after.handCount() > 0; ++spot)
        EXPECT_NE(after.tabFirst[spot], 0) << spot;
}

// The same position for seat 2 on two tables that differ only in what seat 2 cannot see.
class StrongFairness : public EngineTest {
protected:
    // Seat 2's turn on a set table, with `otherHand` for seat 1.
    void setUpTurn(const Hand& otherHand, bool reverseDeck) {
        random.reseed(7);
        start();
        clearTable();
        setTab(1, {22});
        setTab(2, {6});
        setTab(4, {39});
        table().foundations[1] = 13;
        setHand(2, {{1, 8}, {2, 47}, {3, 18}, {5, 4}, {6, 51}, {9, 2}, {12, 30}, {13, 45}});
        setHand(1, otherHand);
        if (reverseDeck)
            std::reverse(table().deck.begin() + table().cardsTaken + 1, table().deck.end());
        table().currentSeat = 2;
        table().movedThisTurn = false;
        out.clear();
    }

    // Everything seat 1's client hears of the strong bot's turn, until it draws.
    std::vector<std::string> botTurn(const Hand& otherHand, bool reverseDeck) {
        out.botLevelAll = BotLevel::strong;
        setUpTurn(otherHand, reverseDeck);
        for (int step = 0; step < 30 && table().currentSeat == 2 && !table().inBreak; ++step)
            engine.computerplay(2);
        EXPECT_TRUE(table().inBreak) << "the bot did not finish its turn";
        EXPECT_TRUE(out.refusals.empty());
        return out.to(1);
    }
};

bool isMove(const std::string& text) {
    for (const char* word : {"CMD_playhand", "CMD_playtab", "CMD_foundcard", "CMD_foundtab"})
        if (text.starts_with(word)) return true;
    return false;
}

TEST_F(StrongFairness, ChoosesTheSameMovesWhateverTheOtherHandsAndTheDeck) {
    const std::vector<std::string> seen = botTurn({{1, 10}, {2, 11}, {4, 23}}, false);
    // Another hand of the same size for seat 1, and another deck order.
    EXPECT_EQ(botTurn({{1, 40}, {3, 41}, {4, 3}}, false), seen);
    EXPECT_EQ(botTurn({{1, 10}, {2, 11}, {4, 23}}, true), seen);
    EXPECT_EQ(botTurn({{2, 25}, {6, 7}, {7, 33}}, true), seen);
    // A real turn with several moves: the king, cards onto piles and a foundation.
    EXPECT_GE(std::count_if(seen.begin(), seen.end(), isMove), 4);
    EXPECT_TRUE(seen.back().starts_with("CMD_ending+2+0+0+")) << seen.back();
}

// The host's level reaches the bot from its next step on: a strong turn switched to
// classic goes on with the classic bot's choice on the table as it now stands.
TEST_F(StrongFairness, LevelAppliesFromTheNextStep) {
    out.botLevelAll = BotLevel::strong;
    setUpTurn({{1, 10}, {2, 11}, {4, 23}}, false);
    engine.computerplay(2);
    ASSERT_EQ(out.to(1).size(), 1u);
    // The classic bot would have begun with the king on tab spot 4.
    EXPECT_NE(out.to(1).front(), "CMD_foundtab+2+2+39+4+39+|");

    out.botLevelAll = BotLevel::classic;
    const std::optional<BotMove> classic = chooseBotMove(table(), 2);
    ASSERT_TRUE(classic);
    out.clear();
    engine.computerplay(2);
    ASSERT_EQ(out.to(1).size(), 1u);
    static const char* const words[] = {"CMD_playhand+2+", "CMD_playtab+2+", "CMD_foundcard+2+",
                                        "CMD_foundtab+2+"};
    const std::string where =
        classic->kind == BotMove::tabToTab
            ? std::to_string(classic->from) + "+" + std::to_string(classic->to)
            : std::to_string(classic->to);
    EXPECT_TRUE(out.to(1).front().starts_with(words[classic->kind] + where + "+"))
        << out.to(1).front();
}

}  // namespace
}  // namespace tess::testing
