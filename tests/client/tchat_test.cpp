#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QFile>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTranslator>
#include <memory>

#include <QListWidget>
#include <QMenuBar>
#include "client/start/program.h"
#include "client/table/board_view.h"
#include "client/table/main_menu.h"
#include "client/table/tchat.h"
#include "client/windows/tallylist_form.h"
#include "engine/virtual_clock.h"
#include "net/server.h"
#include "shell/about_form.h"
#include "shell/help_form.h"
#include "shell/maker_site.h"
#include "social/chat_panel.h"
#include "social/chat_view.h"
#include "tests/support/fake_host.h"
#include "tests/support/stacked_random.h"
#include "tests/support/test_client.h"
#include "tests/support/url_catcher.h"
#include "tests/support/window_helpers.h"
#include "translations/language.h"

namespace tess::testing {
namespace {

class TchatTest : public ::testing::Test {
protected:
    void start(QStringList args, quint16 port = 0) {
        TchatOptions options;
        options.args = std::move(args);
        options.settingsPath = settingsPath();
        options.port = port;
        options.lobbyPort = lobbyPort != 0 ? lobbyPort : freePort();  // nobody there: ignored
        chat = nullptr;
        program.reset();
        program = std::make_unique<Program>(options);
        chat = &program->chat();
        chat->show();
    }
    QString settingsPath() const { return dir.filePath("orvanelobby.ini"); }
    QString settingsText() const {
        QFile f(settingsPath());
        return f.open(QIODevice::ReadOnly) ? QString::fromUtf8(f.readAll()) : QString();
    }
    void writeSettings(const QByteArray& text) {
        QFile f(settingsPath());
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(text);
    }
    QString chatText() const { return chat->chat()->view()->toPlainText(); }
    bool chatShows(const QString& text) const {
        return waitUntil([&] { return chatText().contains(text); });
    }
    bool connectedAlone() { return chatShows("You are Connected."); }
    // A joining client logged in at a host the test plays.
    QTcpSocket* joinAs(FakeHost& host, int slot) {
        start({"Bob", "127.0.0.1", "false"}, host.port());
        QTcpSocket* peer = host.accept();
        if (!peer) return nullptr;
        peer->write(QByteArray("CMD_sendlogininfo+") + QByteArray::number(slot) + "\xFF");
        waitUntil([&] { return chat->link().connected(); });
        return peer;
    }
    static void write(QTcpSocket* peer, const char* lines) {
        peer->write(lines);
        peer->flush();
    }

    TServer& server() { return program->server(); }
    // A lobby that counts the connections made to it.
    void listenAsLobby() {
        ASSERT_TRUE(lobby.listen(QHostAddress::LocalHost, 0));
        lobbyPort = lobby.serverPort();
    }

