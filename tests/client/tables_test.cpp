// Tables with others from the main window: hosting and joining from the windows (the
// table then starts again as the lobby starts it), invitations, IPv6, and the plain words
// for a table that cannot be reached or goes away.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QFile>
#include <QHostInfo>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QTcpServer>
#include <QTemporaryDir>
#include <QTest>
#include <functional>
#include <memory>

#include "client/joining/connecting_box.h"
#include "client/joining/host_form.h"
#include "client/joining/invitation.h"
#include "client/joining/join_form.h"
#include "client/start/program.h"
#include "client/table/board_view.h"
#include "client/table/main_menu.h"
#include "client/table/tchat.h"
#include "engine/virtual_clock.h"
#include "net/server.h"
#include "social/chat_panel.h"
#include "social/chat_view.h"
#include "tests/support/fake_host.h"
#include "tests/support/stacked_random.h"
#include "tests/support/test_client.h"
#include "tests/support/window_helpers.h"

namespace tess::testing {
namespace {

class TablesTest : public ::testing::Test {
protected:
    void start(QStringList args, quint16 port = 0, int answerMs = 10000) {
        TchatOptions options;
        options.args = std::move(args);
        options.settingsPath = dir.filePath("orvanelobby.ini");
        options.port = port;
        options.lobbyPort = lobbyPort;
        options.answerMs = answerMs;
        chat = nullptr;
        program.reset();
        program = std::make_unique<Program>(options);
        chat = &program->chat();
        chat->show();
    }
    QString settingsText() const {
        QFile f(dir.filePath("orvanelobby.ini"));
        return f.open(QIODevice::ReadOnly) ? QString::fromUtf8(f.readAll()) : QString();
    }
    bool chatShows(const QString& text) const {
        return waitUntil([&] { return chat->chat()->view()->toPlainText().contains(text); });
    }
    QString boxText() {
        return waitUntil([] { return openBox() != nullptr; }) ? openBox()->text() : QString();
    }
    void takeOffer() {
        ASSERT_NE(openBox(), nullptr);
        QTest::mouseClick(openBox()->findChild<QPushButton*>("button_offer"), Qt::LeftButton);
    }

