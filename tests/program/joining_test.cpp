// The real program joining a table ("Bob 127.0.0.1 false") hosted by the test: a whole
// game plays out around it in virtual time while the bot plays Bob's seat, and the
// program has to take every announcement in its stride.
#include <gtest/gtest.h>

#include <QTcpServer>
#include <QTest>

#include <map>
#include <memory>

#include "engine/bot.h"
#include "engine/virtual_clock.h"
#include "net/server.h"
#include "records/tally.h"
#include "records/tally_store.h"
#include "tests/program/program_process.h"
#include "tests/support/own_client.h"
#include "tests/support/stacked_random.h"
#include "tests/support/table_play.h"

namespace tess::testing {
namespace {

class ProgramJoining : public ::testing::Test {
protected:
    ProgramJoining() {
        server->setBotSpeed(500);
        server->startListening(tablePort);
    }

    std::unique_ptr<TestClient> join(const std::string& name) { return joinTable(tablePort, name); }

    VirtualClock clock;
    StackedRandom random{23};
    std::unique_ptr<TServer> server = std::make_unique<TServer>(clock, random);
};

TEST_F(ProgramJoining, WatchesAWholeGameAndIsOfferedAnotherTableWhenTheHostCloses) {
    ASSERT_TRUE(server->listening());
    auto host = joinAsHost(*server, "Hal");
    ASSERT_EQ(host->slot(), 1);
    Program bob({"Bob", "127.0.0.1", "false"});
    ASSERT_TRUE(bob.logged("logged in after"));
    ASSERT_EQ(host->waitForPrefix("CMD_newplayerinfo+2+"), "CMD_newplayerinfo+2+Bob+0");
    auto cid = join("Cid");
    auto dee = join("Dee");
    auto spy = join("Spy");
    ASSERT_EQ(spy->slot(), 5);

    // Bob's and Dee's seats go to the bot once the game runs; Hal and Cid play.
    host->send("CMD_startgame+Hal+50+30+");
    ASSERT_EQ(spy->waitForPrefix("CMD_startgame+"), "CMD_startgame+Hal+50+30+");
    host->send("CMD_justwatch+2+1");
    host->send("CMD_justwatch+4+1");
    ASSERT_NE(spy->waitForPrefix("CMD_justwatching+2+1"), "");
    ASSERT_NE(spy->waitForPrefix("CMD_justwatching+4+1"), "");

    const std::map<int, TestClient*> players{{1, host.get()}, {3, cid.get()}};
    const TableState& table = server->engine().table();
    const int moves = playToTheEnd(table, clock, players, [&] { return bob.running(); });
    ASSERT_NE(moves, -1) << "a move got no answer";
    ASSERT_TRUE(bob.running()) << bob.log.toStdString();
    ASSERT_FALSE(table.inProgress);
    EXPECT_GT(moves, 10);
    const std::string winner = spy->waitForPrefix("CMD_winner+");
    ASSERT_NE(winner, "");
    const int seat = std::stoi(winner.substr(11));
    EXPECT_GE(table.seats[seat].score, 50);
    EXPECT_TRUE(bob.running()) << bob.log.toStdString();

    // Every announcement was understood and none put a box on Bob's screen.
    EXPECT_FALSE(bob.log.contains("message:")) << bob.log.toStdString();
    // The host goes away: Bob is told so and offered another table (the box takes its
    // first offer by itself here: the join window), so the program stays.
    server.reset();
    ASSERT_TRUE(bob.logged("message: You are no longer at the table."));
    QTest::qWait(500);
    EXPECT_TRUE(bob.running());
    bob.process.terminate();  // as closing the window does
    ASSERT_TRUE(bob.ended());
    EXPECT_EQ(bob.process.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(bob.process.exitCode(), 0);
    EXPECT_FALSE(bob.log.contains("Ignored a line")) << bob.log.toStdString();
    EXPECT_FALSE(bob.log.contains("Dropped a line")) << bob.log.toStdString();
    EXPECT_EQ(bob.log.count("message:"), 1) << bob.log.toStdString();
    // The finished game reached Bob's tally, counted as Bob's win only if seat 2 won.
    const auto read = loadTallyFile(bob.dir.filePath(
        QString::fromLatin1(tallyfile::fileName.data(), tallyfile::fileName.size())));
    ASSERT_TRUE(read && read->ok());
    const TallyTable::Row& own = read->value->rows.at(0);
    EXPECT_EQ(own[Tally::gamesTotal], "1");
    EXPECT_EQ(own[Tally::theirWinsTotal], seat == 2 ? "1" : "0");
}

// Where nothing listens the join is given up at once and said in one sentence; the
// program stays, with the join window offered again.
TEST(ProgramJoiningNothing, ARefusedJoinIsSaidAndTheProgramStays) {
    Program bob({"Bob", "127.0.0.1", "false"});
    ASSERT_TRUE(bob.logged("message: The table at 127.0.0.1 refused the connection"))
        << bob.log.toStdString();
    QTest::qWait(500);  // the offer is taken by itself: the join window opens
    EXPECT_TRUE(bob.running());
}

// A copy asked to host where another copy already hosts offers to join that table, and
// (the offer taken) starts again as a joiner under the same name.
TEST_F(ProgramJoining, ATakenPortOffersTheTableThatHasIt) {
    auto hal = joinAsHost(*server, "Hal");
    Program ann({"Ann", "127.0.0.1", "true"});
    ASSERT_TRUE(ann.logged("Port 7772 is taken on this computer")) << ann.log.toStdString();
    EXPECT_EQ(hal->waitForPrefix("CMD_newplayerinfo+2+", 10000), "CMD_newplayerinfo+2+Ann+0")
        << ann.log.toStdString();
    EXPECT_TRUE(ann.running());
}

TEST_F(ProgramJoining, JoinsByIPv6Address) {
    QTcpServer probe;
    if (!probe.listen(QHostAddress::LocalHostIPv6, 0)) GTEST_SKIP() << "no IPv6 loopback here";
    auto hal = joinAsHost(*server, "Hal");
    Program bob({"Bob", "[::1]", "false"});
    EXPECT_EQ(hal->waitForPrefix("CMD_newplayerinfo+2+", 10000), "CMD_newplayerinfo+2+Bob+0")
        << bob.log.toStdString();
}

}  // namespace
}  // namespace tess::testing
