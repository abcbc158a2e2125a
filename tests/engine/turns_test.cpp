#include "tests/engine/harness.h"

namespace tess::testing {
namespace {

using Turns = EngineTest;

TEST_F(Turns, ClockDrawsForThePlayerAfterTimePerTurnPlusFour) {
    start({}, "You+100+30+");
    out.clear();
    clock.advance(33'999);
    EXPECT_TRUE(out.withWord("CMD_ending").empty());
    clock.advance(1);
    // Seat 1 drew card 19 into position 8 without moving: the pot rises from 2 to 3.
    EXPECT_EQ(out.to(1), (std::vector<std::string>{"CMD_ending+1+8+19+3+|"}));
    EXPECT_FALSE(clock.running(Timer::turn));
    clock.advance(999);
    EXPECT_TRUE(out.withWord("CMD_nextplayer").empty());
    clock.advance(1);
    EXPECT_EQ(out.to(1).back(), "CMD_nextplayer+2+|");
}

TEST_F(Turns, DrawnCardIsShownOnlyToItsOwner) {
    out.slots = {1, 3, 5};
    out.humans = {1, 3};
    start();
    table().seats[1].hand[2] = 0;
    out.clear();

    dispatch(engine, "CMD_endturn+1+");
    const int card = table().seats[1].hand[2];
    ASSERT_NE(card, 0);
    const std::string others = "CMD_ending+1+0+0+4+|";
    EXPECT_EQ(out.sent, (std::vector<Sent>{{1, "CMD_ending+1+2+" + std::to_string(card) + "+4+|"},
                                           {3, others},
                                           {5, others}}));
}

TEST_F(Turns, DrawAfterAMoveLeavesThePot) {
    start();
    clearTable();
    setHand(1, {{1, 5}, {2, 6}});
    dispatch(engine, "CMD_handplay+1+1+1+");
    dispatch(engine, "CMD_endturn+1+");
    EXPECT_EQ(table().pot, 2);
    EXPECT_EQ(out.to(1).back(), "CMD_ending+1+1+19+2+|");
}

TEST_F(Turns, DrawsOnlyInsideARunningTurn) {
    start();
    dispatch(engine, "CMD_endturn+2+");  // not the current seat
    dispatch(engine, "CMD_endturn+0+");
    dispatch(engine, "CMD_endturn+5+");
    EXPECT_TRUE(out.withWord("CMD_ending").empty());
    dispatch(engine, "CMD_endturn+1+");
    dispatch(engine, "CMD_endturn+1+");  // the break after a draw
    EXPECT_EQ(out.withWord("CMD_ending").size(), 1u);
    EXPECT_EQ(table().cardsTaken, 19);
}

TEST_F(Turns, DrawIntoAFullHandTakesNoCard) {
    out.slots = {1, 5};
    start();
    for (int pos = 1; pos <= handSize; ++pos)
        table().seats[1].hand[pos] = pos;
    out.clear();
    dispatch(engine, "CMD_endturn+1+");
    EXPECT_EQ(table().cardsTaken, 18);
    EXPECT_EQ(out.sent,
              (std::vector<Sent>{{1, "CMD_ending+1+0+0+3+|"}, {5, "CMD_ending+1+0+0+3+|"}}));
    clock.advance(1000);
    EXPECT_EQ(out.to(1).back(), "CMD_nextplayer+2+|");
}

TEST_F(Turns, PlayedOutHandTakesThePotWithKingsAtTen) {
    out.slots = out.humans = {1, 3};
    start();  // pot 3
    clearTable();
    setHand(1, {{6, 5}});
    setHand(2, {{1, 13}, {4, 2}});
    setHand(3, {{9, 3}, {10, 4}});
    out.clear();

    dispatch(engine, "CMD_handplay+1+6+1+");
    EXPECT_EQ(out.to(1),
              (std::vector<std::string>{"CMD_playhand+1+1+1+5+6+|", "CMD_endround+1+16+16+|"}));
    EXPECT_EQ(table().pot, 0);
    EXPECT_FALSE(clock.running(Timer::turn));
    clock.advance(13'999);
    EXPECT_TRUE(out.withWord("CMD_roundstart").empty());
    clock.advance(1);
    EXPECT_EQ(out.to(1)[2], "CMD_roundstart+2+3+1+t+2+t+3+t+4+f|");
    EXPECT_EQ(out.to(1).back(), "CMD_nextplayer+2+|");  // after the seat that ended the round
}

TEST_F(Turns, ExhaustedPileRollsThePotOver) {
    out.slots = {1, 5};
    start();
    table().cardsTaken = deckSize;
    table().pot = 7;
    out.clear();
    dispatch(engine, "CMD_endturn+1+");
    EXPECT_EQ(out.sent, (std::vector<Sent>{{1, "CMD_nomorecards+|"}, {5, "CMD_nomorecards+|"}}));
    EXPECT_EQ(table().pot, 7);
    EXPECT_FALSE(clock.running(Timer::turn));
    clock.advance(14'000);
    EXPECT_EQ(out.to(1)[1], "CMD_roundstart+2+9+1+t+2+t+3+f+4+f|");
}

TEST_F(Turns, WinnerComesWithTheNextRoundStart) {
    start({}, "You+50+60+");
    clearTable();
    table().seats[1].score = 45;
    table().pot = 10;
    setHand(1, {{1, 5}});
    setHand(2, {});
    dispatch(engine, "CMD_handplay+1+1+1+");
    EXPECT_EQ(out.to(1).back(), "CMD_endround+1+10+55+|");
    out.clear();
    clock.advance(13'999);
    EXPECT_TRUE(out.sent.empty());
    clock.advance(1);
    EXPECT_EQ(out.to(1), (std::vector<std::string>{"CMD_winner+1+|"}));
    EXPECT_FALSE(table().inProgress);

    // The table stays as it was, but nobody can move on it any more.
    table().seats[1].hand[3] = 6;
    out.clear();
    for (const char* line : {"CMD_handplay+1+3+2+", "CMD_endturn+1+", "CMD_handfound+1+3+1+"})
        dispatch(engine, line);
    clock.advance(3'600'000);
    EXPECT_TRUE(out.sent.empty());
    EXPECT_EQ(table().seats[1].hand[3], 6);
}

TEST_F(Turns, TieGoesToTheLowerSeat) {
    out.slots = out.humans = {1, 3};
    start({}, "You+50+60+");
    table().seats[1].score = 60;
    table().seats[3].score = 70;
    out.clear();
    engine.startround();
    EXPECT_EQ(out.to(1), (std::vector<std::string>{"CMD_winner+1+|"}));
}

TEST_F(Turns, BotStepCutShortByTheClockNeverComes) {
    out.botSpeed = 6000;
    start({5, 20, 33, 48, 1, 2, 3, 4, 6, 7, 8, 13, 26, 39, 52, 9, 10, 11}, "You+100+1+");
    dispatch(engine, "CMD_endturn+1+");
    clock.advance(1000);
    ASSERT_EQ(out.to(1).back(), "CMD_nextplayer+2+|");
    clock.advance(5000);  // the turn clock runs out before the bot's first step
    EXPECT_EQ(out.withWord("CMD_ending").back().text, "CMD_ending+2+0+0+4+|");
    clock.advance(6000);
    EXPECT_TRUE(out.withWord("CMD_foundcard").empty());
    EXPECT_EQ(table().seats[2].cardsHeld(), 8);
}

TEST_F(Turns, PassingTheTurnWhenItsPlayerLeaves) {
    out.slots = out.humans = {1, 3};
    start();
    EXPECT_FALSE(engine.passTurnFrom(3));  // not his turn
    EXPECT_TRUE(engine.passTurnFrom(1));
    EXPECT_EQ(out.to(1).back(), "CMD_nextplayer+2+|");
    dispatch(engine, "CMD_endturn+2+");
    EXPECT_FALSE(engine.passTurnFrom(2));  // the break passes it anyway
    clock.advance(1000);
    EXPECT_EQ(out.to(1).back(), "CMD_nextplayer+3+|");
    EXPECT_EQ(out.withWord("CMD_nextplayer").size(), 6u);  // three turns, two slots
}

}  // namespace
}  // namespace tess::testing
