#include <gtest/gtest.h>

#include <QElapsedTimer>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTimer>
#include <algorithm>
#include <fstream>
#include <set>

#include <sys/socket.h>

#include "client/table/client_link.h"
#include "engine/virtual_clock.h"
#include "net/server.h"
#include "tests/support/fake_host.h"
#include "tests/support/own_client.h"
#include "tests/support/socket_options.h"
#include "tests/support/stacked_random.h"
#include "tests/support/test_client.h"
#include "wire/announcements.h"
#include "wire/fields.h"

namespace tess::wire {
void PrintTo(const ExistingPlayers::Player& p, std::ostream* os) {
    *os << p.slot << ":" << p.name << (p.watching ? " (watching)" : "");
}
}  // namespace tess::wire

namespace tess::testing {
namespace {

using PlayerEntry = wire::ExistingPlayers::Player;

// The login answer is the link's own handler; the client's table routes it.
void answerLogin(ClientLink& link) {
    link.on(cmd::sendlogininfo, [&link](std::string_view rest) { link.sendloginfo(rest); });
}

TEST(ExistingPlayers, ReadsTriplesUntilTheTextIsUsedUp) {
    struct Case {
        std::string rest;
        std::vector<PlayerEntry> players;
    };
    for (const Case& c :
         {Case{"1+You+0", {{1, "You", false}}},
          Case{"1+You+0+2+Ann+1+5+Spy+0", {{1, "You", false}, {2, "Ann", true}, {5, "Spy", false}}},
          Case{"", {}}, Case{"x+You+0", {}}, Case{"3+Cat", {{3, "Cat", false}}},
          Case{"2+Ann+0+junk", {{2, "Ann", false}}}}) {
        EXPECT_EQ(wire::ExistingPlayers::decode(c.rest).players, c.players) << c.rest;
    }
}

TEST(ClientLink, AnswersTheLoginRequestExactly) {
    FakeHost host;
    ClientLink link;
    answerLogin(link);
    link.connectTo("127.0.0.1", host.server.serverPort(), "Bob");
    QTcpSocket* peer = host.accept();
    peer->write("CMD_sendlogininfo+2\xFF");
    ASSERT_TRUE(waitUntil([&] { return link.connected(); }));
    ASSERT_TRUE(waitUntil([&] { return host.received.size() >= 27; }));
    EXPECT_EQ(host.received, "CMD_logininfo+2+1.0.2+Bob\xFF\xFF");
    EXPECT_EQ(link.mySlot(), 2);
}

TEST(ClientLink, HandlesLinesInOrderAndSeesTheTableIsFullBeforeTheClose) {
    FakeHost host;
    ClientLink link;
    answerLogin(link);
    std::vector<std::string> handled;
    for (const char* word : {"CMD_chat", "CMD_full", "CMD_nextplayer"})
        link.on(word, [&handled, word](std::string_view rest) {
            handled.push_back(std::string(word) + "|" + std::string(rest));
        });
    link.on("CMD_endturn", [](std::string_view rest) { wire::FieldReader(rest).number(); });
    bool closed = false;
    QObject::connect(&link, &ClientLink::closed, [&] {
        handled.push_back("closed");
        closed = true;
    });
    link.connectTo("127.0.0.1", host.server.serverPort(), "Bob");
    QTcpSocket* peer = host.accept();
    peer->write(
        "CMD_chat+1+a|clBlack\xFF"
        "CMD_nobody+1\xFF"
        "CMD_endturn+x+\xFF"
        "nocommand\xFF\xFF"
        "CMD_nextplayer+1+\xFF"
        "CMD_full+\xFF");
    peer->flush();
    peer->disconnectFromHost();
    ASSERT_TRUE(waitUntil([&] { return closed; }));
    EXPECT_EQ(handled, (std::vector<std::string>{"CMD_chat|1+a|clBlack", "CMD_nextplayer|1+",
                                                 "CMD_full|", "closed"}));
}

// A join that comes to nothing is given up with its reason rather than left waiting.
TEST(ClientLink, RefusedOrUnansweredConnectionEndsWithItsReason) {
    QTcpServer probe;
    probe.listen(QHostAddress::LocalHost, 0);
    const quint16 port = probe.serverPort();
    probe.close();
    ClientLink refused;
    answerLogin(refused);
    bool closed = false;
    QObject::connect(&refused, &ClientLink::closed, [&] { closed = true; });
    refused.connectTo("127.0.0.1", port, "Bob");
    refused.openLobbyLink(port);  // nobody there either: ignored
    ASSERT_TRUE(waitUntil([&] { return closed; }));
    EXPECT_EQ(refused.ending(), ClientLink::Ending::refused);
    EXPECT_FALSE(refused.connected());
    EXPECT_FALSE(refused.send("CMD_chat+1+hi|clBlack"));

    // Taken in, but never asked for the login.
    FakeHost silent;
    ClientLink waiting;
    answerLogin(waiting);
    waiting.setAnswerTimeout(300);
    closed = false;
    QObject::connect(&waiting, &ClientLink::closed, [&] { closed = true; });
    waiting.connectTo("127.0.0.1", silent.port(), "Bob");
    QTcpSocket* peer = silent.accept();
    ASSERT_NE(peer, nullptr);
    ASSERT_TRUE(waitUntil([&] { return closed; }));
    EXPECT_EQ(waiting.ending(), ClientLink::Ending::noAnswer);
    EXPECT_TRUE(waitUntil([&] { return peer->state() == QAbstractSocket::UnconnectedState; }));
}

// A host that answers in time is not given up later, and its close is a close.
TEST(ClientLink, AnsweredConnectionIsKeptPastTheAnswerTime) {
    FakeHost host;
    ClientLink link;
    answerLogin(link);
    link.setAnswerTimeout(200);
    bool closed = false;
    QObject::connect(&link, &ClientLink::closed, [&] { closed = true; });
    link.connectTo("127.0.0.1", host.port(), "Bob");
    QTcpSocket* peer = host.accept();
    ASSERT_NE(peer, nullptr);
    peer->write("CMD_sendlogininfo+2\xFF");
    ASSERT_TRUE(waitUntil([&] { return link.connected(); }));
    EXPECT_FALSE(waitUntil([&] { return closed; }, 400));
    EXPECT_EQ(link.ending(), ClientLink::Ending::open);
    peer->disconnectFromHost();
    ASSERT_TRUE(waitUntil([&] { return closed; }));
    EXPECT_EQ(link.ending(), ClientLink::Ending::closed);
}

TEST(ClientLink, LogsInAtTheRealHostAndGoesWhenItIsKicked) {
    VirtualClock clock;
    StackedRandom random;
    TServer server(clock, random);
    server.startListening(0);
    auto you = joinAsHost(server, "You");

    ClientLink link;
    answerLogin(link);
    std::vector<PlayerEntry> seen;
    const auto players = [&](std::string_view rest) {
        for (const PlayerEntry& p : wire::ExistingPlayers::decode(rest).players)
            seen.push_back(p);
    };
    link.on("CMD_newplayerinfo", players);
    link.on("CMD_existingplayers", players);
    bool closed = false;
    QObject::connect(&link, &ClientLink::closed, [&] { closed = true; });
    link.connectTo("127.0.0.1", server.port(), "Ann+Lee");
    ASSERT_TRUE(waitUntil([&] { return seen.size() == 3; }));
    EXPECT_EQ(seen, (std::vector<PlayerEntry>{
                        {2, "Ann-Lee", false}, {1, "You", false}, {1, "You", false}}));
    EXPECT_EQ(link.mySlot(), 2);

    you->send("CMD_kickhim+1+2+");
    EXPECT_TRUE(waitUntil([&] { return closed; }));
}

// The host asks for the login and is gone before the client has worked through what it
// sent: the answer cannot go out, and that is a close like any other.
TEST(ClientLink, HostThatAsksForTheLoginAndGoesIsAClose) {
    FakeHost host;
    ClientLink link;
    answerLogin(link);
    int chats = 0;
    link.on("CMD_chat", [&](std::string_view) { ++chats; });
    bool closed = false;
    QObject::connect(&link, &ClientLink::closed, [&] { closed = true; });
    link.connectTo("127.0.0.1", host.server.serverPort(), "Bob");
    QTcpSocket* peer = host.accept();
    ASSERT_NE(peer, nullptr);
    std::string lines;
    for (int i = 0; i < 200; ++i)
        lines += "CMD_chat+1+hi|clBlack\xFF";
    lines += "CMD_sendlogininfo+2\xFF";
    lines += "CMD_chat+1+last|clBlack\xFF";
    peer->write(lines.data(), static_cast<qint64>(lines.size()));
    peer->flush();
    peer->disconnectFromHost();
    ASSERT_TRUE(waitUntil([&] { return closed; }));
    EXPECT_EQ(chats, 201);
    EXPECT_FALSE(link.send("CMD_chat+2+hi|clBlack"));
}

// A host may send far faster than a client can handle: the client takes no more than it
// can hold, TCP holds the rest back at the host, and every line is handled in order.
TEST(ClientLink, HostFasterThanTheClientIsHeldBackNotDropped) {
    struct Case {
        const char* what;
        std::string line;
        int count;
    };
    for (const Case& c : {Case{"tiny lines, whose count is what costs", "CMD_x+", 300000},
                          Case{"a relayed chat flood", "CMD_x+3+abcdef|clBlack", 20000}}) {
        SCOPED_TRACE(c.what);
        FakeHost host;
        ClientLink link;
        answerLogin(link);
        int handled = 0;
        std::size_t mostQueued = 0;
        link.on("CMD_x", [&](std::string_view) {
            ++handled;
            mostQueued = std::max(mostQueued, link.queuedBytes());
        });
        link.on("CMD_last", [&](std::string_view) { handled = -handled; });
        bool closed = false;
        QObject::connect(&link, &ClientLink::closed, [&] { closed = true; });
        link.connectTo("127.0.0.1", host.server.serverPort(), "Bob");
        QTcpSocket* peer = host.accept();
        ASSERT_NE(peer, nullptr);
        std::string flood;
        for (int i = 0; i < c.count; ++i)
            flood += c.line + "\xFF";
        flood += "CMD_last+\xFF";
        peer->write(flood.data(), static_cast<qint64>(flood.size()));

        ASSERT_TRUE(waitUntil([&] { return handled < 0 || closed; }, 60000));
        EXPECT_FALSE(closed);
        EXPECT_EQ(handled, -c.count);
        EXPECT_LE(mostQueued, ClientLink::maxQueuedBytes);
    }
}

// A hostile host sends tiny lines flat out and then closes. The client holds no more
// than a few read steps besides its bounded queue, and what came before the close is
// handled in slices like any other lines, the event loop getting its turn between them.
TEST(ClientLink, AHostThatFloodsAndClosesIsReadInBoundedSteps) {
    FakeHost host;
    ClientLink link;
    answerLogin(link);
    int ticks = 0;
    QTimer ticker;
    QObject::connect(&ticker, &QTimer::timeout, [&] { ++ticks; });
    ticker.start(0);
    int handled = 0, afterClose = 0;
    std::set<int> ticksAfterClose;
    qint64 mostHeld = 0;
    link.on("CMD_x", [&](std::string_view) {
        // Each line costs the window a little, as a chat line does.
        QElapsedTimer cost;
        cost.start();
        while (cost.nsecsElapsed() < 20000) {
        }
        ++handled;
        mostHeld = std::max(mostHeld, link.heldInput());
        if (link.ending() != ClientLink::Ending::open) {
            ++afterClose;
            ticksAfterClose.insert(ticks);
        }
    });
    bool closed = false;
    QObject::connect(&link, &ClientLink::closed, [&] { closed = true; });
    link.connectTo("127.0.0.1", host.server.serverPort(), "Bob");
    QTcpSocket* peer = host.accept();
    ASSERT_NE(peer, nullptr);
    constexpr int lines = 100000;
    std::string flood;
    for (int i = 0; i < lines; ++i)
        flood += "CMD_x+\xFF";
    peer->write(flood.data(), static_cast<qint64>(flood.size()));
    // The host closes its sending side once the system holds the whole flood. Its socket
    // stays open meanwhile: an orphaned one that a slow reader keeps waiting may be reset
    // by the system, which would throw away the end of the flood at the client.
    ASSERT_TRUE(waitUntil([&] { return peer->bytesToWrite() == 0; }, 120000));
    ASSERT_EQ(::shutdown(static_cast<int>(peer->socketDescriptor()), SHUT_WR), 0);

    ASSERT_TRUE(waitUntil([&] { return closed; }, 120000));
    EXPECT_EQ(handled, lines);
    EXPECT_LE(mostHeld, ClientLink::readChunkBytes * (TSock::readAheadSteps + 1));
    ASSERT_GT(afterClose, 1000);
    EXPECT_GT(ticksAfterClose.size(), 1u);
}

TEST(ClientLink, KeepsTheConnectionProbed) {
    FakeHost host;
    ClientLink link;
    answerLogin(link);
    link.connectTo("127.0.0.1", host.server.serverPort(), "Bob");
    QTcpSocket* peer = host.accept();
    ASSERT_NE(peer, nullptr);
    std::optional<int> fd;
    ASSERT_TRUE(waitUntil([&] {
        fd = findSocket(peer->peerPort(), host.server.serverPort());
        return fd.has_value() && keepAliveOf(*fd).on != 0;
    }));
    const KeepAlive k = keepAliveOf(*fd);
    EXPECT_NE(k.on, 0);
    // Silent, or with output unacknowledged, a vanished peer is given up within a minute.
    EXPECT_GT(k.userTimeoutMs, 0u);
    EXPECT_LE(k.givesUpWithinS(), 60);
}

}  // namespace
}  // namespace tess::testing

