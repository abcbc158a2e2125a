// Hostile occupants and a stalling server, against the real prosody of xmpp_lab.sh: what
// strangers send is cleaned and bounded, floods are coalesced, and the user is told.
#include <gtest/gtest.h>
#include <signal.h>

#include <QFile>
#include <QSignalSpy>
#include <QTest>

#include "lab_account.h"
#include "online/online_lobby.h"
#include "scripted_client.h"

namespace tess {
namespace {

LobbyAccount account(const QString& nick, const QString& room) { return labAccount(nick, room); }

bool inRoom(OnlineLobby& lobby) {
    return QTest::qWaitFor([&] { return lobby.state() == OnlineLobby::State::inRoom; }, 20000);
}

std::string table(const std::string& host, int seated) {
    return "<table xmlns='urn:x-tessarine:table:0' host='" + host + "' seated='" +
           std::to_string(seated) + "' size='4' spectators='0' state='waiting'/>";
}

QStringList allLines(QSignalSpy& spy) {
    QStringList out;
    for (const auto& args : spy)
        out << args.at(0).toStringList();
    return out;
}

TEST(Lab, HostileNamesAreCleanedAndFloodsCoalesced) {
    OnlineLobby watcher;
    watcher.start(account(QStringLiteral("Wendy"), QStringLiteral("hostile")));
    ASSERT_TRUE(inRoom(watcher));
    QSignalSpy views(&watcher, &OnlineLobby::viewChanged);
    QSignalSpy lines(&watcher, &OnlineLobby::chatLines);

    // The server itself refuses names with bidirectional controls; fields are another matter.
    ScriptedClient mallory(account(QStringLiteral("Mallory"), QStringLiteral("hostile")));
    ASSERT_TRUE(QTest::qWaitFor([&] { return mallory.inRoom(); }, 20000));
    constexpr int updates = 3000;
    for (int i = 1; i <= updates; ++i)
        mallory.send("<presence to='" + mallory.self() + "'>" +
                     table(i == updates ? "Fin&#x202E;al&#x200B;" : "Flood", i % 4) +
                     "</presence>");
    ASSERT_TRUE(QTest::qWaitFor(
        [&] {
            const RoomView& v = watcher.view();
            return v.tables.size() == 1 && v.tables[0].table.hostName == QStringLiteral("Final");
        },
        60000));
    EXPECT_EQ(watcher.view().tables[0].table.seated, updates % 4);
    EXPECT_TRUE(watcher.view().people.contains(QStringLiteral("Mallory")))
        << watcher.view().people.join(',').toStdString();
    // The window hears of the room a few times a second, not once per presence.
    EXPECT_LT(views.size(), updates / 10);

    // A long line is cut, a flood of lines arrives (or is said to be dropped), in order.
    mallory.send("<message type='groupchat' to='" + mallory.room() + "'><body>" +
                 std::string(100'000, 'x') + "</body></message>");
    for (int i = 0; i < 500; ++i)
        mallory.send("<message type='groupchat' to='" + mallory.room() + "'><body>line " +
                     std::to_string(i) + "</body></message>");
    ASSERT_TRUE(QTest::qWaitFor(
        [&] { return allLines(lines).contains(QStringLiteral("Mallory: line 499")); }, 60000));
    for (const QString& line : allLines(lines))
        EXPECT_LE(line.toUtf8().size(), maxLobbyChatBytes + maxLobbyNameBytes + 2);
}

TEST(Lab, AHugeStanzaEndsOnlyItsSender) {
    OnlineLobby watcher;
    watcher.start(account(QStringLiteral("Walt"), QStringLiteral("huge")));
    ASSERT_TRUE(inRoom(watcher));
    ScriptedClient sender(account(QStringLiteral("Big"), QStringLiteral("huge")));
    ASSERT_TRUE(QTest::qWaitFor([&] { return sender.inRoom(); }, 20000));
    ASSERT_TRUE(QTest::qWaitFor(
        [&] { return watcher.view().people.contains(QStringLiteral("Big")); }, 10000));
    sender.send("<presence to='" + sender.self() + "'><status>" +
                std::string(10 * 1024 * 1024, 'y') + "</status></presence>");
    // The server cuts the sender off; the room sees it go, and the watcher stays.
    ASSERT_TRUE(QTest::qWaitFor(
        [&] { return !watcher.view().people.contains(QStringLiteral("Big")); }, 60000));
    EXPECT_EQ(watcher.state(), OnlineLobby::State::inRoom);
}

TEST(Lab, JoinRequestsAreLimitedPerSender) {
    OnlineLobby host;
    host.listTable(ListedTable{QStringLiteral("Hank"), 1, 4, 0, false, {}});
    host.start(account(QStringLiteral("Hank"), QStringLiteral("asking")));
    ASSERT_TRUE(inRoom(host));
    QSignalSpy asked(&host, &OnlineLobby::joinRequested);
    QSignalSpy lines(&host, &OnlineLobby::chatLines);
    ScriptedClient pest(account(QStringLiteral("Pest"), QStringLiteral("asking")));
    ScriptedClient polite(account(QStringLiteral("Polly"), QStringLiteral("asking")));
    ASSERT_TRUE(QTest::qWaitFor([&] { return pest.inRoom() && polite.inRoom(); }, 20000));
    const std::string to = pest.room() + "/Hank";
    for (int i = 0; i < 20; ++i)
        pest.send("<message type='chat' to='" + to + "'><join xmlns='urn:x-tessarine:join:0' id='" +
                  std::to_string(i) + "'/></message>");
    // Said in the room after the requests: once the host reads it, all of them have come.
    pest.send("<message type='groupchat' to='" + pest.room() + "'><body>done</body></message>");
    ASSERT_TRUE(QTest::qWaitFor(
        [&] { return allLines(lines).contains(QStringLiteral("Pest: done")); }, 20000));
    QTest::qWait(300);  // one more view of the room: the requests were handled before it
    EXPECT_EQ(asked.size(), 3);
    polite.send("<message type='chat' to='" + to +
                "'><join xmlns='urn:x-tessarine:join:0' id='p'/></message>");
    ASSERT_TRUE(QTest::qWaitFor([&] { return asked.size() == 4; }, 10000));
    EXPECT_EQ(asked.last().at(0).toString(), QStringLiteral("Polly"));
}

// Continues the server whatever the test's outcome.
struct Stopped {
    explicit Stopped(pid_t pid) : pid(pid) { ::kill(pid, SIGSTOP); }
    ~Stopped() { ::kill(pid, SIGCONT); }
    pid_t pid;
};

TEST(Lab, AStalledServerIsSaid) {
    LobbyTimes quick;
    quick.pingMs = 1000;
    quick.answerMs = 2000;
    OnlineLobby lobby(quick);
    QSignalSpy said(&lobby, &OnlineLobby::notice);
    lobby.start(account(QStringLiteral("Stan"), QStringLiteral("stall")));
    ASSERT_TRUE(inRoom(lobby));
    QFile pidFile(qEnvironmentVariable("TESS_XMPP_LAB_DIR") + QStringLiteral("/prosody.pid"));
    ASSERT_TRUE(pidFile.open(QIODevice::ReadOnly));
    const Stopped stopped(static_cast<pid_t>(pidFile.readAll().trimmed().toInt()));
    // Said, and tried again later (it was in the room, so the link is what failed).
    const auto stalled = [&] {
        for (const auto& args : said)
            if (args.at(0).toString().startsWith(QStringLiteral("The server stopped answering. "
                                                                "Trying again")))
                return true;
        return false;
    };
    ASSERT_TRUE(QTest::qWaitFor(stalled, 20000));
    EXPECT_NE(lobby.state(), OnlineLobby::State::offline);
}

TEST(Lab, AnUntrustedCertificateGetsNothing) {
    const QByteArray trusted = qgetenv("SSL_CERT_FILE");
    qputenv("SSL_CERT_FILE", "/nonexistent");
    OnlineLobby lobby;
    QSignalSpy said(&lobby, &OnlineLobby::notice);
    lobby.start(account(QStringLiteral("Tom"), QStringLiteral("tls")));
    const bool ended =
        QTest::qWaitFor([&] { return lobby.state() == OnlineLobby::State::offline; }, 20000);
    qputenv("SSL_CERT_FILE", trusted);
    ASSERT_TRUE(ended);
    EXPECT_TRUE(said.last().at(0).toString().contains(QStringLiteral("certificate")))
        << said.last().at(0).toString().toStdString();
}

}  // namespace
}  // namespace tess