    QTemporaryDir dir;
    quint16 lobbyPort = freePort();  // nobody there: ignored
    std::unique_ptr<Program> program;
    Tchat* chat = nullptr;
};

// From the solo table: File > Host a Table…, a name, Enter. The solo table ends and
// frees its port, and the program starts again exactly as the lobby would start it.
TEST_F(TablesTest, HostingFromTheWindowStartsTheTableAsTheLobbyWould) {
    const quint16 port = freePort();
    start({}, port);
    ASSERT_TRUE(chatShows("You are Connected."));
    EXPECT_FALSE(chat->menu()->CopyInvitation1->isEnabled());  // a solo table is nobody's
    chat->menu()->HostTable1->trigger();
    Thost* host = chat->hostWindow();
    ASSERT_NE(host, nullptr);
    ASSERT_TRUE(host->isVisible());
    host->nameField()->setText("Zed");
    QTest::keyClick(host->nameField(), Qt::Key_Return);
    ASSERT_TRUE(waitUntil([&] { return program->nextStart().has_value(); }));
    EXPECT_EQ(*program->nextStart(), (QStringList{"Zed", "127.0.0.1", "true"}));
    EXPECT_FALSE(chat->isVisible());

    start(*program->nextStart(), port);  // the old program goes first, as in main()
    ASSERT_TRUE(chatShows("You are Connected."));
    EXPECT_TRUE(chat->hosting());
    EXPECT_EQ(program->server().name(1), "Zed");
    EXPECT_FALSE(chat->menu()->HostTable1->isEnabled());
    EXPECT_TRUE(chat->menu()->CopyInvitation1->isEnabled());
}

TEST_F(TablesTest, JoiningFromTheWindowStartsAsTheLobbyWould) {
    start({});
    ASSERT_TRUE(chatShows("You are Connected."));
    chat->menu()->JoinTable1->trigger();
    Tjoin* join = chat->joinWindow();
    ASSERT_NE(join, nullptr);
    join->nameField()->setText("Bob");
    join->setAddress("[2001:db8::7]");
    QTest::mouseClick(join->joinButton(), Qt::LeftButton);
    ASSERT_TRUE(waitUntil([&] { return program->nextStart().has_value(); }));
    EXPECT_EQ(*program->nextStart(), (QStringList{"Bob", "2001:db8::7", "false"}));
}

// A table with others is left only on a yes: for a host it ends the table for everybody.
TEST_F(TablesTest, LeavingATableWithOthersTakesAYes) {
    start({"Ann", "127.0.0.1", "true"});
    ASSERT_TRUE(chatShows("You are Connected."));
    chat->openJoinWindow("192.0.2.1");
    chat->joinWindow()->nameField()->setText("Ann");
    QTest::mouseClick(chat->joinWindow()->joinButton(), Qt::LeftButton);
    EXPECT_EQ(boxText(), "This ends your table for everybody at it.");
    openBox()->accept();  // closed without a yes
    QTest::qWait(50);
    EXPECT_FALSE(program->nextStart());
    EXPECT_TRUE(chat->isVisible());
    chat->openJoinWindow();
    QTest::mouseClick(chat->joinWindow()->joinButton(), Qt::LeftButton);
    ASSERT_FALSE(boxText().isEmpty());
    takeOffer();
    ASSERT_TRUE(waitUntil([&] { return program->nextStart().has_value(); }));
    EXPECT_EQ(*program->nextStart(), (QStringList{"Ann", "192.0.2.1", "false"}));
}

// While others sit at the user's table, nothing the user does ends it without a yes:
// closing the window, File > Exit, and a new game in the middle of one.
TEST_F(TablesTest, NothingEndsATableOfSeveralPeopleWithoutAsking) {
    const quint16 port = freePort();
    start({"Ann", "127.0.0.1", "true"}, port);
    ASSERT_TRUE(chatShows("You are Connected."));
    EXPECT_TRUE(chat->othersAtTable().isEmpty());
    TestClient bob(port);
    bob.login("Bob");
    ASSERT_TRUE(chatShows("Bob is Connected."));
    EXPECT_EQ(chat->othersAtTable(), QStringList{"Bob"});

    const QString ends = "Closing Tessarine ends your table for everybody at it: Bob.";
    for (const auto& ask : std::vector<std::function<void()>>{
             [&] { chat->close(); }, [&] { chat->menu()->Exit1->trigger(); }}) {
        ask();
        EXPECT_EQ(boxText(), ends);
        openBox()->accept();  // closed without a yes
        QTest::qWait(50);
        EXPECT_TRUE(chat->isVisible());
        EXPECT_FALSE(bob.waitClosed(0));
    }

    // A new game in the middle of one says what it ends before the options show.
    bob.skipSeen();
    ASSERT_TRUE(chat->link().send("CMD_startgame+Ann+100+60+"));
    ASSERT_NE(bob.waitForPrefix("CMD_roundstart+"), "");
    auto* options = chat->findChild<QDialog*>("gamestart");
    ASSERT_NE(options, nullptr);
    QTest::mouseClick(chat->board()->button_start(), Qt::LeftButton);
    EXPECT_EQ(boxText(),
              "A game is in progress. A new game ends it for everybody at the table: Bob.");
    EXPECT_FALSE(options->isVisible());
    takeOffer();
    EXPECT_TRUE(waitUntil([&] { return options->isVisible(); }));
    options->hide();

    chat->close();
    ASSERT_FALSE(boxText().isEmpty());
    takeOffer();
    EXPECT_TRUE(waitUntil([&] { return !chat->isVisible(); }));
    chat = nullptr;
    program.reset();  // the program ends with its window, as in main()
    EXPECT_TRUE(bob.waitClosed());
}

// A player whose table went is offered another table or a solo game; the join window
// closed without a join leaves a solo game, never an empty table.
TEST_F(TablesTest, APlayerWhoseTableWentGoesOnToAnotherTableOrASoloGame) {
    for (const char* choice : {"Play Solo", "Join a Table…"}) {
        FakeHost host;
        start({"Bob", "127.0.0.1", "false"}, host.port());
        QTcpSocket* peer = host.accept();
        ASSERT_NE(peer, nullptr);
        peer->write("CMD_sendlogininfo+2\xFF");
        ASSERT_TRUE(waitUntil([&] { return chat->link().connected(); }));
        // A table that let the player in is offered first next time.
        EXPECT_TRUE(settingsText().contains("RecentTables=127.0.0.1"));
        peer->disconnectFromHost();
        EXPECT_EQ(boxText(), "You are no longer at the table.");
        QPushButton* pick = nullptr;
        for (auto* b : openBox()->findChildren<QPushButton*>())
            if (b->text() == choice) pick = b;
        ASSERT_NE(pick, nullptr) << choice;
        QTest::mouseClick(pick, Qt::LeftButton);
        if (QString(choice) == "Join a Table…") {
            ASSERT_TRUE(
                waitUntil([&] { return chat->joinWindow() && chat->joinWindow()->isVisible(); }));
            EXPECT_FALSE(program->nextStart());
            chat->joinWindow()->reject();
        }
        ASSERT_TRUE(waitUntil([&] { return program->nextStart().has_value(); })) << choice;
        EXPECT_EQ(*program->nextStart(), QStringList{}) << choice;  // a solo start
    }
}

// Nobody there: said in one sentence, with the join window offered again; the window
// stays.
TEST_F(TablesTest, RefusedJoinSaysSoAndOffersTheJoinWindowAgain) {
    start({"Bob", "127.0.0.1", "false"}, freePort());
    EXPECT_EQ(boxText(),
              "The table at 127.0.0.1 refused the connection: nobody hosts a table there, or a "
              "firewall keeps players out.");
    takeOffer();
    ASSERT_NE(chat->joinWindow(), nullptr);
    EXPECT_TRUE(chat->joinWindow()->isVisible());
    EXPECT_EQ(chat->joinWindow()->address(), "127.0.0.1");
    EXPECT_EQ(chat->joinWindow()->playerName(), "Bob");
    EXPECT_TRUE(chat->isVisible());
}

// While a join is under way a box says to which table, counts the seconds, and Esc gives
// the attempt up and returns to the join window; a table never reached is not remembered.
TEST_F(TablesTest, WhileConnectingTheBoxCountsAndEscReturnsToTheJoinWindow) {
    FakeHost silent;
    start({"Bob", "127.0.0.1", "false"}, silent.port(), 60000);
    ASSERT_NE(silent.accept(), nullptr);
    auto* box = chat->findChild<ConnectingBox*>();
    ASSERT_NE(box, nullptr);
    const QString to =
        QString("Connecting to the table at 127.0.0.1 (port %1)… ").arg(silent.port());
    EXPECT_EQ(box->text(), to + "0 s");
    EXPECT_TRUE(waitUntil([&] { return box->text() == to + "1 s"; }, 3000))
        << box->text().toStdString();
    const QPointer<ConnectingBox> kept(box);
    QTest::keyClick(box, Qt::Key_Escape);
    ASSERT_TRUE(waitUntil([&] { return chat->joinWindow() && chat->joinWindow()->isVisible(); }));
    EXPECT_EQ(chat->joinWindow()->address(), "127.0.0.1");
    EXPECT_EQ(chat->joinWindow()->playerName(), "Bob");
    EXPECT_EQ(openBox(), nullptr);  // given up by the user: nothing to tell
    EXPECT_TRUE(waitUntil([&] { return kept.isNull(); }));
    EXPECT_FALSE(chat->link().connected());
    EXPECT_FALSE(settingsText().contains("RecentTables"));
}

TEST_F(TablesTest, UnansweredJoinIsGivenUpAndSaidSo) {
    FakeHost silent;
    start({"Bob", "127.0.0.1", "false"}, silent.port(), 300);
    ASSERT_NE(silent.accept(), nullptr);
    EXPECT_EQ(boxText(),
              "The table at 127.0.0.1 did not answer within 10 seconds. If a table is hosted "
              "there, its host may need to open port 7772 in its firewall.");
    openBox()->accept();
    EXPECT_TRUE(chat->isVisible());
    EXPECT_FALSE(chat->link().connected());
}

// An address joins where it says or not at all: numbers written in forms that resolvers
// read differently never reach the table that listens at 127.0.0.1, whether they come on
// the command line, in a link or in the join window; the forms that say 127.0.0.1 do.
TEST_F(TablesTest, NumbersInDisguiseJoinNothing) {
    FakeHost listener;
    const char* disguised[] = {"0x7f.1",     "0x7f000001", "0X7F.0.0.1", "0x7f.0.0.0x1",   "127.1",
                               "0177.0.0.1", "2130706433", "127.0.0.01", "[::ffff:0x7f.1]"};
    for (const char* form : disguised) {
        start({"Bob", QString::fromLatin1(form), "false"}, listener.port());
        EXPECT_TRUE(boxText().contains(form)) << form << ": " << boxText().toStdString();
        openBox()->accept();
        start({QStringLiteral("tessarine://") + QString::fromLatin1(form)}, listener.port());
        EXPECT_TRUE(boxText().startsWith("This invitation is refused")) << form;
        openBox()->accept();
        chat->openJoinWindow();
        chat->joinWindow()->setAddress(QString::fromLatin1(form));
        chat->joinWindow()->joinClick();
        EXPECT_TRUE(chat->joinWindow()->problem()->isVisible()) << form;
        EXPECT_FALSE(program->nextStart()) << form;
    }
    // The same listener takes the forms that mean what they say: had any disguised form
    // connected, it would be waiting here first.
    for (const char* form : {"127.0.0.1", "[::ffff:127.0.0.1]"}) {
        start({"Bob", QString::fromLatin1(form), "false"}, listener.port());
        QTcpSocket* arrived = listener.accept();
        ASSERT_NE(arrived, nullptr) << form;
        EXPECT_TRUE(arrived->peerAddress().isLoopback() ||
                    arrived->peerAddress().toIPv4Address() == 0x7f000001)
            << form;
        EXPECT_FALSE(listener.server.hasPendingConnections()) << form;
        delete arrived;
    }
}

// A link never joins by itself: the join window opens filled in; a bad link is refused.
TEST_F(TablesTest, InvitationStartOpensTheJoinWindowFilledIn) {
    FakeHost anybody(0);
    start({"tessarine://[::1]"}, anybody.port());
    ASSERT_TRUE(waitUntil([&] { return chat->joinWindow() && chat->joinWindow()->isVisible(); }));
    EXPECT_EQ(chat->joinWindow()->address(), "::1");
    QTest::qWait(100);
    EXPECT_FALSE(anybody.server.hasPendingConnections());
    EXPECT_FALSE(chat->hosting());
    EXPECT_EQ(openBox(), nullptr);

    // Closed before joining: the program was started for the link alone, and ends.
    chat->joinWindow()->reject();
    EXPECT_TRUE(waitUntil([&] { return !chat->isVisible(); }));
    EXPECT_FALSE(program->nextStart());

    start({"tessarine://host.example/../../etc"});
    EXPECT_EQ(boxText(),
              "This invitation is refused: it holds a path after the address, and an invitation "
              "may hold only an address.");
    openBox()->accept();
    EXPECT_FALSE(chat->joinWindow() && chat->joinWindow()->isVisible());
}

TEST_F(TablesTest, InvitationLinksInTheChatOpenTheJoinWindow) {
    start({});
    ASSERT_TRUE(chatShows("You are Connected."));
    emit chat->chat()->view()->linkClicked("tessarine://192.168.1.20 ");
    ASSERT_NE(chat->joinWindow(), nullptr);
    EXPECT_TRUE(chat->joinWindow()->isVisible());
    EXPECT_EQ(chat->joinWindow()->address(), "192.168.1.20");
    EXPECT_FALSE(program->nextStart());  // not joined
}

TEST_F(TablesTest, CopiedInvitationCarriesTheInternetAddressOnlyWhileForwarded) {
    start({"Ann", "127.0.0.1", "true"});
    ASSERT_TRUE(chatShows("You are Connected."));
    ASSERT_TRUE(chat->menu()->CopyInvitation1->isEnabled());
    chat->menu()->CopyInvitation1->trigger();
    const QString local = QApplication::clipboard()->text();
    EXPECT_TRUE(readInvitation(local).ok()) << local.toStdString();
    // Without the router's forward, the chat says who can use it.
    EXPECT_TRUE(chatShows(local + " Only players on this network can use it"));
    chat->setInternetAddress("2001:db8::5");
    chat->menu()->CopyInvitation1->trigger();
    EXPECT_EQ(QApplication::clipboard()->text(), "tessarine://[2001:db8::5]");
    EXPECT_TRUE(chatShows("tessarine://[2001:db8::5] Send it to the players"));
    // Only the router's IPv6 firewall lets players in: an IPv4-only player cannot come.
    EXPECT_TRUE(chatShows("Only players with IPv6 can use it"));
    chat->setInternetAddress("203.0.113.9");
    EXPECT_EQ(chat->invitation(), "tessarine://203.0.113.9");
    chat->menu()->CopyInvitation1->trigger();
    ASSERT_TRUE(chatShows("tessarine://203.0.113.9 Send it to the players"));
    EXPECT_EQ(chat->chat()->view()->toPlainText().count("Only players with IPv6"), 1)
        << "an IPv4 link is for everybody";
    chat->setInternetAddress({});  // the router no longer forwards the port here
    EXPECT_EQ(chat->invitation(), local);
}

// A hosted table takes players over IPv6 too; a joiner reaches it by an IPv6 address
// with or without brackets, or by a name that has only an IPv6 address.
TEST_F(TablesTest, JoinsOverIPv6ByAddressAndByName) {
    QTcpServer probe;
    if (!probe.listen(QHostAddress::LocalHostIPv6, 0)) GTEST_SKIP() << "no IPv6 loopback here";
    probe.close();
    VirtualClock clock;
    StackedRandom random;
    TServer host(clock, random);
    host.startListening(0);
    TestClient hal(host.port());  // over IPv4, as slot 1
    hal.login("Hal");
    QStringList addresses{"::1", "[::1]"};
    const QHostInfo named = QHostInfo::fromName("ip6-localhost");
    if (named.addresses() == QList<QHostAddress>{QHostAddress::LocalHostIPv6})
        addresses << "ip6-localhost";
    for (const QString& address : addresses) {
        start({"Bob", address, "false"}, host.port());
        ASSERT_TRUE(chatShows("You are Connected.")) << address.toStdString();
        EXPECT_EQ(host.name(chat->link().mySlot()), "Bob");
        program.reset();
        hal.skipSeen();
        ASSERT_NE(hal.waitForPrefix("CMD_playerdisconnected+"), "");
    }
}

}  // namespace
}  // namespace tess::testing
