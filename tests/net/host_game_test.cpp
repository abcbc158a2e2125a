// A whole game over loopback: the hosting player in seat 1 and Ann in seat 3 send
// request lines through their sockets, the bot plays seat 2, the engine's clock is
// virtual.
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
    auto you = join("You");
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

}  // namespace
}  // namespace tess::testing
