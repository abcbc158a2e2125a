// The table grown with its window: every piece at its place times the scale, and
// clicks landing where the pictures are.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QLabel>
#include <QLineEdit>
#include <QTest>
#include <QTextBlock>

#include "client/model/table_layout.h"
#include "client/table/board_view.h"
#include "client/table/tchat.h"
#include "social/chat_panel.h"
#include "social/chat_view.h"
#include "social/phrase_bar.h"
#include "tests/client/hosting_window.h"

namespace tess::testing {
namespace {

constexpr int nineOfClubs = 9, kingOfClubs = 13, eightOfHearts = 21;

TEST(BoardScale, FollowsTheTighterSideAndNeverShrinksBelowOne) {
    const struct {
        QSize size;
        qreal scale;
    } cases[] = {
        {{768, 530}, 1.0},    // the smallest board
        {{772, 530}, 1.0},    // the default window's board
        {{600, 400}, 1.0},    // smaller than allowed: never drawn smaller
        {{1152, 795}, 1.5},   //
        {{1536, 1060}, 2.0},  //
        {{3000, 1060}, 2.0},  // a wide window: the height decides
        {{1536, 3000}, 2.0},  // a tall one: the width decides
    };
    for (const auto& c : cases)
        EXPECT_DOUBLE_EQ(BoardView::scaleFor(c.size), c.scale)
            << c.size.width() << "x" << c.size.height();
}

class ScaledBoardTest : public HostingWindowTest, public ::testing::WithParamInterface<double> {
protected:
    ScaledBoardTest() { open(); }

