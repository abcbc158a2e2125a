// The table played by keys only: the window joins a host in the same process (its
// clock virtual, its deck stacked) through a relay that keeps the requests it sent.
#include <gtest/gtest.h>

#include <QApplication>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTest>
#include <memory>

#include "client/table/board_view.h"
#include "client/table/tchat.h"
#include "engine/virtual_clock.h"
#include "net/server.h"
#include "social/chat_panel.h"
#include "social/chat_view.h"
#include "tests/support/recording_relay.h"
#include "tests/support/stacked_random.h"
#include "tests/support/test_client.h"

namespace tess::testing {
namespace {

constexpr int nineOfClubs = 9, kingOfClubs = 13, eightOfHearts = 21;
constexpr char ff = '\xFF';

class BoardKeysTest : public ::testing::Test {
protected:
    BoardKeysTest() {
        server.startListening(0);
        relay = std::make_unique<RecordingRelay>(server.port());
        // The window reaches its host through the relay, whose connection is the own one.
        server.setOwnClient([this]() -> std::optional<SocketEnds> {
            QTcpSocket* up = relay->upstream();
            return up != nullptr ? socketEnds(up->socketDescriptor()) : std::nullopt;
        });
        TchatOptions options;
        options.args = {"You", "127.0.0.1", "false"};
        options.settingsPath = dir.filePath("orvanelobby.ini");
        options.port = relay->port();
        options.lobbyPort = 1;  // no lobby here
        chat = std::make_unique<Tchat>(&server, options);
        chat->show();
        chat->activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(chat.get()));
        EXPECT_TRUE(waitUntil([&] { return chatShows("You are Connected."); }));
    }
    bool chatShows(const QString& text) const {
        return chat->chat()->view()->toPlainText().contains(text);
    }
    bool runUntil(const std::function<bool()>& done) {
        return waitUntil([&] {
            if (!done()) clock.advance(250);
            return done();
        });
    }
    // The requests sent since the last call.
    std::string takeSent() {
        std::string lines = relay->sent.substr(taken);
        taken = relay->sent.size();
        return lines;
    }
    void key(Qt::Key k, Qt::KeyboardModifiers mods = Qt::NoModifier) {
        QWidget* target = QApplication::focusWidget();
        ASSERT_NE(target, nullptr);
        QTest::keyClick(target, k, mods);
    }
    const MoveInput& input() const { return chat->model().input(); }
    BoardView* board() const { return chat->board(); }
    QLineEdit* chatInput() const { return chat->chat()->input(); }

