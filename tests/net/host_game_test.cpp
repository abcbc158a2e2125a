// Whole games over loopback: players send request lines through their sockets, bots
// play the seats nobody holds, the engine's clock is virtual.
#include <QTest>
#include <map>

#include "engine/bot.h"
#include "tests/net/host_harness.h"

namespace tess::testing {
namespace {

using HostGame = HostTest;

TEST_F(HostGame, TwoPlayersAndTheBotPlayToAWinner) {
    random.reseed(11);
    server.setBotSpeed(500);
    auto you = hostJoin();
    auto leaving = connect();  // holds slot 2 until Ann has slot 3
    auto ann = join("Ann");
    ASSERT_EQ(ann->slot(), 3);
    leaving->socket().disconnectFromHost();
    ASSERT_TRUE(waitUntil([&] { return !server.inUse(2); }));

    const std::map<int, TestClient*> players{{1, you.get()}, {3, ann.get()}};
    const TableState& table = server.engine().table();
    you->send("CMD_startgame+You+50+60+");
    you->waitForPrefix("CMD_nextplayer+");
    const int moves = playToTheEnd(table, clock, players);
    ASSERT_NE(moves, -1) << "a move got no answer";
    ASSERT_FALSE(table.inProgress);
    const std::string winner = you->waitForPrefix("CMD_winner+");
    EXPECT_NE(winner, "");
    EXPECT_EQ(ann->waitForPrefix("CMD_winner+"), winner);
    const int seat = std::stoi(winner.substr(11));
    EXPECT_GE(table.seats[seat].score, 50);
    EXPECT_GT(moves, 10);
}

TEST_F(HostGame, FourAtTheTableWithPlayersTakingOverBotSeats) {
    random.reseed(5);
    server.setBotSpeed(500);
    auto you = hostJoin();
    const TableState& table = server.engine().table();
    you->send("CMD_startgame+You+50+60+4+");
    EXPECT_EQ(you->waitForPrefix("CMD_startgame+"), "CMD_startgame+You+50+60+");
    EXPECT_EQ(you->waitForPrefix("CMD_roundstart+"), "CMD_roundstart+1+4+1+t+2+t+3+t+4+t");
    you->waitForPrefix("CMD_nextplayer+1+");
    you->send("CMD_endturn+1+");
    you->waitForPrefix("CMD_ending+1+");

    // Bob sits down in seat 2 while its bot holds cards; the hand is his at once.
    auto bob = join("Bob");
    ASSERT_EQ(bob->slot(), 2);
    EXPECT_EQ(bob->waitForPrefix("CMD_mycards+") + '\xFF', server.engine().mycardsMessage(2));
    EXPECT_NE(bob->waitForPrefix("CMD_gamestats+2+50+60+"), "");

    // Cat comes while seat 3's bot is in the middle of its turn and keeps the rest of it.
    for (int i = 0; i < 2000 && (table.currentSeat != 3 || table.inBreak); ++i) {
        if (table.currentSeat == 2 && !table.inBreak) {
            bob->send("CMD_endturn+2+");
            bob->waitForPrefix("CMD_ending+2+");
        }
        clock.advance(250);
    }
    ASSERT_EQ(table.currentSeat, 3);
    auto cat = join("Cat");
    ASSERT_EQ(cat->slot(), 3);
    EXPECT_EQ(cat->waitForPrefix("CMD_mycards+") + '\xFF', server.engine().mycardsMessage(3));
    EXPECT_FALSE(server.engine().isBotPlayed(3));
    EXPECT_TRUE(server.engine().isBotPlayed(4));

    const std::map<int, TestClient*> players{{1, you.get()}, {2, bob.get()}, {3, cat.get()}};
    const int moves = playToTheEnd(table, clock, players);
    ASSERT_NE(moves, -1) << "a move got no answer";
    ASSERT_FALSE(table.inProgress);
    const std::string winner = you->waitForPrefix("CMD_winner+");
    EXPECT_NE(winner, "");
    EXPECT_EQ(cat->waitForPrefix("CMD_winner+"), winner);
    // Every round dealt all four seats: three players and the bot in seat 4.
    const auto rounds = you->linesStartingWith("CMD_roundstart+");
    EXPECT_GT(rounds.size(), 1u);
    for (const std::string& line : rounds)
        EXPECT_TRUE(line.ends_with("+1+t+2+t+3+t+4+t")) << line;
    EXPECT_FALSE(you->linesStartingWith("CMD_ending+4+").empty());
}

TEST_F(HostGame, AStartWithoutTheTableSizeDealsTwoSeats) {
    auto you = hostJoin();
    // An older client's request, and one whose size makes no sense.
    for (const char* request : {"CMD_startgame+You+50+60+", "CMD_startgame+You+50+60+9+"}) {
        you->send(request);
        EXPECT_EQ(you->waitForPrefix("CMD_startgame+"), "CMD_startgame+You+50+60+");
        EXPECT_EQ(you->waitForPrefix("CMD_roundstart+"), "CMD_roundstart+1+2+1+t+2+t+3+f+4+f");
    }
}

}  // namespace
}  // namespace tess::testing
