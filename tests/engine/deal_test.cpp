#include <algorithm>

#include "engine/random.h"
#include "tests/engine/harness.h"

namespace tess::testing {
namespace {

// Tab spots get 5, 20, 33, 48; seat 1 the next seven, seat 2 the seven after.
const std::vector<int> soloDeck = {5,  20, 33, 48,               // tab spots 1-4
                                   10, 24, 2,  41, 13, 30, 7,    // seat 1
                                   1,  3,  4,  6,  8,  9,  11};  // seat 2

using Deal = EngineTest;

TEST_F(Deal, SoloGameStartSendsExactlyThis) {
    out.slots = {1, 5};  // the host's own client and a spectator
    start(soloDeck);

    EXPECT_EQ(out.to(1), (std::vector<std::string>{
                             "CMD_startgame+You+100+60+|",
                             "CMD_roundstart+1+2+1+t+2+t+3+f+4+f|",
                             "CMD_foundcards+1+5+2+20+3+33+4+48|",
                             "CMD_mycards+1+1+10+2+24+3+2+4+41+5+13+6+30+7+7|",
                             "CMD_nextplayer+1+|",
                         }));
    EXPECT_EQ(out.to(5), (std::vector<std::string>{
                             "CMD_startgame+You+100+60+|",
                             "CMD_roundstart+1+2+1+t+2+t+3+f+4+f|",
                             "CMD_foundcards+1+5+2+20+3+33+4+48|",
                             "CMD_nextplayer+1+|",
                         }));
    // The bot in seat 2 holds its cards without being told.
    EXPECT_EQ(table().seats[2].hand[1], 1);
    EXPECT_EQ(table().seats[2].hand[7], 11);
    EXPECT_EQ(table().cardsTaken, 18);
    EXPECT_TRUE(clock.running(Timer::turn));
    EXPECT_FALSE(clock.running(Timer::computer));
}

TEST_F(Deal, UnreadableSettingsBecomeDefaults) {
    struct Case {
        std::string rest, expected;
    };
    for (const Case& c :
         {Case{"Ann+abc++", "CMD_startgame+Ann+5+90+|"}, Case{"Ann", "CMD_startgame+Ann+5+90+|"},
          Case{"", "CMD_startgame++5+90+|"}, Case{"Ann+150+x9+", "CMD_startgame+Ann+150+90+|"},
          Case{"Ann+ 70+30+", "CMD_startgame+Ann+5+30+|"}}) {
        out.clear();
        start({}, c.rest);
        ASSERT_FALSE(out.sent.empty());
        EXPECT_EQ(out.sent.front().text, c.expected) << c.rest;
    }
}

TEST_F(Deal, WhoPlaysTheRound) {
    struct Case {
        std::set<int> humans;
        std::string roundstart;
        int cardsTaken;
    };
    for (const Case& c : {Case{{1}, "CMD_roundstart+1+2+1+t+2+t+3+f+4+f|", 18},
                          Case{{1, 3}, "CMD_roundstart+1+3+1+t+2+t+3+t+4+f|", 25},
                          Case{{1, 2, 3, 4}, "CMD_roundstart+1+4+1+t+2+t+3+t+4+t|", 32},
                          Case{{1, 4}, "CMD_roundstart+1+3+1+t+2+t+3+f+4+t|", 25}}) {
        out.clear();
        out.humans = out.slots = c.humans;
        start();
        EXPECT_EQ(out.withWord("CMD_roundstart").front().text, c.roundstart);
        EXPECT_EQ(table().cardsTaken, c.cardsTaken);
        // Each human seat that plays gets its own cards, nobody else's.
        for (int seat : c.humans) {
            const auto mine = out.to(seat);
            const int dealt = static_cast<int>(std::count_if(
                mine.begin(), mine.end(), [](auto& t) { return t.rfind("CMD_mycards", 0) == 0; }));
            EXPECT_EQ(dealt, 1) << seat;
        }
    }
}

TEST_F(Deal, ShuffleIsAPermutation) {
    for (int round = 0; round < 20; ++round) {
        engine.shufflecards();
        // Put back what the deal took, then check every card is there once.
        std::vector<int> seen;
        for (int pos = 1; pos <= deckSize; ++pos)
            if (table().deck[pos] != 0) seen.push_back(table().deck[pos]);
        for (int spot = 1; spot <= spotCount; ++spot)
            seen.push_back(table().tabs[spot].first());
        std::sort(seen.begin(), seen.end());
        std::vector<int> all(deckSize);
        for (int i = 0; i < deckSize; ++i)
            all[i] = i + 1;
        EXPECT_EQ(seen, all);
    }
}

TEST(SeededRandomDeal, SeedGivesAKnownDeck) {
    RecordingOutbox out;
    VirtualClock clock;
    SeededRandom random(20261210);
    Engine engine(out, clock, random);
    engine.startgame("You+100+60+");
    EXPECT_EQ(out.withWord("CMD_foundcards").front().text, "CMD_foundcards+1+28+2+13+3+52+4+29|");
    EXPECT_EQ(out.withWord("CMD_mycards").front().text,
              "CMD_mycards+1+1+21+2+17+3+27+4+15+5+37+6+8+7+39|");
}

TEST_F(Deal, PlayToScoreOfZeroEndsTheNextGameAtOnce) {
    // The very first start deals: no seat has played yet.
    start({}, "You+0+60+");
    EXPECT_EQ(out.withWord("CMD_roundstart").size(), 1u);
    EXPECT_TRUE(table().inProgress);

    // The next start finds seat 1 of the last round at 0 points >= 0.
    out.clear();
    start({}, "You+0+60+");
    EXPECT_EQ(out.to(1), (std::vector<std::string>{"CMD_startgame+You+0+60+|", "CMD_winner+1+|"}));
    EXPECT_FALSE(table().inProgress);
    EXPECT_FALSE(clock.running(Timer::turn));
}

TEST_F(Deal, StartDuringAGameStartsAfresh) {
    out.humans = {1, 3};
    out.slots = {1, 3};
    start();
    table().seats[1].score = 40;
    table().seats[3].justWatching = true;
    table().pot = 9;
    clock.start(Timer::breaks, 1000);
    clock.start(Timer::computer, 1000);

    start();
    EXPECT_EQ(table().seats[1].score, 0);
    EXPECT_FALSE(table().seats[3].justWatching);
    EXPECT_EQ(table().pot, 3);
    EXPECT_EQ(table().round, 1);
    EXPECT_EQ(table().currentSeat, 1);
    EXPECT_FALSE(clock.running(Timer::breaks));
    EXPECT_FALSE(clock.running(Timer::computer));
}

TEST_F(Deal, LateJoinerSummary) {
    out.slots = {1, 6};
    start(soloDeck);
    setTab(1, {26, 12, 24});  // king alone would be a different story; any run will do
    setTab(3, {});
    table().foundations[2] = 39;
    table().seats[1].hand[3] = 0;
    table().seats[1].score = 12;

    EXPECT_EQ(engine.mycardsMessage(1), "CMD_mycards+1+1+10+2+24+4+41+5+13+6+30+7+7\xFF");
    EXPECT_EQ(engine.mycardsMessage(3), "");  // not playing
    EXPECT_EQ(engine.mycardsMessage(9), "");
    EXPECT_EQ(readable(engine.gamestatsMessage(6)),
              "CMD_gamestats+6+100+60+64+2+18+1"
              "+p+1+6+12+t+f+1+0+0+a+t+1+26+24+a"
              "+p+2+7+0+t+f+2+39+0+a+t+2+20+0+a"
              "+p+3+0+0+f+f+3+0+0+a+t+3+0+0+a"
              "+p+4+0+0+f+f+4+0+0+a+t+4+48+0+a|");
}

}  // namespace
}  // namespace tess::testing
