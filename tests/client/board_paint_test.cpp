// The board repaints only what a change touched: what the screen shows after each step
// of play must still be exactly what drawing the whole table anew shows.
#include <gtest/gtest.h>

#include <QGuiApplication>
#include <QPaintEvent>
#include <QRegion>
#include <QScreen>
#include <QTest>
#include <QWindow>
#include <cstdlib>

#include "client/model/table_layout.h"
#include "client/table/board_view.h"
#include "client/table/tchat.h"
#include "tests/client/hosting_window.h"

namespace tess::testing {
namespace {

constexpr int nineOfClubs = 9, kingOfClubs = 13, eightOfHearts = 21;

class BoardPaintTest : public HostingWindowTest, public ::testing::WithParamInterface<double> {
protected:
    BoardPaintTest() { open(); }

    BoardView* board() const { return chat->board(); }
    QPoint at(QPoint design) const { return board()->scaled(design); }
    void click(QPoint design, Qt::MouseButton button = Qt::LeftButton) {
        QTest::mouseClick(board(), button, {}, at(design));
    }
    void clickCard(int card) {
        const auto& cards = chat->model().hand().cards();
        for (std::size_t i = 0; i < cards.size(); ++i)
            if (cards[i].card == card)
                return click(board()->handRects()[i].topLeft() + QPoint(8, 40));
        FAIL() << "no card " << card << " in the hand";
    }
    static QPoint spot(layout::Point p) { return {p.left + 30, p.top + 40}; }
    // The window grown until the board is drawn at `scale`.
    bool scaleTo(double scale) {
        if (scale == 1.0) return true;
        const QSize target(qRound(BoardView::minimumBoard.width() * scale),
                           qRound(BoardView::minimumBoard.height() * scale));
        chat->resize(target + chat->size() - board()->size());
        return waitUntil([&] { return board()->scale() == scale; });
    }

    // The table part of the board (the chat column has a blinking cursor) as the window
    // holds it on screen, against the same part drawn from scratch.
    void expectScreenIsAFreshDrawing(const char* step) {
        QCoreApplication::processEvents();
        const QRect table = board()->scaled(QRect(0, 0, 470, BoardView::boardSize.height()));
        const QPoint origin = board()->mapTo(chat.get(), QPoint(0, 0));
        QScreen* screen = chat->windowHandle()->screen();
        const QImage shown =
            screen->grabWindow(chat->winId(), origin.x(), origin.y(), table.width(), table.height())
                .toImage()
                .convertToFormat(QImage::Format_RGB32);
        const QImage drawn = board()->grab(table).toImage().convertToFormat(QImage::Format_RGB32);
        ASSERT_EQ(shown.size(), drawn.size()) << step;
        // Text drawn into a grab may be smoothed a shade differently; stale pieces (a card
        // left behind, felt where a card is) differ by far more.
        const auto stale = [](QRgb a, QRgb b) {
            return std::abs(qRed(a) - qRed(b)) > 24 || std::abs(qGreen(a) - qGreen(b)) > 24 ||
                   std::abs(qBlue(a) - qBlue(b)) > 24;
        };
        int differing = 0;
        QPoint first;
        for (int y = 0; y < shown.height(); ++y)
            for (int x = 0; x < shown.width(); ++x)
                if (stale(shown.pixel(x, y), drawn.pixel(x, y)) && differing++ == 0) first = {x, y};
        EXPECT_EQ(differing, 0) << step << ": first stale pixel at " << first.x() << ","
                                << first.y();
    }
};

TEST_P(BoardPaintTest, WhatTheScreenShowsAfterEachStepIsTheWholeTableDrawnAnew) {
    ASSERT_TRUE(scaleTo(GetParam()));
    expectScreenIsAFreshDrawing("empty table");
    // Tab spots first, then seat 1's seven cards.
    random.stack({nineOfClubs, 30, 35, 48, kingOfClubs, 3, 1, 16, eightOfHearts, 5, 6});
    chat->link().send("CMD_startgame+You+100+90+");
    ASSERT_TRUE(runUntil([&] { return chat->model().input().canact(); }));
    expectScreenIsAFreshDrawing("dealt");

    clickCard(eightOfHearts);
    expectScreenIsAFreshDrawing("card raised");
    click(spot(layout::tabFirst[0]));
    ASSERT_TRUE(waitUntil([&] { return chat->model().tab(1).top == eightOfHearts; }));
    expectScreenIsAFreshDrawing("card played");

    click(spot(layout::tabFirst[1]));  // a pile selected: its frame
    expectScreenIsAFreshDrawing("spot selected");
    click(spot(layout::tabFirst[1]));
    expectScreenIsAFreshDrawing("spot let go");
    clickCard(kingOfClubs);
    QTest::mouseClick(board(), Qt::RightButton, {},
                      at(board()->handRects()[0].topLeft() + QPoint(8, 40)));
    expectScreenIsAFreshDrawing("hand sorted");

    // The draw ends the turn; the bot's turn changes its fan, the arrows and the bar.
    click(spot(layout::topcard));
    ASSERT_TRUE(runUntil([&] { return chat->model().turnseat() == 2; }));
    expectScreenIsAFreshDrawing("bot's turn");
}

// Collects the regions the board is asked to paint.
class PaintedRegions : public QObject {
public:
    explicit PaintedRegions(QWidget* watched) : watched_(watched) {
        watched->installEventFilter(this);
    }
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint) {
            const QRegion& region = static_cast<QPaintEvent*>(event)->region();
            painted += region;
            ++paints;
            // The chat column's opaque widgets on the board are never the board's to paint.
            if ((watched_->visibleRegion() - region).isEmpty()) ++wholePaints;
        }
        return false;
    }
    QRegion painted;
    int paints = 0;
    int wholePaints = 0;  // paints of the whole board at once

private:
    QWidget* watched_;
};

