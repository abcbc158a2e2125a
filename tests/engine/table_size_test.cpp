// How many seats play: humans and seat 2 always, bots in empty seats 3 and 4 until the
// table holds as many players as the game was started with.
#include <algorithm>

#include "tests/engine/harness.h"

namespace tess::testing {
namespace {

using TableSize = EngineTest;

// "t"/"f" for seats 1-4, as the round start lists them.
std::string seatLine(const std::string& playing) {
    std::string line;
    for (int seat = 1; seat <= seatCount; ++seat)
        line += "+" + std::to_string(seat) + "+" + playing[seat - 1];
    return line;
}

TEST_F(TableSize, WhoPlaysForEverySeatingAndTableSize) {
    struct Case {
        std::set<int> humans;
        const char* playing[3];  // table of 2, 3 and 4
    };
    const Case cases[] = {
        {{1}, {"ttff", "tttf", "tttt"}},       {{1, 2}, {"ttff", "tttf", "tttt"}},
        {{1, 3}, {"tttf", "tttf", "tttt"}},    {{1, 4}, {"ttft", "ttft", "tttt"}},
        {{1, 2, 3}, {"tttf", "tttf", "tttt"}}, {{1, 2, 4}, {"ttft", "ttft", "tttt"}},
        {{1, 3, 4}, {"tttt", "tttt", "tttt"}}, {{1, 2, 3, 4}, {"tttt", "tttt", "tttt"}},
    };
    for (const Case& c : cases) {
        for (int size = 2; size <= 4; ++size) {
            const std::string playing = c.playing[size - 2];
            const int players = static_cast<int>(std::count(playing.begin(), playing.end(), 't'));
            std::string label = "humans";
            for (int seat : c.humans)
                label += " " + std::to_string(seat);
            label += ", table of " + std::to_string(size);

            out.clear();
            out.humans = out.slots = c.humans;
            start({}, "You+100+60+" + std::to_string(size) + "+");
            EXPECT_EQ(out.withWord("CMD_roundstart").front().text,
                      "CMD_roundstart+1+" + std::to_string(players) + seatLine(playing) + "|")
                << label;
            EXPECT_EQ(table().cardsTaken, 4 + 7 * players) << label;
            for (int seat = 1; seat <= seatCount; ++seat) {
                EXPECT_EQ(table().seats[seat].playing, playing[seat - 1] == 't') << label;
                EXPECT_EQ(table().seats[seat].cardsHeld(), playing[seat - 1] == 't' ? 7 : 0)
                    << label << ", seat " << seat;
            }
            // Only humans are told their cards; bots hold theirs silently.
            std::set<int> told;
            for (const Sent& s : out.withWord("CMD_mycards"))
                told.insert(s.slot);
            EXPECT_EQ(told, c.humans) << label;
        }
    }
}

TEST_F(TableSize, TheStartAnnouncementIsTheSameForEverySize) {
    struct Case {
        std::string rest;
        int players;
    };
    for (const Case& c :
         {Case{"You+100+60+", 2}, Case{"You+100+60+2+", 2}, Case{"You+100+60+3+", 3},
          Case{"You+100+60+4+", 4}, Case{"You+100+60+4+extra+", 4}, Case{"You+100+60+5+", 2},
          Case{"You+100+60+1+", 2}, Case{"You+100+60+0+", 2}, Case{"You+100+60+-3+", 2},
          Case{"You+100+60+three+", 2}, Case{"You+100+60+ 3+", 2},
          Case{"You+100+60+99999999999+", 2}}) {
        out.clear();
        start({}, c.rest);
        EXPECT_EQ(out.sent.front().text, "CMD_startgame+You+100+60+|") << c.rest;
        EXPECT_EQ(table().tablePlayers, c.players) << c.rest;
        // Alone at the table: bots fill seats 2, 3, 4 in that order.
        const std::string playing =
            std::string(c.players, 't') + std::string(seatCount - c.players, 'f');
        EXPECT_EQ(out.withWord("CMD_roundstart").front().text,
                  "CMD_roundstart+1+" + std::to_string(c.players) + seatLine(playing) + "|")
            << c.rest;
    }
}

TEST_F(TableSize, BotsTakeTheirTurnsInSeatOrder) {
    out.slots = {1, 7};
    start({}, "You+100+60+4+");
    dispatch(engine, "CMD_endturn+1+");
    std::vector<int> turns;
    for (int i = 0; i < 200 && turns.size() < 4; ++i) {
        clock.advance(500);
        if (table().currentSeat != (turns.empty() ? 1 : turns.back()))
            turns.push_back(table().currentSeat);
    }
    // Each bot acts and passes on to the next; then it is the human's turn again.
    EXPECT_EQ(turns, (std::vector<int>{2, 3, 4, 1}));
    EXPECT_FALSE(clock.running(Timer::computer));
}

TEST_F(TableSize, WhoPlaysIsDecidedAgainEachRound) {
    // A table of three: the bot in seat 3 plays the first round.
    out.humans = out.slots = {1};
    start({}, "You+100+60+3+");
    EXPECT_TRUE(table().seats[3].playing);

    // A player sits down in seat 4; the round goes on as dealt.
    out.humans = out.slots = {1, 4};
    EXPECT_FALSE(table().seats[4].playing);

    // The next round: seat 4's player makes three with seats 1 and 2, so seat 3 rests.
    out.clear();
    engine.startround();
    const std::string line = out.withWord("CMD_roundstart").front().text;
    EXPECT_TRUE(line.ends_with(seatLine("ttft") + "|")) << line;
    EXPECT_EQ(table().tablePlayers, 3);
}

}  // namespace
}  // namespace tess::testing
