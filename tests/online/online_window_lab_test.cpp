// The Find Players Online window and a listed table, against the real prosody of
// xmpp_lab.sh: what the user sees of the room, joining through it, and a host that
// cannot be reached saying so before anything is listed.
#include <gtest/gtest.h>

#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTreeWidget>

#include "client/joining/online_form.h"
#include "client/joining/online_listing.h"
#include "lab_account.h"
#include "online/online_lobby.h"

namespace tess {
namespace {

QString env(const char* name) { return qEnvironmentVariable(name); }

LobbyAccount account(const QString& nick, const QString& room) { return labAccount(nick, room); }

// A settings file that points the window at the lab's server and room.
QString settingsFor(const QTemporaryDir& dir, const QString& room) {
    const QString path = dir.filePath(QStringLiteral("orvanelobby.ini"));
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(QStringLiteral("[Other]\nkeep=me\n[Tessarine]\nOnlineserver=%1\nOnlineroom=%2@%3\n"
                              "Onlineaddress=%4:%5\n")
                   .arg(env("TESS_XMPP_DOMAIN"), room, env("TESS_XMPP_ROOMS"),
                        env("TESS_XMPP_ADDRESS"), env("TESS_XMPP_PORT"))
                   .toUtf8());
    return path;
}

ListedTable tableOf(const QString& host) { return {host, 1, 4, 0, false, {}}; }

TEST(Lab, TheWindowShowsTheRoomAndJoinsThroughIt) {
    OnlineLobby host;
    host.listTable(tableOf(QStringLiteral("Ann")));
    host.start(account(QStringLiteral("Ann"), QStringLiteral("window")));
    QTemporaryDir dir;
    OnlineLobby lobby;
    Tonline window(settingsFor(dir, QStringLiteral("window")), lobby);
    window.show();
    window.findChild<QLineEdit*>(QStringLiteral("edit_name"))->setText(QStringLiteral("Bo"));
    QTest::mouseClick(window.connectButton(), Qt::LeftButton);
    ASSERT_TRUE(
        QTest::qWaitFor([&] { return window.tableList()->topLevelItemCount() == 1; }, 20000));
    QTreeWidgetItem* row = window.tableList()->topLevelItem(0);
    EXPECT_EQ(row->text(0), QStringLiteral("Ann"));
    EXPECT_EQ(row->text(1), QStringLiteral("1 of 4"));
    EXPECT_EQ(row->text(3), QStringLiteral("waiting"));
    ASSERT_TRUE(QTest::qWaitFor([&] { return window.peopleList()->count() == 2; }, 10000));

    // Room chat goes out as typed and comes back as plain text.
    QSignalSpy heard(&host, &OnlineLobby::chatLines);
    QTest::keyClicks(window.chatInput(), QStringLiteral("<i>hi</i>"));
    QTest::keyClick(window.chatInput(), Qt::Key_Return);
    ASSERT_TRUE(heard.wait(10000));
    EXPECT_EQ(heard.at(0).at(0).toStringList().first(), QStringLiteral("Bo: <i>hi</i>"));

    // Join asks the host; its answer starts the join as the user named it.
    OnlineListing listing(host, [] { return tableOf(QStringLiteral("Ann")); });
    listing.setReachable(QStringLiteral("11.22.33.44"));
    listing.setOn(true);
    QSignalSpy joins(&window, &Tonline::joinRequested);
    window.tableList()->setCurrentItem(row);
    QTest::mouseClick(window.joinButton(), Qt::LeftButton);
    ASSERT_TRUE(joins.wait(10000));
    EXPECT_EQ(joins.at(0).at(0).toString(), QStringLiteral("Bo"));
    EXPECT_EQ(joins.at(0).at(1).toString(), QStringLiteral("11.22.33.44"));
    // The room's keys went into our section; the other section is untouched.
    QFile ini(dir.filePath(QStringLiteral("orvanelobby.ini")));
    ASSERT_TRUE(ini.open(QIODevice::ReadOnly));
    EXPECT_TRUE(ini.readAll().startsWith("[Other]\nkeep=me\n[Tessarine]\n"));
}

TEST(Lab, AnUnreachableHostSaysSoAndIsNotListed) {
    OnlineLobby watcher, host;
    watcher.start(account(QStringLiteral("Wes"), QStringLiteral("unreachable")));
    host.start(account(QStringLiteral("Hal"), QStringLiteral("unreachable")));
    ASSERT_TRUE(QTest::qWaitFor(
        [&] {
            return watcher.state() == OnlineLobby::State::inRoom &&
                   host.state() == OnlineLobby::State::inRoom;
        },
        20000));
    OnlineListing listing(host, [] { return tableOf(QStringLiteral("Hal")); });
    QSignalSpy said(&listing, &OnlineListing::notice);
    listing.setOn(true);
    ASSERT_EQ(said.size(), 1);
    EXPECT_TRUE(said.at(0).at(0).toString().contains(QStringLiteral("cannot be reached")));
    EXPECT_TRUE(watcher.view().tables.isEmpty());
    // Once the router forwards the port the table is listed: it would have shown before.
    listing.setReachable(QStringLiteral("11.22.33.44"));
    ASSERT_TRUE(QTest::qWaitFor([&] { return watcher.view().tables.size() == 1; }, 10000));
    // When the router stops forwarding, or the user switches it off, it goes.
    listing.setReachable(QString());
    ASSERT_TRUE(QTest::qWaitFor([&] { return watcher.view().tables.isEmpty(); }, 10000));
    listing.setReachable(QStringLiteral("11.22.33.44"));
    ASSERT_TRUE(QTest::qWaitFor([&] { return watcher.view().tables.size() == 1; }, 10000));
    listing.setOn(false);
    ASSERT_TRUE(QTest::qWaitFor([&] { return watcher.view().tables.isEmpty(); }, 10000));
}

// A server without anonymous logins, or without the room, says which and leaves the
// settings open to choose another.
TEST(Lab, AServerOrRoomThatWillNotHaveUsSaysWhyAndOffersAnother) {
    struct Case {
        QString server, room, says;
    };
    const QString rooms = env("TESS_XMPP_ROOMS");
    const Case cases[] = {
        {env("TESS_XMPP_ACCOUNTS"), QStringLiteral("tables@") + rooms,
         QStringLiteral("does not allow logging in without an account")},
        {env("TESS_XMPP_DOMAIN"), QStringLiteral("tables@nowhere.") + env("TESS_XMPP_DOMAIN"),
         QStringLiteral("no such room")},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.server.toStdString() + " " + c.room.toStdString());
        QTemporaryDir dir;
        OnlineLobby lobby;
        Tonline window(settingsFor(dir, QStringLiteral("x")), lobby);
        window.show();
        window.findChild<QLineEdit*>(QStringLiteral("edit_name"))->setText(QStringLiteral("Bo"));
        auto* server = window.findChild<QLineEdit*>(QStringLiteral("edit_server"));
        server->setText(c.server);
        window.findChild<QLineEdit*>(QStringLiteral("edit_room"))->setText(c.room);
        QTest::mouseClick(window.connectButton(), Qt::LeftButton);
        ASSERT_TRUE(QTest::qWaitFor(
            [&] { return window.statusLine()->text().contains(QStringLiteral("choose another")); },
            20000));
        EXPECT_TRUE(window.statusLine()->text().contains(c.says))
            << window.statusLine()->text().toStdString();
        EXPECT_EQ(lobby.state(), OnlineLobby::State::offline);
        EXPECT_TRUE(server->isEnabled());
        EXPECT_EQ(window.connectButton()->text(), QStringLiteral("Connect"));
    }
}

}  // namespace
}  // namespace tess
