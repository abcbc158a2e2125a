// The online lobby against a real XMPP server (prosody, started by xmpp_lab.sh in a
// network namespace of its own): listing, seeing, asking and answering, leaving.
#include <gtest/gtest.h>

#include <QSignalSpy>
#include <QTest>

#include "lab_account.h"
#include "online/online_lobby.h"

namespace tess {
namespace {

QString env(const char* name) { return qEnvironmentVariable(name); }

LobbyAccount account(const QString& nick, const QString& room = QStringLiteral("tables")) {
    return labAccount(nick, room);
}

bool inRoom(OnlineLobby& lobby) {
    return QTest::qWaitFor([&] { return lobby.state() == OnlineLobby::State::inRoom; }, 20000);
}

std::optional<RoomTable> tableOf(const OnlineLobby& lobby, const QString& host) {
    for (const RoomTable& t : lobby.view().tables)
        if (t.table.hostName == host) return t;
    return std::nullopt;
}

QStringList notices(QSignalSpy& spy) {
    QStringList out;
    for (const auto& args : spy)
        out << args.at(0).toString();
    return out;
}

TEST(Lab, AHostListsAPlayerSeesAsksAndIsAnswered) {
    OnlineLobby host, player;
    host.listTable(ListedTable{QStringLiteral("Ann"), 1, 4, 0, false, {}});
    host.start(account(QStringLiteral("Ann")));
    player.start(account(QStringLiteral("Bo")));
    ASSERT_TRUE(inRoom(host));
    ASSERT_TRUE(inRoom(player));

    ASSERT_TRUE(
        QTest::qWaitFor([&] { return tableOf(player, QStringLiteral("Ann")).has_value(); }, 10000));
    const RoomTable seen = *tableOf(player, QStringLiteral("Ann"));
    EXPECT_EQ(seen.table.seated, 1);
    EXPECT_EQ(seen.table.tableSize, 4);
    EXPECT_FALSE(seen.table.playing);
    EXPECT_TRUE(player.view().people.contains(QStringLiteral("Ann")));

    // A change of the table follows within a few seconds.
    host.listTable(ListedTable{QStringLiteral("Ann"), 2, 4, 1, true, {}});
    ASSERT_TRUE(QTest::qWaitFor(
        [&] {
            const auto t = tableOf(player, QStringLiteral("Ann"));
            return t && t->table.playing && t->table.seated == 2 && t->table.spectators == 1;
        },
        10000));

    // Asking goes to the host alone; its answer comes back to the player.
    QSignalSpy asked(&host, &OnlineLobby::joinRequested);
    QSignalSpy answered(&player, &OnlineLobby::joinAnswered);
    QSignalSpy failed(&player, &OnlineLobby::joinFailed);
    player.askToJoin(seen.occupant);
    ASSERT_TRUE(asked.wait(10000));
    EXPECT_EQ(asked.at(0).at(0).toString(), player.nick());
    host.answerJoin(asked.at(0).at(0).toString(), asked.at(0).at(1).toString(),
                    QStringLiteral("11.22.33.44"), 7772);
    ASSERT_TRUE(answered.wait(10000));
    EXPECT_EQ(answered.at(0).at(1).toString(), QStringLiteral("11.22.33.44"));
    EXPECT_EQ(answered.at(0).at(2).toInt(), 7772);

    // An answer that points inside a network, or at another port, is refused.
    for (const auto& [address, port] : {std::pair{QStringLiteral("192.168.1.5"), 7772},
                                        std::pair{QStringLiteral("11.22.33.44"), 22}}) {
        failed.clear();
        player.askToJoin(seen.occupant);
        ASSERT_TRUE(asked.wait(10000));
        host.answerJoin(asked.last().at(0).toString(), asked.last().at(1).toString(), address,
                        port);
        ASSERT_TRUE(failed.wait(10000)) << address.toStdString();
    }
    EXPECT_EQ(answered.size(), 1);
}

TEST(Lab, RoomChatIsPlainCleanedText) {
    OnlineLobby a, b;
    a.start(account(QStringLiteral("Cy"), QStringLiteral("chat")));
    b.start(account(QStringLiteral("Di"), QStringLiteral("chat")));
    ASSERT_TRUE(inRoom(a));
    ASSERT_TRUE(inRoom(b));
    QSignalSpy lines(&b, &OnlineLobby::chatLines);
    a.say(QStringLiteral("hello \u202Edlrow\u200B <b>bold</b>"));
    QStringList all;
    ASSERT_TRUE(QTest::qWaitFor(
        [&] {
            for (const auto& args : lines)
                all << args.at(0).toStringList();
            lines.clear();
            return all.contains(QStringLiteral("Cy: hello dlrow <b>bold</b>"));
        },
        10000))
        << all.join('\n').toStdString();
}

TEST(Lab, ATableGoesWhenItsHostLeaves) {
    OnlineLobby watcher;
    watcher.start(account(QStringLiteral("Eve"), QStringLiteral("leaving")));
    ASSERT_TRUE(inRoom(watcher));
    {
        OnlineLobby host;
        host.listTable(ListedTable{QStringLiteral("Fay"), 1, 2, 0, false, {}});
        host.start(account(QStringLiteral("Fay"), QStringLiteral("leaving")));
        ASSERT_TRUE(QTest::qWaitFor(
            [&] { return tableOf(watcher, QStringLiteral("Fay")).has_value(); }, 20000));
        // Withdrawn while the host stays in the room.
        host.listTable(std::nullopt);
        ASSERT_TRUE(QTest::qWaitFor(
            [&] { return !tableOf(watcher, QStringLiteral("Fay")).has_value(); }, 10000));
        host.listTable(ListedTable{QStringLiteral("Fay"), 1, 2, 0, false, {}});
        ASSERT_TRUE(QTest::qWaitFor(
            [&] { return tableOf(watcher, QStringLiteral("Fay")).has_value(); }, 10000));
    }
    ASSERT_TRUE(QTest::qWaitFor(
        [&] {
            return !tableOf(watcher, QStringLiteral("Fay")).has_value() &&
                   !watcher.view().people.contains(QStringLiteral("Fay"));
        },
        10000));
}

TEST(Lab, ATakenNameGetsANumberAndAccountsLogIn) {
    OnlineLobby first, second;
    first.start(account(QStringLiteral("Gil"), QStringLiteral("names")));
    ASSERT_TRUE(inRoom(first));
    LobbyAccount own = account(QStringLiteral("Gil"), QStringLiteral("names"));
    own.jid = QStringLiteral("alice@") + env("TESS_XMPP_ACCOUNTS");
    own.password = QStringLiteral("alicepw");
    second.start(own);
    ASSERT_TRUE(inRoom(second));
    EXPECT_EQ(second.nick(), QStringLiteral("Gil (2)"));

    OnlineLobby wrong;
    QSignalSpy said(&wrong, &OnlineLobby::notice);
    own.password = QStringLiteral("not it");
    wrong.start(own);
    ASSERT_TRUE(
        QTest::qWaitFor([&] { return wrong.state() == OnlineLobby::State::offline; }, 20000));
    EXPECT_TRUE(notices(said).last().contains(QStringLiteral("check the account and password")))
        << notices(said).join('\n').toStdString();
}

TEST(Lab, AServerThatIsNotThereIsSaid) {
    OnlineLobby lobby;
    QSignalSpy said(&lobby, &OnlineLobby::notice);
    LobbyAccount a = account(QStringLiteral("Hal"));
    a.port = 5299;  // nothing listens there
    lobby.start(a);
    ASSERT_TRUE(
        QTest::qWaitFor([&] { return lobby.state() == OnlineLobby::State::offline; }, 20000));
    EXPECT_TRUE(notices(said).last().contains(QStringLiteral("Could not reach")))
        << notices(said).join('\n').toStdString();
}

}  // namespace
}  // namespace tess