TEST_P(BoardPaintTest, AMoveRepaintsTheCardThatLeftAndThePileItJoinedOnly) {
    ASSERT_TRUE(scaleTo(GetParam()));
    random.stack({nineOfClubs, 30, 35, 48, kingOfClubs, 3, 1, 16, eightOfHearts, 5, 6});
    chat->link().send("CMD_startgame+You+100+90+");
    ASSERT_TRUE(runUntil([&] { return chat->model().input().canact(); }));
    // The quick instructions lie over the table at the first start.
    auto* help = chat->findChild<QWidget*>(QStringLiteral("panel_help"));
    ASSERT_NE(help, nullptr);
    help->hide();
    clickCard(eightOfHearts);
    QCoreApplication::processEvents();
    QRect raised;
    const auto& cards = chat->model().hand().cards();
    for (std::size_t i = 0; i < cards.size(); ++i)
        if (cards[i].card == eightOfHearts) raised = this->board()->handRects()[i];
    ASSERT_EQ(raised.top(), layout::raisedTop);

    PaintedRegions board(this->board());
    click(spot(layout::tabFirst[0]));
    ASSERT_TRUE(waitUntil([&] { return chat->model().tab(1).top == eightOfHearts; }));

    const auto scaledCard = [&](int left, int top) {
        return this->board()->scaled(QRect(left, top, layout::cardWidth, layout::cardHeight));
    };
    const QRect joined = scaledCard(layout::tabTop[0].left, layout::tabTop[0].top);
    const QRect left = scaledCard(raised.left(), raised.top());
    // The pile's repaint may come a frame after the card left the hand.
    EXPECT_TRUE(waitUntil([&] { return (QRegion(joined) - board.painted).isEmpty(); }))
        << "the pile the card joined";
    EXPECT_TRUE(board.painted.intersects(left)) << "where the card was";
    // Nothing the move left alone: the other spots, the foundations, the draw pile (their
    // insides: a neighbour's repaint may take a pixel more for smoothed edges).
    const auto untouched = [&](layout::Point p) {
        return !board.painted.intersects(scaledCard(p.left, p.top).adjusted(2, 2, -2, -2));
    };
    for (int i = 1; i < wire::spotCount; ++i)
        EXPECT_TRUE(untouched(layout::tabFirst[i])) << "tab spot " << i + 1;
    for (const layout::Point& f : layout::foundation)
        EXPECT_TRUE(untouched(f)) << "a foundation";
    EXPECT_TRUE(untouched(layout::topcard)) << "the draw pile";
    EXPECT_EQ(board.wholePaints, 0);

    // A new size is the one change that repaints the whole board.
    chat->resize(chat->size() + QSize(40, 30));
    EXPECT_TRUE(waitUntil([&] { return board.wholePaints > 0; }));
}

// 1.75 puts some pictures' edges half a pixel off the labels beneath them.
INSTANTIATE_TEST_SUITE_P(Scales, BoardPaintTest, ::testing::Values(1.0, 1.5, 1.75));

}  // namespace
}  // namespace tess::testing