    // Grows the window until its board is the smallest board times `s`.
    bool growTo(qreal s) {
        const QSize target(qRound(BoardView::minimumBoard.width() * s),
                           qRound(BoardView::minimumBoard.height() * s));
        chat->resize(target + chat->size() - board()->size());
        return waitUntil([&] { return board()->size() == target && board()->scale() == s; });
    }
    BoardView* board() const { return chat->board(); }
    QPoint at(int left, int top) const {
        const qreal s = GetParam();
        return {qRound(left * s), qRound(top * s)};
    }
    const HandCard* handCard(int card) const {
        for (const HandCard& c : chat->model().hand().cards())
            if (c.card == card) return &c;
        return nullptr;
    }
    // A click at a design point, mapped through the scale as a user sees it.
    void click(QPoint design, Qt::MouseButton button = Qt::LeftButton) {
        QTest::mouseClick(board(), button, {}, at(design.x(), design.y()));
    }
    // A click on the card's visible strip, where the board shows it.
    void clickCard(int card) {
        const auto& cards = chat->model().hand().cards();
        for (std::size_t i = 0; i < cards.size(); ++i)
            if (cards[i].card == card)
                return click(board()->handRects()[i].topLeft() + QPoint(8, 40));
        FAIL() << "no card " << card << " in the hand";
    }
};

TEST_P(ScaledBoardTest, EveryPieceStandsAtItsPlaceTimesTheScale) {
    const qreal s = GetParam();
    ASSERT_TRUE(growTo(s));

    const struct {
        const char* name;
        QPoint at;
        int pixelSize;
    } labels[] = {
        {"label_timer", {20, 351}, 16},
        {"label_potscore", {172, 334}, 43},
        {"label_status", {16, 508}, 13},
        {"label_playtoscore", {165, 3}, 12},
    };
    for (const auto& c : labels) {
        const auto* label = board()->findChild<QLabel*>(c.name);
        ASSERT_NE(label, nullptr) << c.name;
        EXPECT_EQ(label->pos(), at(c.at.x(), c.at.y())) << c.name;
        EXPECT_EQ(label->font().pixelSize(), qRound(c.pixelSize * s)) << c.name;
    }
    EXPECT_EQ(board()->findChild<QLabel*>("label_status")->width(), qRound(441 * s));
    // The local seat's name, and its score right of it with the gap scaled too.
    const QLabel* name = board()->nameAtPosition(1);
    EXPECT_EQ(name->pos(), at(33, 390));
    EXPECT_EQ(board()->label_score(1)->x(), name->geometry().right() + 1 + qRound(4 * s));

    EXPECT_EQ(board()->button_start()->pos(), at(61, 160));
    EXPECT_EQ(board()->button_start()->size(), QSize(qRound(135 * s), qRound(29 * s)));
    EXPECT_EQ(board()->panel_kings()->geometry(),
              QRect(at(3, 256), at(3 + 254, 256 + 129)) - QMargins(0, 0, 1, 1));

    // The chat column: logo, phrase buttons and chat at their places times the scale.
    EXPECT_EQ(chat->findChild<QLabel*>("image_logo")->geometry(),
              QRect(at(497, 12), at(497 + 243, 12 + 24)) - QMargins(0, 0, 1, 1));
    const auto* p1 = chat->findChild<QAbstractButton*>("b_phrase1");
    EXPECT_EQ(p1->mapTo(board(), QPoint(0, 0)), at(477, 46));
    EXPECT_EQ(p1->size(), QSize(qRound(27 * s), qRound(23 * s)));
    const auto* p10 = chat->findChild<QAbstractButton*>("b_phrase10");
    EXPECT_EQ(p10->mapTo(board(), QPoint(0, 0)), at(729, 46));
    EXPECT_EQ(chat->chat()->geometry(), QRect(at(477, 72), at(767, 529)) - QMargins(0, 0, 1, 1));
    // The input keeps its line at the bottom of the column, under the view.
    const QLineEdit* input = chat->chat()->input();
    EXPECT_EQ(input->mapTo(board(), QPoint(0, input->height())).y(), at(0, 529).y() - 7);
    EXPECT_EQ(input->height(), qRound(22 * s));
    EXPECT_GT(input->width(), 247);
    const auto* smilies = chat->findChild<QWidget*>("button_smilies");
    EXPECT_EQ(smilies->size(), QSize(qRound(27 * s), qRound(21 * s)));
    EXPECT_EQ(smilies->geometry().left(), input->geometry().right() + 5);
    // The chat's words grow with the table, on top of the user's text size.
    chat->chat()->setTextSize(12);
    chat->notice(QStringLiteral("grown"));
    const QTextBlock line = chat->chat()->view()->document()->lastBlock();
    EXPECT_DOUBLE_EQ(line.begin().fragment().charFormat().fontPointSize(), 12 * s);
    EXPECT_EQ(chat->chat()->textSize(), 12);  // what the settings keep
}

TEST_P(ScaledBoardTest, ClicksOnScaledCardsSpotsAndThePileReachTheirHandlers) {
    ASSERT_TRUE(growTo(GetParam()));
    // Tab spots first, then seat 1's seven cards.
    random.stack({nineOfClubs, 30, 35, 48, kingOfClubs, 3, 1, 16, eightOfHearts, 5, 6});
    chat->link().send("CMD_startgame+You+100+90+");
    ASSERT_TRUE(runUntil([&] { return chat->model().input().canact(); }));

    clickCard(eightOfHearts);
    EXPECT_EQ(chat->model().input().selectedcard(), handCard(eightOfHearts)->position);
    EXPECT_EQ(handCard(eightOfHearts)->top, layout::raisedTop);
    const layout::Point spot = layout::tabFirst[0];
    click(QPoint(spot.left + 30, spot.top + 40));
    ASSERT_TRUE(waitUntil([&] { return chat->model().tab(1).top == eightOfHearts; }));
    EXPECT_EQ(handCard(eightOfHearts), nullptr);

    // The last design pixel of a card still counts; the pile ends the turn.
    click(QPoint(layout::topcard.left + layout::cardWidth - 1,
                 layout::topcard.top + layout::cardHeight - 1));
    EXPECT_TRUE(waitUntil([&] { return !chat->model().input().canact(); }));
}

INSTANTIATE_TEST_SUITE_P(Scales, ScaledBoardTest, ::testing::Values(1.5, 2.0));

class DefaultBoardTest : public HostingWindowTest {
protected:
    DefaultBoardTest() { open(); }
};

TEST_F(DefaultBoardTest, TheDefaultWindowKeepsEveryPlaceAndTheSmallestSize) {
    BoardView* board = chat->board();
    EXPECT_EQ(board->scale(), 1.0);
    EXPECT_EQ(chat->chat()->geometry(), QRect(477, 72, 290, 457));
    EXPECT_EQ(chat->chat()->view()->parentWidget()->geometry(), QRect(0, 0, 278, 427));
    EXPECT_EQ(chat->chat()->input()->geometry(), QRect(1, 428, 247, 22));
    EXPECT_EQ(chat->findChild<QWidget*>("button_smilies")->geometry(), QRect(252, 429, 27, 21));
    EXPECT_EQ(chat->findChild<QWidget*>("phrasebar")->geometry(), QRect(477, 46, 279, 23));
    EXPECT_EQ(chat->findChild<QWidget*>("b_phrase2")->geometry(), QRect(28, 0, 27, 23));
    EXPECT_EQ(board->button_start()->geometry(), QRect(61, 160, 135, 29));

    // Shrinking is refused below the smallest board.
    chat->resize(400, 300);
    QTest::qWait(50);
    EXPECT_GE(board->width(), BoardView::minimumBoard.width());
    EXPECT_GE(board->height(), BoardView::minimumBoard.height());
    EXPECT_EQ(board->scale(), 1.0);
}

TEST_F(DefaultBoardTest, AWindowGrownAndShrunkBackIsAsBefore) {
    BoardView* board = chat->board();
    const QSize before = chat->size();
    const QRect status = board->label_status()->geometry();
    chat->resize(before * 2);
    ASSERT_TRUE(waitUntil([&] { return board->scale() > 1.5; }));
    chat->resize(before);
    ASSERT_TRUE(waitUntil([&] { return board->scale() == 1.0; }));
    EXPECT_EQ(board->label_status()->geometry(), status);
    EXPECT_EQ(chat->chat()->geometry(), QRect(477, 72, 290, 457));
    EXPECT_EQ(board->findChild<QLabel*>("label_timer")->font().pixelSize(), 16);
}

}  // namespace
}  // namespace tess::testing