    QTemporaryDir dir;
    QTcpServer lobby;
    quint16 lobbyPort = 0;
    std::unique_ptr<Program> program;
    Tchat* chat = nullptr;
};

TEST_F(TchatTest, SoloStartHostsAndConnectsAsYou) {
    start({});
    ASSERT_TRUE(connectedAlone());
    EXPECT_TRUE(chatText().startsWith(" Loading Solo Game..Please wait."));
    EXPECT_TRUE(chat->hosting());
    EXPECT_EQ(server().name(1), "You");
    EXPECT_TRUE(chat->board()->button_start()->isVisible());
    EXPECT_TRUE(chat->menu()->StartGame1->isEnabled());
    EXPECT_EQ(chat->board()->label_playername(1)->text(), "You");
    EXPECT_EQ(chat->windowTitle(), QApplication::applicationName());
    // The first connection reads the settings and marks the instructions as seen.
    EXPECT_TRUE(settingsText().contains("Help=2"));

    // Another player joins and chats; both see it.
    TestClient ann(server().port());
    ann.login("Ann");
    ASSERT_TRUE(chatShows("Ann is Connected."));
    ann.send("CMD_chat+2+hi all|clRed");
    ASSERT_TRUE(chatShows("Ann chats:  hi all"));
    chat->chat()->input()->setText("hello");
    QTest::keyClick(chat->chat()->input(), Qt::Key_Return);
    EXPECT_FALSE(ann.waitForPrefix("CMD_chat+1+You chats: hello|clBlack").empty());
}

TEST_F(TchatTest, JoinerShowsSeatsSpectatorsAndDepartures) {
    FakeHost host;
    QTcpSocket* peer = joinAs(host, 4);
    ASSERT_NE(peer, nullptr);
    ASSERT_TRUE(waitUntil([&] { return host.received == "CMD_logininfo+4+1.0.2+Bob\xFF\xFF"; }))
        << host.received;
    EXPECT_FALSE(chat->board()->button_start()->isVisible());
    EXPECT_FALSE(chat->menu()->StartGame1->isEnabled());

    // As the host tells a newcomer: its own entry, then the others twice. The repeat
    // shows the same table and announces nobody again.
    write(peer,
          "CMD_newplayerinfo+4+Bob+0\xFF"
          "CMD_existingplayers+1+Ann+0+2+Dan+0+3+Cat+1+5+Spy+0+12+Bad+0\xFF"
          "CMD_existingplayers+1+Ann+0+2+Dan+0+3+Cat+1+5+Spy+0+12+Bad+0\xFF"
          "CMD_chat+1+Ann chats: listed|clBlack\xFF");
    ASSERT_TRUE(chatShows("listed"));
    EXPECT_EQ(chatText().count("Ann is Connected."), 1);
    EXPECT_EQ(chatText().count("Spy is spying."), 1);
    BoardView* board = chat->board();
    EXPECT_EQ(board->label_playername(1)->text(), "Ann");
    EXPECT_EQ(board->label_playername(3)->text(), "Cat");
    EXPECT_TRUE(chat->model().seat(3).eyes);
    EXPECT_FALSE(chat->model().seat(1).eyes);
    // Own seat 4 sits at the bottom; the others follow down the right-hand column.
    EXPECT_EQ(board->label_playername(4)->pos(), QPoint(33, 390));
    EXPECT_EQ(board->label_playername(1)->pos(), QPoint(299, 50));
    EXPECT_EQ(chat->spies(), QStringList{"5: Spy"});
    EXPECT_TRUE(chatText().contains("Spy is spying."));
    EXPECT_FALSE(chatText().contains("Bad"));
    const QLabel* score = board->label_score(1);
    EXPECT_EQ(score->x(), board->label_playername(1)->geometry().right() + 1 + 4);

    write(peer,
          "CMD_playerdisconnected+2+Dan\xFF"
          "CMD_playerdisconnected+3+Cat\xFF"
          "CMD_playerdisconnected+2+Klot\xFF"
          "CMD_playerdisconnected+5+Spy\xFF"
          "CMD_playerdisconnected+6+Nobody\xFF"
          "CMD_havewrongversion+Zed\xFF"
          "CMD_wrongversion+\xFF");
    ASSERT_TRUE(chatShows("You have a differnt version of the game then the host."));
    // The bot takes seat 2 at once, under seat 2's bot name.
    EXPECT_EQ(board->label_playername(2)->text().toStdString(), chat->model().seat(2).hint);
    EXPECT_EQ(chat->model().seat(2).hint, "Klot");
    EXPECT_EQ(board->label_playername(3)->text(), "<Waiting>");
    EXPECT_FALSE(chat->model().seat(3).eyes);
    EXPECT_EQ(chatText().count("disconnected."), 2);  // Dan and Cat, not the bot
    EXPECT_TRUE(chatText().contains("Spy has left."));
    EXPECT_FALSE(chatText().contains("Nobody"));
    EXPECT_TRUE(chatText().contains("Zed has a different version of the game then you."));
    EXPECT_TRUE(chat->spies().isEmpty());

    // The host goes (or removed the player): the player is told, and the window goes with
    // the box when neither another table nor a solo game is wanted.
    peer->disconnectFromHost();
    ASSERT_TRUE(waitUntil([] { return openBox() != nullptr; }));
    EXPECT_EQ(openBox()->text(), "You are no longer at the table.");
    QTest::qWait(50);
    EXPECT_TRUE(chat->isVisible());
    openBox()->reject();
    EXPECT_TRUE(waitUntil([&] { return !chat->isVisible(); }));
}

// The countdown's digits stay readable: dark only on the light bar, light on the dark
// box once the bar has shrunk below them, and light near the end as ever.
TEST_F(TchatTest, TheCountdownsDigitsAreLightWhereTheBarNoLongerLiesUnderThem) {
    FakeHost host;
    QTcpSocket* peer = joinAs(host, 2);
    ASSERT_NE(peer, nullptr);
    write(peer,
          "CMD_newplayerinfo+2+Bob+0\xFF"
          "CMD_startgame+Ann+100+200+\xFF"
          "CMD_nextplayer+1+\xFF");
    ASSERT_TRUE(waitUntil([&] { return chat->model().countdown().running(); }));
    QLabel* digits = chat->board()->findChild<QLabel*>("label_timer");
    ASSERT_NE(digits, nullptr);
    const auto colourAt = [&](int left) {
        while (chat->model().timeleft() > left)
            chat->model().turntimerTimer();
        return digits->palette().color(QPalette::WindowText);
    };
    EXPECT_EQ(colourAt(190), QColor(Qt::black));  // a full bar under the text
    EXPECT_EQ(colourAt(60), QColor(Qt::white));   // 60 px of bar, the text is wider
    EXPECT_EQ(colourAt(10), QColor(Qt::white));
}

TEST_F(TchatTest, GameIsFullIsSeenBeforeTheWindowCloses) {
    FakeHost host;
    start({"Bob", "127.0.0.1", "false"}, host.port());
    QTcpSocket* peer = host.accept();
    ASSERT_NE(peer, nullptr);
    write(peer, "CMD_full+\xFF");
    peer->disconnectFromHost();
    ASSERT_TRUE(waitUntil([] { return openBox() != nullptr; }));
    EXPECT_EQ(openBox()->text(), "Game is full");
    QTest::qWait(50);
    EXPECT_TRUE(chat->isVisible());
    openBox()->accept();
    EXPECT_TRUE(waitUntil([&] { return !chat->isVisible(); }));
}

// "Open the port on my router": on unless the file says otherwise, read before the user's
// settings are (a hosted table opens first), and saved when changed.
TEST_F(TchatTest, RouterOptionIsReadAtStartAndSavedWhenChanged) {
    start({});
    EXPECT_TRUE(chat->menu()->OpenPort1->isChecked());
    EXPECT_TRUE(chat->openRouterPort());

    writeSettings("[Tessarine]\r\nOpenport=false\r\n");
    start({});
    EXPECT_FALSE(chat->menu()->OpenPort1->isChecked());
    EXPECT_FALSE(chat->openRouterPort());
    ASSERT_TRUE(connectedAlone());
    EXPECT_FALSE(chat->menu()->OpenPort1->isChecked());
    chat->menu()->OpenPort1->trigger();
    EXPECT_TRUE(chat->openRouterPort());
    EXPECT_TRUE(settingsText().contains("Openport=true")) << settingsText().toStdString();
}

TEST_F(TchatTest, TakenPortIsReportedAndThisCopyDoesNotConnect) {
    QTcpServer taken;
    ASSERT_TRUE(taken.listen(QHostAddress::Any, 0));
    listenAsLobby();
    start({"Ann", "127.0.0.1", "true"}, taken.serverPort());
    ASSERT_TRUE(waitUntil([] { return openBox() != nullptr; }));
    // The classic words first, then what they mean, with the way out.
    EXPECT_TRUE(openBox()->text().startsWith("Listen - Error Binding Socket\nPort 7772 is taken"))
        << openBox()->text().toStdString();
    QSignalSpy restart(chat, &Tchat::startRequested);
    openBox()->accept();  // closed without taking the offer
    EXPECT_FALSE(chat->hosting());
    EXPECT_FALSE(chat->board()->button_start()->isVisible());
    QTest::qWait(100);
    EXPECT_FALSE(taken.hasPendingConnections());
    EXPECT_FALSE(lobby.hasPendingConnections());  // the start ended at the error
    EXPECT_FALSE(chat->link().connected());
    EXPECT_EQ(restart.count(), 0);

    // In German, the classic words too.
    QTranslator german;
    loadLanguage(german, QStringLiteral("de"), QLocale(QLocale::English));
    QCoreApplication::installTranslator(&german);
    start({"Ann", "127.0.0.1", "true"}, taken.serverPort());
    ASSERT_TRUE(waitUntil([] { return openBox() != nullptr; }));
    const QString text = openBox()->text();
    QCoreApplication::removeTranslator(&german);
    EXPECT_FALSE(text.contains("Listen")) << text.toStdString();
    EXPECT_TRUE(text.startsWith("Warten auf Spieler")) << text.toStdString();
    openBox()->accept();
}

// Offered instead of waiting: the table already open here, joined under the same name.
TEST_F(TchatTest, TakenPortOffersToJoinTheTableThatHasIt) {
    QTcpServer taken;
    ASSERT_TRUE(taken.listen(QHostAddress::Any, 0));
    start({"Ann", "127.0.0.1", "true"}, taken.serverPort());
    ASSERT_TRUE(waitUntil([] { return openBox() != nullptr; }));
    auto* offered = openBox()->findChild<QPushButton*>("button_offer");
    ASSERT_NE(offered, nullptr);
    EXPECT_EQ(offered->text(), "Join That Table");
    QTest::mouseClick(offered, Qt::LeftButton);
    ASSERT_TRUE(waitUntil([&] { return program->nextStart().has_value(); }));
    EXPECT_EQ(*program->nextStart(), (QStringList{"Ann", "127.0.0.1", "false"}));
    EXPECT_FALSE(chat->isVisible());
}

TEST_F(TchatTest, AHostNameIsLookedUpAndAnUnknownOneIsTold) {
    listenAsLobby();
    start({"Bob", "no-such-host.invalid", "false"});
    ASSERT_TRUE(waitUntil([] { return openBox() != nullptr; }, 20000));
    EXPECT_EQ(openBox()->text(), "No computer named no-such-host.invalid was found.");
    openBox()->accept();
    QTest::qWait(100);
    EXPECT_FALSE(lobby.hasPendingConnections());  // the start ended at the error
    EXPECT_FALSE(chat->link().connected());
    EXPECT_FALSE(chat->board()->button_start()->isVisible());
    EXPECT_TRUE(chat->isVisible());

    // A name that is found connects, and the lobby link follows.
    FakeHost host;
    start({"Bob", "localhost", "false"}, host.port());
    QTcpSocket* peer = host.accept();
    ASSERT_NE(peer, nullptr);
    EXPECT_TRUE(waitUntil([&] { return lobby.hasPendingConnections(); }));
    EXPECT_EQ(openBox(), nullptr);
}

TEST_F(TchatTest, TheLogoAboveTheChatOpensTheMakersSite) {
    UrlCatcher browser;
    start({});
    auto* logo = chat->board()->findChild<QLabel*>("image_logo", Qt::FindDirectChildrenOnly);
    ASSERT_NE(logo, nullptr);
    EXPECT_EQ(logo->geometry(), QRect(497, 12, 243, 24));
    EXPECT_EQ(chat->board()->childAt(logo->geometry().center()), logo);  // nothing covers it
    EXPECT_EQ(logo->cursor().shape(), Qt::PointingHandCursor);
    QTest::mouseClick(logo, Qt::LeftButton);
    EXPECT_EQ(browser.opened, QList<QUrl>{makerWebAddress()});
}

TEST_F(TchatTest, SettingsAreReadAtTheConnectionAndAppliedToMenusAndChat) {
    writeSettings(
        "[Other]\nkey=Wow, WTG!\n"
        "[Tessarine]\ntextsize=9\nBOTSPEED=500\nTurnsound=1\nTextcolor=clRed\nPlaysounds=false\n"
        "Botlevel=Strong\n");
    start({});
    ASSERT_TRUE(connectedAlone());
    EXPECT_EQ(chat->chat()->textSize(), 9);
    MainMenu* menu = chat->menu();
    for (QAction* size : {menu->N8, menu->N10, menu->N12, menu->N14})
        EXPECT_FALSE(size->isChecked()) << size->text().toStdString();
    EXPECT_TRUE(menu->Fast1->isChecked());
    EXPECT_FALSE(menu->Normal1->isChecked());
    EXPECT_EQ(server().botSpeedMs(), 500);
    EXPECT_TRUE(menu->StrongBot1->isChecked());
    EXPECT_EQ(server().botLevel(2), BotLevel::strong);
    EXPECT_TRUE(menu->New1->isChecked());
    EXPECT_FALSE(menu->PlaySounds1->isChecked());
    EXPECT_EQ(chat->chat()->chatColour(), clRed);

    menu->N12->trigger();
    EXPECT_TRUE(menu->N12->isChecked());
    EXPECT_EQ(chat->chat()->textSize(), 12);
    menu->Slow1->trigger();
    EXPECT_TRUE(menu->Slow1->isChecked());
    EXPECT_FALSE(menu->Fast1->isChecked());
    EXPECT_EQ(server().botSpeedMs(), 2000);
    const QString saved = settingsText();
    // Keys keep the spelling the file already had.
    EXPECT_TRUE(saved.contains("BOTSPEED=2000")) << saved.toStdString();
    EXPECT_TRUE(saved.contains("textsize=12"));
    EXPECT_TRUE(saved.contains("Textcolor=clRed"));
    EXPECT_TRUE(saved.contains("key=Wow, WTG!"));
    EXPECT_TRUE(saved.contains("Botlevel=Strong"));
    menu->ClassicBot1->trigger();
    EXPECT_FALSE(menu->StrongBot1->isChecked());
    EXPECT_EQ(server().botLevel(2), BotLevel::classic);
    // The line stays where it stands, now with the default.
    EXPECT_TRUE(settingsText().contains("Botlevel=Classic"));

    menu->ScrollChatOff2->trigger();
    EXPECT_TRUE(chat->chat()->scrollOff());
    chat->chat()->ScrollChatOff1Click();
    EXPECT_FALSE(menu->ScrollChatOff2->isChecked());
}

TEST_F(TchatTest, ClosingSavesOnlyWhenTheWindowMoved) {
    start({});
    ASSERT_TRUE(connectedAlone());
    const QString before = settingsText();
    chat->close();
    EXPECT_EQ(settingsText(), before);  // untouched since the read: nothing written

    start({});
    ASSERT_TRUE(connectedAlone());
    chat->move(chat->x() + 40, chat->y() + 30);
    const QRect moved = chat->geometry();
    chat->close();
    const QString after = settingsText();
    for (const char* key : {"Textsize=", "Textcolor=", "Playtoscore=", "Timeperturn=", "Botspeed=",
                            "Turnsound=", "Playerphrasesounds=", "Playsounds="})
        EXPECT_TRUE(after.contains(key)) << key;
    EXPECT_TRUE(after.contains(QStringLiteral("Left=%1").arg(moved.left())));
    EXPECT_TRUE(after.contains(QStringLiteral("Top=%1").arg(moved.top())));
}

TEST_F(TchatTest, AGrownWindowIsRememberedAndDrawnAtItsScaleNextTime) {
    start({});
    ASSERT_TRUE(connectedAlone());
    const QSize frame = chat->size() - chat->board()->size();
    chat->resize(QSize(1536, 1060) + frame);
    ASSERT_TRUE(waitUntil([&] { return chat->board()->scale() == 2.0; }));
    chat->close();
    const QString saved = settingsText();
    const auto number = [&](const QString& key) {
        const auto match =
            QRegularExpression("^" + key + "=(\\d+)", QRegularExpression::MultilineOption)
                .match(saved);
        return match.hasMatch() ? match.captured(1).toInt() : -1;
    };
    const int width = number("Width"), height = number("Height");
    // The desktop may be smaller than the window: then it is saved 15 px smaller.
    EXPECT_GE(width, 1536 + frame.width() - 15);
    EXPECT_GE(height, 1060 + frame.height() - 15);

    start({});
    ASSERT_TRUE(connectedAlone());
    ASSERT_TRUE(waitUntil([&] { return chat->size() == QSize(width, height); }));
    EXPECT_NEAR(chat->board()->scale(), BoardView::scaleFor(chat->board()->size()), 1e-9);
    EXPECT_GT(chat->board()->scale(), 1.9);
}

// Stored placements far off the screen or far larger than it: the window takes a place
// on the screen, no larger than its available area, and a save keeps what it took.
TEST_F(TchatTest, AStoredPlacementIsKeptOnTheScreenAndSavedAsTaken) {
    const char* const placements[] = {
        "Width=100000\nHeight=100000\nTop=-2147483648\nLeft=-2147483648\n",
        "Width=900\nHeight=2147483647\nTop=2147483647\nLeft=2147483647\n",
        "Width=-1\nHeight=0\nTop=40\nLeft=50\n",
    };
    for (const char* placement : placements) {
        SCOPED_TRACE(placement);
        writeSettings(QByteArray("[Tessarine]\nHelp=2\n") + placement);
        start({});
        ASSERT_TRUE(connectedAlone());
        const QRect area = chat->screen()->availableGeometry();
        const QRect took = chat->geometry(), frame = chat->frameGeometry();
        EXPECT_TRUE(area.contains(frame))
            << frame.x() << "," << frame.y() << " " << frame.width() << "x" << frame.height();
        EXPECT_GE(took.width(), 768);
        EXPECT_GE(chat->board()->height(), 530);
        chat->menu()->PlaySounds1->trigger();
        const QString saved = settingsText();
        for (const auto& [key, value] : {std::pair{"Left", took.left()},
                                         {"Top", took.top()},
                                         {"Width", took.width()},
                                         {"Height", took.height()}})
            EXPECT_TRUE(saved.contains(QStringLiteral("%1=%2\n").arg(key).arg(value)))
                << key << " " << saved.toStdString();
    }
}

TEST_F(TchatTest, OptionsBeforeTheFirstConnectionWriteTheDefaults) {
    start({"Bob", "127.0.0.1", "false"}, freePort());             // nobody hosts there
    ASSERT_TRUE(waitUntil([] { return openBox() != nullptr; }));  // and says so
    openBox()->accept();
    chat->menu()->PlaySounds1->trigger();
    const QString saved = settingsText();
    EXPECT_TRUE(saved.contains("Playsounds=false"));
    EXPECT_TRUE(saved.contains("Top=3"));
    EXPECT_TRUE(saved.contains("Left=3"));
    EXPECT_TRUE(saved.contains("Textsize=10"));  // the chat's own size until the first read
    EXPECT_FALSE(saved.contains("Help="));
    // Not connected: the start button answers so.
    chat->menu()->StartGame1->setEnabled(true);
    chat->menu()->StartGame1->trigger();
    ASSERT_NE(openBox(), nullptr);
    EXPECT_EQ(openBox()->text(), "You are not connected");
    openBox()->accept();
}

TEST_F(TchatTest, UnwritableSettingsAreToldOnceAndTheGameGoesOn) {
    start({});
    ASSERT_TRUE(connectedAlone());
    program.reset();
    dir.remove();  // the folder is gone: every save fails
    start({});
    ASSERT_TRUE(connectedAlone());
    chat->menu()->PlaySounds1->trigger();
    chat->menu()->PlaySounds1->trigger();
    EXPECT_EQ(chatText().count("Your settings could not be saved"), 1);
}

TEST_F(TchatTest, ASettingsFileThatCannotBeReadWholeIsToldOnceAndKept) {
    const QByteArray damaged("[Tessarine]\nTextsize=12\n\0[Lobby]\nServer=far\n", 44);
    writeSettings(damaged);
    start({});
    ASSERT_TRUE(connectedAlone());
    ASSERT_TRUE(chatShows("Your settings are not saved, and the defaults are used: "));
    chat->menu()->PlaySounds1->trigger();
    chat->menu()->PlaySounds1->trigger();
    EXPECT_EQ(chatText().count("Your settings are not saved"), 1);
    EXPECT_EQ(chatText().count("could not be saved"), 0);
    QFile f(settingsPath());
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_EQ(f.readAll(), damaged);
}

TEST_F(TchatTest, AGameWonByAFollowedOpponentIsTalliedAndKeptForTheNextRun) {
    for (int run = 0; run < 2; ++run) {
        FakeHost host;
        QTcpSocket* peer = joinAs(host, 2);
        ASSERT_NE(peer, nullptr);
        // As the host tells a late joiner: its own entry first, then the others.
        write(peer,
              "CMD_newplayerinfo+2+Bob+0\xFF"
              "CMD_existingplayers+1+Ann+0\xFF"
              "CMD_startgame+Ann+50+60+\xFF");
        ASSERT_TRUE(chatShows("Ann has started a game."));
        Ttallylist& tally = program->tally();
        if (run == 0) {
            chat->menuBar()->findChild<QAction*>("ViewTally1")->trigger();
            ASSERT_TRUE(tally.isVisible());
            ASSERT_EQ(tally.checklist()->count(), 1);
            tally.checklist()->item(0)->setCheckState(Qt::Checked);  // follow Ann
        }
        write(peer, "CMD_winner+1+\xFF");
        ASSERT_TRUE(chatShows("Ann has Won the Game!"));
        const auto row = tally.tally().rowOf("Ann");
        ASSERT_TRUE(row.has_value());
        const auto& cells = tally.tally().table().rows[*row];
        EXPECT_EQ(cells[1], std::to_string(run + 1)) << "games with Ann, run " << run;
        program.reset();  // the tally is saved as the program ends
    }
}

// Help and about are made when first opened; after that each menu item brings back the
// same window, which keeps what it showed.
TEST_F(TchatTest, HelpAndAboutOpenFromTheMenuAsTheSameWindowsEachTime) {
    start({"Bob", "127.0.0.1", "false"}, freePort());
    const auto menuItem = [&](const char* name) {
        return chat->menuBar()->findChild<QAction*>(name);
    };
    ASSERT_NE(menuItem("Content1"), nullptr);
    ASSERT_NE(menuItem("About1"), nullptr);
    EXPECT_EQ(menuItem("Content1")->shortcut(), QKeySequence(Qt::Key_F1));

    menuItem("Content1")->trigger();
    Thelp* help = &program->help();
    EXPECT_TRUE(help->isVisible());
    EXPECT_EQ(help->parentWidget(), chat);
    help->SelButton1Click(3);
    help->close();
    menuItem("Content1")->trigger();
    EXPECT_EQ(&program->help(), help);
    EXPECT_TRUE(help->isVisible());
    EXPECT_EQ(help->currentPage(), 3);

    emit help->aboutRequested();  // its About button
    Tabout* about = &program->about();
    EXPECT_TRUE(about->isVisible());
    about->close();
    menuItem("About1")->trigger();
    EXPECT_EQ(&program->about(), about);
    EXPECT_TRUE(about->isVisible());
    EXPECT_EQ(chat->findChildren<Thelp*>().size(), 1);
    EXPECT_EQ(chat->findChildren<Tabout*>().size(), 1);
}

}  // namespace
}  // namespace tess::testing
