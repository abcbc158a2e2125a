#include <gtest/gtest.h>

#include <algorithm>
#include <random>

#include "tests/client/table_harness.h"
#include "wire/commands.h"

namespace tess::testing {
namespace {

TEST(TurnCountdown, SizesTheBarFromTheTimePerTurnWithoutDividingByZero) {
    struct Case {
        int seconds;
        int pixels;
    };
    for (const Case& c : {Case{90, 1}, Case{30, 4}, Case{60, 2}, Case{138, 1}, Case{139, 1},
                          Case{140, 1}, Case{1, 139}, Case{0, 1}, Case{-5, 1}})
        EXPECT_EQ(TurnCountdown::pixelsPerSecond(c.seconds), c.pixels) << c.seconds;
}

TEST(TurnCountdown, WritesMinutesAndTwoDigitSeconds) {
    EXPECT_EQ(TurnCountdown::format(89), "Time: 1:29");
    EXPECT_EQ(TurnCountdown::format(60), "Time: 1:00");
    EXPECT_EQ(TurnCountdown::format(5), "Time: 0:05");
    EXPECT_EQ(TurnCountdown::format(0), "Time: 0:00");
    EXPECT_EQ(TurnCountdown::format(200), "Time: 3:20");
}

class CountdownTable : public ::testing::Test {
protected:
    void turnOf(int seat, int seconds) {
        t.join(1);
        t.model.seatJoined(2, "Ann", false);
        ASSERT_TRUE(t.feed("CMD_startgame+You+100+" + std::to_string(seconds) + "+"));
        ASSERT_TRUE(t.feed("CMD_nextplayer+" + std::to_string(seat) + "+"));
        t.events.clear();
    }
    int timeWarnings() const {
        return static_cast<int>(std::count(t.events.sounds.begin(), t.events.sounds.end(), "time"));
    }
    Table t;
};

TEST_F(CountdownTable, ChangesOnlyOnTicksAndTurnsWhiteNearTheEnd) {
    turnOf(2, 90);
    const TurnCountdown& c = t.model.countdown();
    EXPECT_EQ(c.text(), "TIME:0:00");  // the first second keeps the old look
    EXPECT_EQ(c.barWidth(), 139);
    t.model.turntimerTimer();
    EXPECT_EQ(c.barWidth(), 89);
    EXPECT_EQ(c.text(), "Time: 1:29");
    EXPECT_FALSE(c.white());
    EXPECT_EQ(t.events.lastAreas & areaCountdown, areaCountdown);
    while (t.model.timeleft() > 20)
        t.model.turntimerTimer();
    EXPECT_FALSE(c.white());
    t.model.turntimerTimer();
    EXPECT_EQ(t.model.timeleft(), 19);
    EXPECT_TRUE(c.white());
}

TEST_F(CountdownTable, ThirtySecondsGiveFourPixelsASecond) {
    turnOf(2, 30);
    t.model.turntimerTimer();
    EXPECT_EQ(t.model.countdown().barWidth(), 116);
}

TEST_F(CountdownTable, WarnsTwelveTimesAndRunsOutOnAnotherSeatsTurnQuietly) {
    turnOf(2, 30);
    for (int i = 0; i < 29; ++i)
        t.model.turntimerTimer();
    EXPECT_EQ(timeWarnings(), 12);
    EXPECT_TRUE(t.model.countdown().running());
    t.model.turntimerTimer();
    const TurnCountdown& c = t.model.countdown();
    EXPECT_FALSE(c.running());
    EXPECT_EQ(c.text(), "Time: 0:00");
    EXPECT_EQ(c.barWidth(), 0);
    EXPECT_EQ(t.model.turnseat(), 0);
    EXPECT_EQ(t.events.timer, std::vector<bool>{false});
    EXPECT_EQ(timeWarnings(), 12);
    EXPECT_EQ(t.model.status(), "Ann's time ran out. The turn passes in a moment.");
    t.model.turntimerTimer();  // a late tick of a stopped timer does nothing
    EXPECT_EQ(t.model.timeleft(), 0);
}

TEST_F(CountdownTable, RunningOutOfTheOwnTimeSaysTheTurnPasses) {
    turnOf(1, 30);
    for (int i = 0; i < 30; ++i)
        t.model.turntimerTimer();
    EXPECT_EQ(t.events.sounds.back(), "timeup");
    EXPECT_EQ(t.model.status(), "Your time ran out. Your turn passes in a moment.");
    EXPECT_FALSE(t.model.doneVisible());
    EXPECT_TRUE(t.model.input().canact());  // the host's own limit ends the turn
}

TEST_F(CountdownTable, AnOwnTurnThatEndedOtherwiseNeverTimesUp) {
    turnOf(1, 30);
    ASSERT_TRUE(t.feed("CMD_nomorecards+"));  // the countdown runs on
    for (int i = 0; i < 30; ++i)
        t.model.turntimerTimer();
    EXPECT_EQ(std::count(t.events.sounds.begin(), t.events.sounds.end(), "timeup"), 0);
    EXPECT_EQ(t.model.status(), "No Cards Left, Pot will roll over. Please Wait...");
}

TEST_F(CountdownTable, NoTimePerTurnEndsAtTheFirstTick) {
    turnOf(1, 0);
    EXPECT_EQ(t.model.timePerTurnText(), "Time Per Turn: 0secs");
    t.model.turntimerTimer();
    EXPECT_FALSE(t.model.countdown().running());
    EXPECT_EQ(t.model.countdown().barWidth(), 0);
}

TEST_F(CountdownTable, AHugeTimePerTurnKeepsTheBarInsideItsBox) {
    turnOf(2, 2147483647);
    t.model.turntimerTimer();
    EXPECT_EQ(t.model.countdown().barWidth(), 139);
    EXPECT_EQ(t.model.timeleft(), 2147483646);
}

TEST_F(CountdownTable, ALateJoinerSeesNoCountdownWithFourSecondsOrLessLeft) {
    struct Case {
        int left;
        bool running;
        int timeleft;
    };
    for (const Case& c :
         {Case{4, false, 0}, Case{3, false, 0}, Case{5, true, 1}, Case{94, true, 90}}) {
        Table late;
        late.join(3);
        ASSERT_TRUE(late.feed("CMD_gamestats+3+100+90+" + std::to_string(c.left) + "+2+9+1"));
        EXPECT_EQ(late.model.countdown().running(), c.running) << c.left;
        EXPECT_EQ(late.model.timeleft(), c.timeleft) << c.left;
    }
}

TEST_F(CountdownTable, TheNewTurnSoundPlaysWhenChosen) {
    t.model.setTurnSound(1);
    turnOf(2, 60);
    ASSERT_TRUE(t.feed("CMD_nextplayer+1+"));
    EXPECT_EQ(t.events.sounds, std::vector<std::string>{"turnnew"});
    EXPECT_EQ(t.events.timer, (std::vector<bool>{false, true}));
}

// A table in the middle of a round, seen from seat 1.
void midRound(Table& t) {
    t.join(1, true);
    t.model.seatJoined(1, "You", false);
    ASSERT_TRUE(t.feed("CMD_startgame+You+100+60+"));
    ASSERT_TRUE(t.feed("CMD_roundstart+1+2+1+t+2+t"));
    ASSERT_TRUE(t.feed("CMD_foundcards+1+5+2+18+3+33+4+13"));
    ASSERT_TRUE(t.feed("CMD_mycards+1+1+13+2+4+3+1"));
    ASSERT_TRUE(t.feed("CMD_nextplayer+1+"));
    t.model.input().pressHandCard(2, MoveInput::Button::left);
    t.events.clear();
}

TEST(TableInput, BadLinesLeaveTheTableAsItWas) {
    const std::vector<std::string> lines{
        "CMD_nextplayer+0+",
        "CMD_nextplayer+5+",
        "CMD_nextplayer+x+",
        "CMD_nextplayer+99999999999+",
        "CMD_nextplayer+",
        "CMD_nextplayer+-1+",
        "CMD_startgame+You+-5+60+",
        "CMD_startgame+You+abc+60+",
        "CMD_startgame+You+100",
        "CMD_roundstart+2+3+1+t+5+t",
        "CMD_roundstart+2+3+1+x",
        "CMD_roundstart+2+3+1",
        "CMD_roundstart+2+-3",
        "CMD_foundcards+1+5+9+3",
        "CMD_foundcards+1+53",
        "CMD_foundcards+1",
        "CMD_mycards+1+26+5",
        "CMD_mycards+1+4+0",
        "CMD_mycards+1+4+53",
        "CMD_mycards+1+4",
        "CMD_mycards+1+4+7+8",
        "CMD_playhand+1+9+1+5+3+",
        "CMD_playhand+1+1+0+5+3+",
        "CMD_playhand+1+1+1+53+3+",
        "CMD_playhand+1+1+1+5+26+",
        "CMD_playhand+1+1+1+5+",
        "CMD_playhand+7+1+1+5+3+",
        "CMD_playtab+1+0+2+5+0+1+",
        "CMD_playtab+1+1+2+5+99+2+",
        "CMD_playtab+1+1+2+5+0+-1+",
        "CMD_foundcard+1+5+13+1+",
        "CMD_foundcard+1+1+13+0+",
        "CMD_foundtab+1+1+13+0+0+",
        "CMD_foundtab+1+1+0+1+0+",
        "CMD_ending+1+26+5+3+",
        "CMD_ending+1+2+60+3+",
        "CMD_ending+1+2+5+-3+",
        "CMD_ending+9+2+5+3+",
        "CMD_endround+1+2+-1+",
        "CMD_endround+0+2+1+",
        "CMD_endround+1+2+",
        "CMD_winner+",
        "CMD_winner+5+",
        "CMD_justwatching+7+1",
        "CMD_justwatching+0+1",
        "CMD_justwatching+x+1",
        "CMD_gamestats+1+100+60+50+2+9+5",
        "CMD_gamestats+1+100+60+50+2+9+1+p+5+1+1+t",
        "CMD_gamestats+1+100+60+50+2+9+1+p+1+26+1+t",
        "CMD_gamestats+1+100+60+50+2+9+1+p+1+2+1+x",
        "CMD_gamestats+1+100+60+50+2+9+1+f+1+53+0+a",
        "CMD_gamestats+1+100+60+50+2+9+1+t+1+5+99+a",
        "CMD_gamestats+1+100+60+50+2+9+1+q+1+5+9+a",
        "CMD_gamestats+1+100+60+50+2+9+1+t+1+5",
        "CMD_gamestats+1+-100+60+50+2+9+1",
    };
    for (const std::string& line : lines) {
        SCOPED_TRACE(line);
        Table t;
        midRound(t);
        const std::string before = snapshot(t.model);
        bool handled = true;
        try {
            handled = t.feed(line);
        } catch (const wire::FieldError&) {
            handled = false;
        }
        EXPECT_FALSE(handled);
        EXPECT_EQ(snapshot(t.model), before);
        EXPECT_EQ(t.events.changes, 0);
        EXPECT_TRUE(t.events.notices.empty());
        EXPECT_TRUE(t.events.sounds.empty());
    }
}

TEST(TableInput, SeatsAndClicksOutOfRangeAreIgnored) {
    Table t;
    midRound(t);
    const std::string before = snapshot(t.model);
    t.model.seatJoined(0, "X", true);
    t.model.seatJoined(5, "X", true);
    t.model.seatLeft(-1);
    t.model.seatLeft(9);
    t.model.input().clickTabSpot(0);
    t.model.input().clickTabSpot(5);
    t.model.input().clickFoundation(-3);
    t.model.input().clickFoundation(5);
    t.model.input().pressHandCard(26, MoveInput::Button::left);
    t.model.input().pressHandCard(9, MoveInput::Button::middle);
    EXPECT_EQ(snapshot(t.model), before);
    EXPECT_TRUE(t.events.sent.empty());
    EXPECT_EQ(&t.model.seat(0), &t.model.seat(1));  // a safe answer, not a crash
    EXPECT_EQ(t.model.tab(7).first, 0);
    EXPECT_EQ(t.model.foundation(0), 0);
}

TEST(TableInput, RandomLinesNeverBreakTheTable) {
    std::mt19937 random(7);
    const std::vector<std::string> fields{"",   "0",  "1",  "2",          "4",          "5", "13",
                                          "25", "26", "52", "53",         "-1",         "t", "f",
                                          "p",  "a",  "x",  "2147483647", "99999999999"};
    std::vector<ClientRoute> modelRoutes;
    for (const ClientRoute& r : clientRoutes())
        if (r.model != nullptr) modelRoutes.push_back(r);
    Table t;
    midRound(t);
    for (int i = 0; i < 20000; ++i) {
        const auto& route = modelRoutes[random() % modelRoutes.size()];
        std::string line = std::string(route.word) + "+";
        const int count = static_cast<int>(random() % 30);
        for (int k = 0; k < count; ++k)
            line += (k == 0 ? "" : "+") + fields[random() % fields.size()];
        try {
            t.feed(line);
        } catch (const wire::FieldError&) {
        }
        if (i % 7 == 0) t.model.turntimerTimer();
        if (i % 11 == 0) t.model.input().clickTabSpot(static_cast<int>(random() % 6));
        if (i % 13 == 0)
            t.model.input().pressHandCard(static_cast<int>(random() % 27), MoveInput::Button::left);
        ASSERT_LE(t.model.hand().size(), HandModel::places);
        ASSERT_GE(t.model.timeleft(), 0);
        for (int seat = 1; seat <= 4; ++seat)
            ASSERT_LE(t.model.seat(seat).fanCount, 25);
    }
}

}  // namespace
}  // namespace tess::testing