    QTemporaryDir dir;
    VirtualClock clock;
    StackedRandom random;
    TServer server{clock, random};
    std::unique_ptr<RecordingRelay> relay;
    std::unique_ptr<Tchat> chat;
    std::size_t taken = 0;
};

TEST_F(BoardKeysTest, ATurnPlayedByKeysSendsTheSameRequestsAsTheMouse) {
    // Tab spots first, then seat 1's seven cards at hand positions 1-7.
    random.stack({nineOfClubs, 30, 35, 48, kingOfClubs, 3, 1, 16, eightOfHearts, 5, 6});
    chat->link().send("CMD_startgame+You+100+90+");
    ASSERT_TRUE(runUntil([&] { return input().canact(); }));
    ASSERT_EQ(chat->model().tab(1).first, nineOfClubs);
    takeSent();

    chatInput()->setFocus();
    key(Qt::Key_F6);
    ASSERT_TRUE(board()->hasFocus());
    EXPECT_EQ(board()->describeFocus(), "Your card 1 of 7: King of Clubs");

    // The king from the first place onto foundation 1.
    key(Qt::Key_Space);
    EXPECT_EQ(input().selectedcard(), 1);
    key(Qt::Key_1, Qt::ControlModifier);
    ASSERT_TRUE(waitUntil([&] { return chat->model().foundation(1) == kingOfClubs; }));
    EXPECT_EQ(takeSent(), std::string("CMD_handfound+1+1+1+") + ff);
    ASSERT_TRUE(waitUntil([&] { return input().canact(); }));

    // Along the hand to the eight of hearts, raised with Enter, onto tab spot 1.
    for (int i = 0; i < 3; ++i)
        key(Qt::Key_Right);
    EXPECT_EQ(board()->describeFocus(), "Your card 4 of 6: Eight of Hearts");
    key(Qt::Key_Return);
    key(Qt::Key_1);
    ASSERT_TRUE(waitUntil([&] { return chat->model().tab(1).top == eightOfHearts; }));
    EXPECT_EQ(takeSent(), std::string("CMD_handplay+1+5+1+") + ff);
    ASSERT_TRUE(waitUntil([&] { return input().canact(); }));

    // Up to the board: tab spot 1's pile is selected, Escape lets it go again.
    key(Qt::Key_Up);
    EXPECT_EQ(board()->cursor().item(), (BoardItem{BoardItem::Kind::tab, 1}));
    key(Qt::Key_Space);
    EXPECT_EQ(input().selectedtab(), 1);
    key(Qt::Key_Escape);
    EXPECT_EQ(input().selectedtab(), 0);

    // S sorts as the right button does; D draws and ends the turn.
    key(Qt::Key_S);
    std::vector<int> order;
    for (const HandCard& c : chat->model().hand().cards())
        order.push_back(c.card);
    EXPECT_EQ(order, (std::vector<int>{1, 3, 16, 5, 6}));
    key(Qt::Key_D);
    EXPECT_FALSE(input().canact());
    QTest::qWait(50);
    EXPECT_EQ(takeSent(), std::string("CMD_endturn+1+") + ff);
    EXPECT_TRUE(runUntil([&] { return chat->model().hand().size() == 6; }));
}

TEST_F(BoardKeysTest, TypingInTheChatMovesNothingAndF6SwitchesBetweenChatAndBoard) {
    random.stack({nineOfClubs, 30, 35, 48, kingOfClubs, 3, 1, 16, eightOfHearts, 5, 6});
    chat->link().send("CMD_startgame+You+100+90+");
    ASSERT_TRUE(runUntil([&] { return input().canact(); }));
    takeSent();

    chatInput()->setFocus();
    ASSERT_TRUE(chatInput()->hasFocus());
    // Letters, digits and the keys the input itself leaves alone reach no move.
    for (Qt::Key k :
         {Qt::Key_D, Qt::Key_S, Qt::Key_1, Qt::Key_Space, Qt::Key_Escape, Qt::Key_Up, Qt::Key_Down})
        key(k);
    QTest::qWait(50);
    EXPECT_EQ(takeSent(), "");
    EXPECT_TRUE(input().canact());
    EXPECT_EQ(input().selectedcard(), 0);
    EXPECT_EQ(chatInput()->text(), "ds1 ");
    EXPECT_EQ(board()->cursor().item(), (BoardItem{BoardItem::Kind::hand, 1}));

    // A click on a card leaves the typing where it was.
    const HandCard& first = chat->model().hand().cards().front();
    QTest::mouseClick(board(), Qt::LeftButton, {}, QPoint(first.left + 8, first.top + 40));
    EXPECT_EQ(input().selectedcard(), first.position);
    EXPECT_TRUE(chatInput()->hasFocus());

    key(Qt::Key_F6);
    EXPECT_TRUE(board()->hasFocus());
    key(Qt::Key_F6);
    EXPECT_TRUE(chatInput()->hasFocus());
}

TEST_F(BoardKeysTest, HMarksTheStrongBotsMoveAndSendsNothing) {
    random.stack({nineOfClubs, 30, 35, 48, kingOfClubs, 3, 1, 16, eightOfHearts, 5, 6});
    chat->link().send("CMD_startgame+You+100+90+");
    ASSERT_TRUE(runUntil([&] { return input().canact(); }));
    board()->findChild<QWidget*>("panel_help")->hide();  // shown once on a first run
    takeSent();
    // The left edge of the frame around a foundation, 5 pixels outside its card.
    const auto marked = [&](int foundation) {
        const layout::Point at = layout::foundation[std::size_t(foundation - 1)];
        const QColor c = board()->grab().toImage().pixelColor(at.left - 5, at.top + 40);
        return c.red() > 200 && c.green() > 160 && c.blue() < 90;
    };

    // In the chat input H is a letter.
    chatInput()->setFocus();
    key(Qt::Key_H);
    EXPECT_EQ(chatInput()->text(), "h");
    EXPECT_FALSE(board()->hint());

    // On the board it marks the planned move: the card (where the keyboard now points)
    // and the place it goes; the marks stay when the chat takes the keys back.
    const std::optional<Hint> expected = findHint(chat->model());
    // The king of clubs first, to the first empty foundation.
    ASSERT_TRUE(expected && expected->to);
    ASSERT_EQ(*expected->to, (BoardItem{BoardItem::Kind::foundation, 1}));
    EXPECT_FALSE(marked(1));
    key(Qt::Key_F6);
    key(Qt::Key_H);
    ASSERT_EQ(board()->hint(), expected);
    EXPECT_EQ(board()->cursor().item(), expected->from);
    key(Qt::Key_F6);
    EXPECT_TRUE(marked(1));
    QTest::qWait(50);
    EXPECT_EQ(takeSent(), "");

    // Played, the hint is gone; after the draw there is none to give.
    key(Qt::Key_F6);
    key(Qt::Key_Space);
    key(Qt::Key_1, Qt::ControlModifier);
    ASSERT_TRUE(waitUntil([&] { return !takeSent().empty(); }));
    ASSERT_TRUE(waitUntil([&] { return !board()->hint(); }));
    ASSERT_TRUE(waitUntil([&] { return input().canact(); }));
    key(Qt::Key_D);
    key(Qt::Key_H);
    EXPECT_FALSE(board()->hint());
}

TEST_F(BoardKeysTest, TheMarkerShowsOnlyWhileTheBoardHasTheFocus) {
    board()->findChild<QWidget*>("panel_help")->hide();  // shown once on a first run
    chatInput()->setFocus();
    board()->setFocus();
    key(Qt::Key_Up);  // an empty hand: the marker is on the draw pile; up to tab spot 3
    key(Qt::Key_Down);
    ASSERT_EQ(board()->cursor().item(), (BoardItem{BoardItem::Kind::pile, 0}));
    // The left edge of the frame around the draw pile, 5 pixels outside the card.
    const QPoint edge(layout::topcard.left - 5, layout::topcard.top + 40);
    const auto yellow = [](QColor c) { return c.red() > 200 && c.green() > 160 && c.blue() < 90; };
    EXPECT_TRUE(yellow(board()->grab().toImage().pixelColor(edge)));
    chatInput()->setFocus();
    EXPECT_FALSE(yellow(board()->grab().toImage().pixelColor(edge)));
    EXPECT_EQ(board()->accessibleName(), "Card table");
    EXPECT_EQ(board()->button_turndone()->accessibleName(), "Done");
}

// What a newcomer types at once, before and during the own turn, is chat and no move.
TEST_F(BoardKeysTest, TypingRightAfterStartAndInTheOwnTurnReachesTheChat) {
    const auto typeLine = [&](const QString& text) {
        QWidget* target = QApplication::focusWidget();
        ASSERT_EQ(target, chatInput());
        QTest::keyClicks(target, text);
        QTest::keyClick(target, Qt::Key_Return);
    };
    typeLine("ds 1 good luck");
    ASSERT_TRUE(waitUntil([&] { return chatShows("ds 1 good luck"); }));
    EXPECT_FALSE(board()->markerShown());

    random.stack({nineOfClubs, 30, 35, 48, kingOfClubs, 3, 1, 16, eightOfHearts, 5, 6});
    chat->link().send("CMD_startgame+You+100+90+");
    ASSERT_TRUE(runUntil([&] { return input().canact(); }));
    takeSent();
    typeLine("ds 2 sss ddd 1234");
    ASSERT_TRUE(waitUntil([&] { return chatShows("ds 2 sss ddd 1234"); }));
    EXPECT_EQ(takeSent(), std::string("CMD_chat+1+ds 2 sss ddd 1234|clBlack") + ff);
    EXPECT_TRUE(input().canact());
    EXPECT_EQ(input().selectedcard(), 0);
}

TEST_F(BoardKeysTest, TabF6AndEscapeMoveTheKeyboardAndTheMarkerFollowsTheLastInput) {
    board()->findChild<QWidget*>("panel_help")->hide();  // shown once on a first run
    ASSERT_TRUE(chatInput()->hasFocus());
    key(Qt::Key_Tab);
    ASSERT_TRUE(board()->hasFocus());
    EXPECT_TRUE(board()->markerShown());
    // A click plays by mouse: the marker goes, the keys stay on the board.
    QTest::mouseClick(board(), Qt::LeftButton, {}, QPoint(400, 20));
    EXPECT_FALSE(board()->markerShown());
    EXPECT_TRUE(board()->hasFocus());
    key(Qt::Key_Left);
    EXPECT_TRUE(board()->markerShown());
    key(Qt::Key_Tab);
    EXPECT_TRUE(chatInput()->hasFocus());
    EXPECT_FALSE(board()->markerShown());
    key(Qt::Key_F6);
    ASSERT_TRUE(board()->hasFocus());
    key(Qt::Key_Escape);  // nothing to let go
    EXPECT_TRUE(chatInput()->hasFocus());

    // A box of ours closing over the table gives the keyboard back to whatever had it:
    // the board, then the chat.
    for (QWidget* holder : {static_cast<QWidget*>(board()), static_cast<QWidget*>(chatInput())}) {
        holder->setFocus();
        ASSERT_TRUE(holder->hasFocus());
        QDialog dialog(chat.get());
        dialog.show();
        dialog.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&dialog));
        dialog.hide();
        chat->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(chat.get()));
        EXPECT_TRUE(holder->hasFocus()) << holder->objectName().toStdString();
    }
}