namespace tess::testing {
namespace {

long residentKb() {
    std::ifstream status("/proc/self/status");
    for (std::string line; std::getline(status, line);)
        if (line.rfind("VmRSS:", 0) == 0) return std::stol(line.substr(6));
    return 0;
}

// Whatever a local process sends on the lobby's port is read and thrown away.
TEST(ClientLink, LobbyLinkDropsWhatArrives) {
    QTcpServer lobby;
    ASSERT_TRUE(lobby.listen(QHostAddress::LocalHost, 0));
    ClientLink link;
    link.openLobbyLink(lobby.serverPort());
    ASSERT_TRUE(waitUntil([&] { return lobby.hasPendingConnections(); }));
    QTcpSocket* peer = lobby.nextPendingConnection();
    const QByteArray chunk(1024 * 1024, 'x');
    constexpr int megabytes = 160;
    int written = 0;
    const auto more = [&] {
        while (written < megabytes && peer->bytesToWrite() < 2 * chunk.size()) {
            peer->write(chunk);
            ++written;
        }
    };
    QObject::connect(peer, &QTcpSocket::bytesWritten, more);
    const long before = residentKb();
    more();
    ASSERT_TRUE(
        waitUntil([&] { return written == megabytes && peer->bytesToWrite() == 0; }, 60000));
    EXPECT_LT(residentKb() - before, 32 * 1024) << "kB kept of " << megabytes << " MB sent";
}

TEST(ClientLink, RefusesASecondHandlerForAWord) {
    ClientLink link;
    link.on("CMD_chat", [](std::string_view) {});
    EXPECT_THROW(link.on("CMD_chat", [](std::string_view) {}), std::logic_error);
}

}  // namespace
}  // namespace tess::testing
