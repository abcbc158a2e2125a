#include <QTest>

#include "tests/net/host_harness.h"
#include "wire/commands.h"

namespace tess::testing {
namespace {

using Host = HostTest;

TEST_F(Host, SecondPlayerJoiningGetsExactlyThis) {
    auto host = hostJoin();
    auto ann = join("Ann");
    host->waitForPrefix("CMD_newplayerinfo+2+");
    EXPECT_EQ(ann->raw(),
              "CMD_sendlogininfo+2\xFF"
              "CMD_newplayerinfo+2+Ann+0\xFF"
              "CMD_existingplayers+1+You+0\xFF"
              "CMD_existingplayers+1+You+0\xFF");
    EXPECT_EQ(host->raw(),
              "CMD_sendlogininfo+1\xFF"
              "CMD_newplayerinfo+1+You+0\xFF"
              "CMD_newplayerinfo+2+Ann+0\xFF");
}

TEST_F(Host, VersionsAndNamesAreChecked) {
    auto host = hostJoin();
    auto bob = connect();
    bob->login("Bo+b\x01", "0.9");
    EXPECT_EQ(host->waitForPrefix("CMD_newplayerinfo+2+"), "CMD_newplayerinfo+2+Bo-b +0");
    EXPECT_EQ(host->waitForPrefix("CMD_havewrongversion+"), "CMD_havewrongversion+Bo-b ");
    EXPECT_EQ(bob->waitForPrefix("CMD_wrongversion"), "CMD_wrongversion+");
    EXPECT_EQ(server.name(2), "Bo-b ");
    EXPECT_FALSE(bob->closed());
}

TEST_F(Host, NineStayTheTenthIsToldTheTableIsFull) {
    std::vector<std::unique_ptr<TestClient>> clients;
    for (int i = 1; i <= slotCount; ++i) {
        clients.push_back(i == 1 ? hostJoin() : connect());
        EXPECT_EQ(clients.back()->slot(), i);
    }
    TestClient tenth(server.port(), false);
    EXPECT_TRUE(tenth.waitClosed());
    EXPECT_EQ(tenth.raw(), "CMD_full+\xFF");
    EXPECT_EQ(server.highestSlot(), 9);

    clients[2]->socket().disconnectFromHost();  // slot 3 leaves
    ASSERT_TRUE(waitUntil([&] { return !server.inUse(3); }));
    auto next = connect();
    EXPECT_EQ(next->slot(), 3);
    for (auto& c : clients)
        EXPECT_FALSE(c->closed() && c.get() != clients[2].get());
}

TEST_F(Host, ChatActionsAndSoundsAreRelayedToEverybody) {
    auto host = hostJoin();
    auto ann = join("Ann");
    auto spy = connect();  // slot 3 here, no name yet
    ann->send("CMD_chat+2+hello all|clBlue");
    ann->send("CMD_action+2+waves|$00FF0000");
    ann->send("CMD_playasound+2+wave7+");
    for (TestClient* c : {host.get(), ann.get(), spy.get()}) {
        EXPECT_EQ(c->waitForPrefix("CMD_chat+"), "CMD_chat+2+Ann chats: hello all|clBlue");
        EXPECT_EQ(c->waitForPrefix("CMD_action+"), "CMD_action+2+Ann waves|$00FF0000");
        EXPECT_EQ(c->waitForPrefix("CMD_playasound+"), "CMD_playasound+2+wave7+");
    }
    // Overlong lines are not relayed.
    ann->send("CMD_chat+2+" + std::string(2100, 'x') + "|clBlack");
    settle(*ann);
    EXPECT_EQ(host->linesStartingWith("CMD_chat+").size(), 2u);
}

TEST_F(Host, RequestsForSomebodyElseAreIgnored) {
    auto host = hostJoin();
    auto ann = join("Ann");
    auto cat = join("Cat");
    host->send("CMD_startgame+You+100+60+");
    host->waitForPrefix("CMD_nextplayer+1+");
    const std::size_t before = host->lines().size();

    // Ann (slot 2) tries to move, draw and talk for seat 1, to kick Cat, to restart the
    // game, and to make seat 1 watch.
    for (const char* line :
         {"CMD_handplay+1+1+1+", "CMD_tabplay+1+1+2+", "CMD_handfound+1+1+1+",
          "CMD_tabfound+1+1+1+", "CMD_endturn+1+", "CMD_chat+1+I am the host|clRed",
          "CMD_kickhim+1+3+", "CMD_kickhim+2+3+", "CMD_startgame+Ann+50+30+", "CMD_justwatch+1+1",
          "CMD_logininfo+1+1.0.2+Mallory"})
        ann->send(line);
    const std::string mark = settle(*ann);
    const std::vector<std::string> seen(host->lines().begin() + before, host->lines().end());
    EXPECT_EQ(seen, (std::vector<std::string>{"CMD_chat+2+Ann chats: " + mark + "|clBlack"}));
    EXPECT_FALSE(cat->closed());
    EXPECT_EQ(server.name(1), "You");
    EXPECT_FALSE(server.engine().table().seats[1].justWatching);
    EXPECT_EQ(server.engine().table().cardsTaken, 25);
}

TEST_F(Host, JustWatchFromTheSeatOrTheHost) {
    auto host = hostJoin();
    auto ann = join("Ann");
    ann->send("CMD_justwatch+2+1");  // no game yet: only stopping is honoured
    ann->send("CMD_justwatch+2+2");
    EXPECT_EQ(host->waitForPrefix("CMD_justwatching+"), "CMD_justwatching+2+2");
    ann->waitForPrefix("CMD_justwatching+2+2");

    host->send("CMD_startgame+You+100+60+");
    host->waitForPrefix("CMD_nextplayer+1+");
    ann->send("CMD_justwatch+2+1");
    EXPECT_EQ(host->waitForPrefix("CMD_justwatching+"), "CMD_justwatching+2+1");
    EXPECT_TRUE(server.engine().isBotPlayed(2));
    host->send("CMD_justwatch+2+2");  // the host may hand a seat back
    EXPECT_EQ(ann->waitForPrefix("CMD_justwatching+2+2"), "CMD_justwatching+2+2");

    // The host's own seat, watching during its turn: the turn passes at once.
    host->send("CMD_justwatch+1+1");
    EXPECT_EQ(ann->waitForPrefix("CMD_nextplayer+"), "CMD_nextplayer+2+");

    auto spy1 = join("S1");
    auto spy2 = join("S2");
    auto spy3 = join("S3");
    EXPECT_EQ(spy3->slot(), 5);
    spy3->send("CMD_justwatch+5+1");
    settle(*spy3);
    EXPECT_TRUE(host->linesStartingWith("CMD_justwatching+5").empty());

    // A newcomer learns who watches.
    auto late = connect();
    late->login("Late");
    EXPECT_EQ(late->waitForPrefix("CMD_existingplayers"),
              "CMD_existingplayers+1+You+1+2+Ann+0+3+S1+0+4+S2+0+5+S3+0");
}

TEST_F(Host, KickFromTheHostClosesTheTarget) {
    auto host = hostJoin();
    auto ann = join("Ann");
    host->send("CMD_kickhim+1+2+");
    EXPECT_TRUE(ann->waitClosed());
    EXPECT_EQ(host->waitForPrefix("CMD_playerdisconnected+"), "CMD_playerdisconnected+2+Ann");
    host->send("CMD_kickhim+1+9+");  // nobody there
    host->send("CMD_kickhim+1+0+");
    settle(*host);
    EXPECT_FALSE(host->closed());
}

TEST_F(Host, LosingTheCurrentPlayerPassesTheTurn) {
    auto host = hostJoin();
    auto ann = join("Ann");
    host->send("CMD_startgame+You+100+60+");
    host->send("CMD_endturn+1+");
    host->waitForPrefix("CMD_ending+1+");
    clock.advance(1000);
    host->waitForPrefix("CMD_nextplayer+2+");

    ann->killHard();
    EXPECT_EQ(host->waitForPrefix("CMD_playerdisconnected+"), "CMD_playerdisconnected+2+Ann");
    EXPECT_EQ(host->waitForPrefix("CMD_nextplayer+"), "CMD_nextplayer+1+");
    EXPECT_FALSE(server.inUse(2));
    auto again = connect();
    EXPECT_EQ(again->slot(), 2);
}

TEST_F(Host, HostLeavingDuringItsTurnKeepsTheTurn) {
    auto host = hostJoin();
    auto ann = join("Ann");
    host->send("CMD_startgame+You+100+60+");
    ann->waitForPrefix("CMD_nextplayer+1+");
    host->socket().disconnectFromHost();
    EXPECT_EQ(ann->waitForPrefix("CMD_playerdisconnected+"), "CMD_playerdisconnected+1+You");
    settle(*ann);
    EXPECT_TRUE(ann->linesStartingWith("CMD_nextplayer+2").empty());
    EXPECT_EQ(server.engine().table().currentSeat, 1);
}

TEST_F(Host, ReturningPlayerGetsTheSeatsHandAndTheTable) {
    random.stack({5, 20, 33, 48});
    auto host = hostJoin();
    auto ann = join("Ann");
    auto spy = connect();
    spy->socket().disconnectFromHost();  // leaves slot 3 free
    ASSERT_TRUE(waitUntil([&] { return !server.inUse(3); }));
    auto cat = join("Cat");
    ASSERT_EQ(cat->slot(), 3);
    host->send("CMD_startgame+You+100+60+");
    cat->waitForPrefix("CMD_mycards+3+");

    cat->socket().disconnectFromHost();
    host->waitForPrefix("CMD_playerdisconnected+3+Cat");
    // Seats 1 and 2 draw; seat 3 is then played by the bot.
    host->send("CMD_endturn+1+");
    host->waitForPrefix("CMD_ending+1+");
    clock.advance(1000);
    ann->send("CMD_endturn+2+");
    ann->waitForPrefix("CMD_ending+2+");
    clock.advance(1000);
    host->waitForPrefix("CMD_nextplayer+3+");
    clock.advance(30'000);
    EXPECT_NE(host->waitForPrefix("CMD_ending+3+"), "");

    auto back = connect();
    ASSERT_EQ(back->slot(), 3);
    back->login("Cat");
    const std::string hand = back->waitForPrefix("CMD_mycards+");
    const std::string stats = back->waitForPrefix("CMD_gamestats+");
    EXPECT_EQ(hand + '\xFF', server.engine().mycardsMessage(3));
    EXPECT_EQ(stats + '\xFF', server.engine().gamestatsMessage(3));
    EXPECT_EQ(stats.rfind("CMD_gamestats+3+100+60+", 0), 0u);
    // The hand comes right after the login's greetings, the summary right after it.
    const auto& lines = back->lines();
    const auto at = std::find(lines.begin(), lines.end(), hand);
    ASSERT_NE(at, lines.end());
    EXPECT_EQ(*(at + 1), stats);
}

TEST_F(Host, SpectatorJoiningAGameGetsTheTableOnly) {
    auto host = hostJoin();
    host->send("CMD_startgame+You+100+60+");
    host->waitForPrefix("CMD_nextplayer+1+");
    auto a = join("A");
    auto b = join("B");
    auto c = join("C");
    auto spy = join("Spy");
    ASSERT_EQ(spy->slot(), 5);
    EXPECT_NE(spy->waitForPrefix("CMD_gamestats+5+"), "");
    EXPECT_TRUE(spy->linesStartingWith("CMD_mycards").empty());
    // Seat 2 plays this round (the bot's seat): A takes over its hand at once.
    EXPECT_NE(a->waitForPrefix("CMD_mycards+2+"), "");
    EXPECT_TRUE(b->linesStartingWith("CMD_mycards").empty());
}

TEST_F(Host, OverlongLineDisconnectsItsSenderOnly) {
    auto host = hostJoin();
    auto ann = join("Ann");
    ann->sendRaw("CMD_chat+2+" + std::string(100 * 1024, 'x'));
    EXPECT_TRUE(ann->waitClosed());
    EXPECT_EQ(host->waitForPrefix("CMD_playerdisconnected+"), "CMD_playerdisconnected+2+Ann");
    settle(*host);
}

TEST_F(Host, MalformedNumbersAreDroppedAndDispatchGoesOn) {
    auto host = hostJoin();
    for (const char* line :
         {"CMD_handplay+x+1+1+", "CMD_startgame+You+100+60+", "CMD_kickhim+1+", "CMD_endturn+1+",
          "CMD_justwatch+", "CMD_chat+", "CMD_nonsense+1+", "nocommand", "+1+2"})
        host->send(line);
    settle(*host);
    EXPECT_EQ(host->linesStartingWith("CMD_startgame+").size(), 1u);
    EXPECT_EQ(host->linesStartingWith("CMD_ending+1+").size(), 1u);
}

TEST_F(Host, ClientThatStopsReadingDoesNotHoldUpTheOthers) {
    // The stuck reader is the point here, not the relay budget.
    HostLimits limits;
    limits.relay.burst = limits.relay.tableBurstBytes = 1e9;
    server.setLimits(limits);
    auto host = hostJoin();
    auto ann = join("Ann");
    TestClient stuck(server.port());
    // From here on nothing is read: the socket's own buffer fills and stays full.
    stuck.socket().setReadBufferSize(16);
    QObject::disconnect(&stuck.socket(), &QTcpSocket::readyRead, nullptr, nullptr);

    const std::string text(1900, 'y');
    for (int i = 0; i < 40; ++i)
        ann->send("CMD_chat+2+" + text + "|clBlack");
    settle(*ann);
    settle(*host);
    EXPECT_EQ(host->linesStartingWith("CMD_chat+2+Ann chats: yyy").size(), 40u);
}

}  // namespace
}  // namespace tess::testing

namespace tess::testing {
namespace {

TEST_F(HostTest, OnlyTheHostsOwnAndTheBotsRefusalsAreShownToTheHost) {
    std::vector<QString> shown;
    QObject::connect(&server, &TServer::refusalNotice,
                     [&](const QString& text) { shown.push_back(text); });
    auto host = hostJoin();
    auto ann = join("Ann");
    host->send("CMD_startgame+You+100+60+");
    host->send("CMD_handplay+1+20+1+");  // an empty hand position
    settle(*host);
    EXPECT_EQ(shown, (std::vector<QString>{"noplay"}));

    host->send("CMD_endturn+1+");
    host->waitForPrefix("CMD_ending+1+");
    clock.advance(1000);
    ann->send("CMD_handplay+2+20+1+");
    settle(*ann);
    EXPECT_EQ(shown.size(), 1u);
}

}  // namespace
}  // namespace tess::testing
