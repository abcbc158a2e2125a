// The online lobby when the server goes away and comes back (prosody of xmpp_lab.sh,
// killed and started again): a lost link is tried again and the table listed again; a
// login the returning server refuses is not tried again.
#include <gtest/gtest.h>
#include <signal.h>

#include <QFile>
#include <QProcess>
#include <QSignalSpy>
#include <QTest>

#include "lab_account.h"
#include "online/online_lobby.h"

namespace tess {
namespace {

QString labFile(const char* name) {
    return qEnvironmentVariable("TESS_XMPP_LAB_DIR") + QLatin1Char('/') + QLatin1String(name);
}

bool prosodyctl(const QStringList& args) {
    return QProcess::execute(
               QStringLiteral("prosodyctl"),
               QStringList{QStringLiteral("--config"), labFile("prosody.cfg.lua")} + args) == 0;
}

// Kills the lab's server outright, as a crash or a cut cable would end it.
void killServer() {
    QFile pidFile(labFile("prosody.pid"));
    ASSERT_TRUE(pidFile.open(QIODevice::ReadOnly));
    const pid_t pid = static_cast<pid_t>(pidFile.readAll().trimmed().toInt());
    ASSERT_GT(pid, 0);
    ASSERT_EQ(::kill(pid, SIGKILL), 0);
    ASSERT_TRUE(QTest::qWaitFor([pid] { return ::kill(pid, 0) != 0; }, 10000));
}

void startServer() {
    ASSERT_TRUE(QProcess::startDetached(QStringLiteral("prosody"),
                                        {QStringLiteral("--config"), labFile("prosody.cfg.lua")}));
}

bool seesTable(const OnlineLobby& lobby, const QString& host) {
    for (const RoomTable& t : lobby.view().tables)
        if (t.table.hostName == host) return true;
    return false;
}

int countOf(const QSignalSpy& spy, const QString& part) {
    int n = 0;
    for (const auto& args : spy)
        n += args.at(0).toString().contains(part) ? 1 : 0;
    return n;
}

TEST(Lab, ALostLinkIsTriedAgainAndARefusedLoginIsNot) {
    LobbyTimes times;
    times.retryFirstMs = 300;
    times.retryMostMs = 1200;
    OnlineLobby host(times), player(times), alice(times);
    host.listTable(ListedTable{QStringLiteral("Ann"), 1, 4, 0, false, {}});
    host.start(labAccount(QStringLiteral("Ann"), QStringLiteral("back")));
    player.start(labAccount(QStringLiteral("Bo"), QStringLiteral("back")));
    LobbyAccount account = labAccount(QStringLiteral("Alice"), QStringLiteral("back"));
    account.jid = QStringLiteral("alice@") + qEnvironmentVariable("TESS_XMPP_ACCOUNTS");
    account.password = QStringLiteral("alicepw");
    alice.start(account);
    ASSERT_TRUE(QTest::qWaitFor(
        [&] {
            return alice.state() == OnlineLobby::State::inRoom &&
                   host.state() == OnlineLobby::State::inRoom && seesTable(player, "Ann");
        },
        20000));

    QSignalSpy playerNotices(&player, &OnlineLobby::notice);
    QSignalSpy aliceNotices(&alice, &OnlineLobby::notice);
    killServer();
    // Everybody is told, keeps the place and tries again; the room's view is emptied.
    ASSERT_TRUE(QTest::qWaitFor(
        [&] { return countOf(playerNotices, QStringLiteral("Trying again")) >= 2; }, 20000));
    for (OnlineLobby* l : {&host, &player, &alice})
        EXPECT_EQ(l->state(), OnlineLobby::State::connecting);
    EXPECT_TRUE(player.view().tables.isEmpty());
    EXPECT_GE(countOf(aliceNotices, QStringLiteral("lost")), 1);

    // Alice's password changes while the server is down.
    const QString users = qEnvironmentVariable("TESS_XMPP_ACCOUNTS");
    ASSERT_TRUE(prosodyctl({QStringLiteral("deluser"), QStringLiteral("alice@") + users}));
    ASSERT_TRUE(prosodyctl(
        {QStringLiteral("register"), QStringLiteral("alice"), users, QStringLiteral("newpw")}));
    startServer();

    // The host is back in the room with its table listed again; the player sees it.
    ASSERT_TRUE(QTest::qWaitFor([&] { return seesTable(player, "Ann"); }, 30000));
    EXPECT_EQ(host.state(), OnlineLobby::State::inRoom);
    // Alice's login is refused once, and not tried again: by the time two more of the
    // longest pauses have passed beside the others' return, she is still offline.
    ASSERT_TRUE(
        QTest::qWaitFor([&] { return alice.state() == OnlineLobby::State::offline; }, 20000));
    EXPECT_GE(countOf(aliceNotices, QStringLiteral("refused the login")), 1);
    const int tries = countOf(aliceNotices, QStringLiteral("again…"));
    QTest::qWait(2 * times.retryMostMs + 500);
    EXPECT_EQ(alice.state(), OnlineLobby::State::offline);
    EXPECT_EQ(countOf(aliceNotices, QStringLiteral("again…")), tries);

    // Restore the account for the tests after this one.
    EXPECT_TRUE(prosodyctl({QStringLiteral("deluser"), QStringLiteral("alice@") + users}));
    EXPECT_TRUE(prosodyctl(
        {QStringLiteral("register"), QStringLiteral("alice"), users, QStringLiteral("alicepw")}));
}

}  // namespace
}  // namespace tess
