// The user's hand on a grown board: spread along its row as far as the row has room,
// exactly at the model's places on the smallest board, and every card found by a click
// and by a screen reader where it is drawn.
#include <gtest/gtest.h>

#include <QAccessible>
#include <QTest>
#include <string>

#include "client/model/table_layout.h"
#include "client/table/board_view.h"
#include "client/table/hand_spread.h"
#include "tests/client/table_harness.h"

namespace tess::testing {
namespace {

// A board on a table fed by the host's lines: seat 1, holding `count` cards.
struct HandOnBoard {
    explicit HandOnBoard(int count) {
        table.join(1);
        std::string deal = "CMD_mycards+1";
        for (int p = 1; p <= count; ++p)
            deal += "+" + std::to_string(p) + "+" + std::to_string(p);
        if (count > 0) {
            EXPECT_TRUE(table.feed(deal));
        }
        board.show();
    }
    void sizeTo(QSize size) {
        board.resize(size);
        QCoreApplication::processEvents();
    }
    Table table;
    BoardView board{table.model};
};

// The point in the middle of the part of card i no card above it covers.
QPoint visibleMiddle(const std::vector<QRect>& shown, std::size_t i) {
    const QRect& r = shown[i];
    const int right =
        i + 1 < shown.size() ? std::min(shown[i + 1].left(), r.right() + 1) : r.right() + 1;
    return {(r.left() + right - 1) / 2, r.top() + r.height() / 2};
}

TEST(HandSpread, SpreadsAsFarAsTheRowAllowsAndKeepsTheModelsPlacesOnTheSmallestBoard) {
    const QSize sizes[] = {{768, 530}, {845, 583}, {960, 662}, {1152, 795}, {1920, 1175}};
    const int counts[] = {1, 2, 5, 7, 8, 12, 25};
    constexpr int sideBySide = layout::cardWidth + handSpread::gap;
    const auto fits = [](int count) {
        return count * sideBySide - handSpread::gap <= handSpread::rowRight - handSpread::rowLeft;
    };
    for (const QSize size : sizes) {
        for (const int count : counts) {
            HandOnBoard hand(count);
            hand.sizeTo(size);
            const std::string what = std::to_string(size.width()) + "x" +
                                     std::to_string(size.height()) + ", " + std::to_string(count) +
                                     " cards";
            const auto& cards = hand.table.model.hand().cards();
            const std::vector<QRect> shown = hand.board.handRects();
            ASSERT_EQ(shown.size(), cards.size()) << what;
            const double amount = handSpread::amountAt(hand.board.scale());
            for (std::size_t i = 0; i < shown.size(); ++i) {
                EXPECT_EQ(shown[i].top(), cards[i].top) << what;
                EXPECT_EQ(shown[i].size(), QSize(layout::cardWidth, layout::cardHeight));
                if (amount == 0) {
                    EXPECT_EQ(shown[i].left(), cards[i].left) << what << ", " << i;
                }
                if (i == 0) continue;
                const int step = shown[i].left() - shown[i - 1].left();
                // Never tighter than on the smallest board, never further than side by side.
                EXPECT_GE(step, 18) << what << ", " << i;
                EXPECT_LE(step, sideBySide) << what << ", " << i;
                // Fully spread: no overlap wherever the row holds the cards side by side.
                if (amount == 1 && fits(count)) {
                    EXPECT_EQ(step, sideBySide) << what << ", " << i;
                }
            }
            // Fully spread, more cards than fit side by side use the row to its end (or
            // keep the smallest board's width where that is wider).
            if (amount == 1 && count > 1 && !fits(count)) {
                const int modelRight = layout::handLeft(count) + layout::cardWidth;
                EXPECT_NEAR(shown.back().right() + 1, std::max(handSpread::rowRight, modelRight), 1)
                    << what;
            }
            if (!shown.empty()) {
                EXPECT_EQ(shown.front().left(), handSpread::rowLeft) << what;
            }
        }
    }
}

TEST(HandSpread, GrowsSmoothlyWithTheBoardFromTheSmallestToTheFullSpread) {
    EXPECT_EQ(handSpread::amountAt(1.0), 0.0);
    EXPECT_EQ(handSpread::amountAt(0.5), 0.0);
    EXPECT_GT(handSpread::amountAt(1.1), 0.0);
    EXPECT_LT(handSpread::amountAt(1.1), 1.0);
    EXPECT_EQ(handSpread::amountAt(handSpread::fullFrom), 1.0);
    EXPECT_EQ(handSpread::amountAt(3.0), 1.0);
    // A sorted card keeps its two units to the left at any spread.
    const std::vector<HandCard> sorted{{1, 1, 8, layout::handTop}, {2, 2, 26, layout::handTop}};
    const std::vector<QRect> spread = handSpread::rects(sorted, 1);
    EXPECT_EQ(spread[0].left(), handSpread::rowLeft - 2);
    EXPECT_EQ(spread[1].left() - spread[0].left(), layout::cardWidth + handSpread::gap);
}

TEST(HandSpread, EveryCardIsFoundByAClickAndAScreenReaderWhereItIsDrawn) {
    const QSize sizes[] = {{768, 530}, {1152, 795}, {1920, 1175}};
    for (const QSize size : sizes) {
        for (const int count : {7, 25}) {
            HandOnBoard hand(count);
            hand.sizeTo(size);
            // One card raised, as a selected card stands.
            hand.table.model.input().pressHandCard(3, MoveInput::Button::left);
            const std::string what = std::to_string(size.width()) + ", " + std::to_string(count);
            const auto& cards = hand.table.model.hand().cards();
            const std::vector<QRect> shown = hand.board.handRects();
            QAccessibleInterface* board = QAccessible::queryAccessibleInterface(&hand.board);
            ASSERT_NE(board, nullptr);
            int readerCards = 0;
            for (int c = 0; c < board->childCount(); ++c) {
                QAccessibleInterface* piece = board->child(c);
                if (piece == nullptr || piece->role() != QAccessible::ListItem) continue;
                const std::size_t i = std::size_t(readerCards++);
                ASSERT_LT(i, shown.size()) << what;
                const QRect onScreen = hand.board.scaled(shown[i]);
                EXPECT_EQ(piece->rect(),
                          QRect(hand.board.mapToGlobal(onScreen.topLeft()), onScreen.size()))
                    << what << ", card " << i + 1;
            }
            EXPECT_EQ(readerCards, count) << what;
            for (std::size_t i = 0; i < shown.size(); ++i) {
                // Through the scale, as a mouse press is mapped.
                const QPoint pixel = hand.board.scaled(visibleMiddle(shown, i));
                const BoardView::Hit hit = hand.board.hitAt(hand.board.toDesign(pixel));
                EXPECT_EQ(hit.kind, BoardView::Hit::Kind::hand) << what << ", card " << i + 1;
                EXPECT_EQ(hit.number, cards[i].position) << what << ", card " << i + 1;
            }
        }
    }
}

}  // namespace
}  // namespace tess::testing