TEST_F(BoardKeysTest, TheKeyNumbersShowOnTheBoardWhileItHasTheKeys) {
    board()->findChild<QWidget*>("panel_help")->hide();
    // Tab spot 3's badge between the pile and the spot, foundation 2's on its card's
    // top edge: at the smallest size and twice as large, yellow with a dark number in it
    // while the board has the keys, and gone when the chat has them.
    const QPoint tab3(126, 124), foundation2(59, 38);
    const auto count = [&](const QImage& image, QPoint centre, auto colour) {
        const qreal s = board()->scale();
        int n = 0;
        for (int dy = -5; dy <= 5; ++dy)
            for (int dx = -5; dx <= 5; ++dx)
                n += colour(image.pixelColor((QPointF(centre + QPoint(dx, dy)) * s).toPoint()));
        return n;
    };
    const auto yellow = [](QColor c) { return c.red() > 200 && c.green() > 160 && c.blue() < 90; };
    const auto dark = [](QColor c) { return c.red() < 60 && c.green() < 60 && c.blue() < 60; };
    for (const QSize window : {QSize(772, 555), QSize(1544, 1110)}) {
        chat->resize(window);
        ASSERT_TRUE(waitUntil([&] { return board()->scale() >= window.width() / 772.0 - 0.01; }));
        SCOPED_TRACE(board()->scale());
        chatInput()->setFocus();
        QImage image = board()->grab().toImage();
        EXPECT_EQ(count(image, tab3, yellow), 0);
        key(Qt::Key_F6);
        image = board()->grab().toImage();
        for (const QPoint centre : {tab3, foundation2}) {
            EXPECT_GT(count(image, centre, yellow), 30);
            EXPECT_GT(count(image, centre, dark), 5);
        }
    }
}

TEST_F(BoardKeysTest, ARefusedMoveSaysWhyInTheStatusLineForAFewSeconds) {
    random.stack({nineOfClubs, 30, 35, 48, kingOfClubs, 3, 1, 16, eightOfHearts, 5, 6});
    chat->link().send("CMD_startgame+You+100+90+");
    ASSERT_TRUE(runUntil([&] { return input().canact(); }));
    takeSent();
    QLabel* status = board()->label_status();
    const QString turn = status->text();
    // The six of clubs (hand position 7) onto the nine of clubs on tab spot 1.
    board()->cardimagesMouseDown(7, Qt::LeftButton);
    board()->image_tab22Click(1);
    EXPECT_EQ(status->text(), "Cards must be one lower and of the other colour");
    QTest::qWait(50);
    EXPECT_EQ(takeSent(), "");
    EXPECT_TRUE(input().canact());
    EXPECT_TRUE(waitUntil([&] { return status->text() == turn; }, 4000));
}

}  // namespace
}  // namespace tess::testing
