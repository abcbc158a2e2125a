// The table in the window, played with the mouse against the real host in the same
// process (its clock virtual, its deck stacked).
#include <gtest/gtest.h>

#include <QApplication>
#include <QMessageBox>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include "client/table/board_view.h"
#include "client/table/tchat.h"
#include "engine/virtual_clock.h"
#include "net/server.h"
#include "social/chat_panel.h"
#include "social/chat_view.h"
#include "tests/client/hosting_window.h"
#include "tests/support/stacked_random.h"
#include "tests/support/test_client.h"

namespace tess::testing {
namespace {

constexpr int nineOfClubs = 9, kingOfClubs = 13, eightOfHearts = 21;

QMessageBox* openBox() {
    for (QWidget* w : QApplication::topLevelWidgets())
        if (auto* box = qobject_cast<QMessageBox*>(w); box && box->isVisible()) return box;
    return nullptr;
}

class BoardViewTest : public HostingWindowTest {
protected:
    BoardViewTest() { open(); }
    // Runs the host's clock until the local player may move.
    bool ownTurn() {
        return runUntil([&] { return chat->model().input().canact(); });
    }
    const HandCard* handCard(int card) const {
        for (const HandCard& c : chat->model().hand().cards())
            if (c.card == card) return &c;
        return nullptr;
    }
    void click(QPoint at, Qt::MouseButton button = Qt::LeftButton) {
        QTest::mouseClick(chat->board(), button, {}, at);
    }
    void clickCard(int card) {
        const HandCard* c = handCard(card);
        ASSERT_NE(c, nullptr);
        click(QPoint(c->left + 8, c->top + 40));
    }
    static QPoint tabSpot(int spot) {
        const layout::Point p = layout::tabFirst[spot - 1];
        return {p.left + 30, p.top + 40};
    }
};

TEST_F(BoardViewTest, ACardRaisedAndPlayedOntoATabSpotByMouse) {
    // Tab spots first, then seat 1's seven cards.
    random.stack({nineOfClubs, 30, 35, 48, kingOfClubs, 3, 1, 16, eightOfHearts, 5, 6});
    chat->link().send("CMD_startgame+You+100+90+");
    ASSERT_TRUE(ownTurn());
    ASSERT_EQ(chat->model().tab(1).first, nineOfClubs);

    // A card that does not fit is refused on the spot, with the "invalid" sound.
    QSignalSpy sounds(&chat->sounds(), &SoundPlayer::played);
    clickCard(kingOfClubs);
    EXPECT_EQ(handCard(kingOfClubs)->top, layout::raisedTop);
    click(tabSpot(1));
    ASSERT_FALSE(sounds.isEmpty());
    EXPECT_EQ(sounds.last().at(0).toString().toUpper(), "INVALID");
    EXPECT_EQ(chat->model().tab(1).top, 0);

    // The eight of hearts fits the nine of clubs.
    clickCard(kingOfClubs);  // lowered again
    clickCard(eightOfHearts);
    click(tabSpot(1));
    ASSERT_TRUE(waitUntil([&] { return chat->model().tab(1).top == eightOfHearts; }));
    EXPECT_EQ(server.engine().table().tabs[1].top(), eightOfHearts);
    // The hand closed up: every card at 18 m - 8 for its place m.
    const auto& cards = chat->model().hand().cards();
    ASSERT_EQ(cards.size(), 6u);
    for (std::size_t m = 1; m <= cards.size(); ++m)
        EXPECT_EQ(cards[m - 1].left, layout::handLeft(static_cast<int>(m))) << m;
    EXPECT_EQ(handCard(eightOfHearts), nullptr);

    // A right-click sorts the hand by rank, ace first, equal ranks in their order.
    clickCard(5);
    QTest::mouseClick(chat->board(), Qt::RightButton, {},
                      QPoint(cards[0].left + 8, cards[0].top + 40));
    std::vector<int> order;
    for (const HandCard& c : chat->model().hand().cards())
        order.push_back(c.card);
    EXPECT_EQ(order, (std::vector<int>{1, 3, 16, 5, 6, kingOfClubs}));
    EXPECT_EQ(chat->model().input().selectedcard(), 0);

    // The draw pile ends the turn.
    click(QPoint(layout::topcard.left + 30, layout::topcard.top + 40));
    EXPECT_TRUE(waitUntil([&] { return !chat->model().input().canact(); }));
}

TEST_F(BoardViewTest, TheHostsRefusalOfTheUsersOwnMoveShowsInABoxThatDoesNotStopTheTable) {
    // Tab spots first, then seat 1's seven cards at hand positions 1-7.
    random.stack({nineOfClubs, 30, 35, 48, kingOfClubs, 3, 1, 16, eightOfHearts, 5, 6});
    chat->link().send("CMD_startgame+You+100+90+");
    ASSERT_TRUE(ownTurn());
    EXPECT_EQ(openBox(), nullptr);

    chat->link().send("CMD_handplay+1+20+1+");  // hand position 20 holds no card
    ASSERT_TRUE(waitUntil([] { return openBox() != nullptr; }));
    EXPECT_EQ(openBox()->text(), "noplay");

    chat->link().send("CMD_handplay+1+5+1+");  // the eight of hearts onto the nine of clubs
    EXPECT_TRUE(waitUntil([&] { return chat->model().tab(1).top == eightOfHearts; }));
    openBox()->accept();
}

// Where a press counts, on a board with no card on it.
TEST(BoardViewPlaces, EachSpotCountsWhereverItsPicturesStand) {
    TableEvents events;
    TableModel model(events);
    BoardView board(model);
    using Kind = BoardView::Hit::Kind;
    const auto centre = [](layout::Point p) { return QPoint(p.left + 30, p.top + 41); };
    const struct {
        QPoint at;
        Kind kind;
        int number;
    } cases[] = {
        // A tab spot's second picture counts also while the spot shows no top card.
        {centre(layout::tabTop[0]) + QPoint(0, 35), Kind::tab, 1},
        {centre(layout::tabTop[1]) - QPoint(20, 0), Kind::tab, 2},
        {centre(layout::tabTop[2]) - QPoint(0, 25), Kind::tab, 3},
        {centre(layout::tabTop[3]) + QPoint(20, 0), Kind::tab, 4},
        {centre(layout::tabFirst[2]), Kind::tab, 3},
        {centre(layout::foundation[1]), Kind::foundation, 2},
        {centre(layout::topcard), Kind::pile, 0},
        {QPoint(5, 5), Kind::none, 0},
        {QPoint(240, 300), Kind::none, 0},
    };
    for (const auto& c : cases) {
        const BoardView::Hit hit = board.hitAt(c.at);
        EXPECT_EQ(hit.kind, c.kind) << c.at.x() << "," << c.at.y();
        EXPECT_EQ(hit.number, c.number) << c.at.x() << "," << c.at.y();
    }
}

TEST(BoardViewPlaces, TextsStandInTheirPlacesAndFonts) {
    TableEvents events;
    TableModel model(events);
    BoardView board(model);
    const struct {
        const char* name;
        QPoint at;
        int pixelSize;
    } cases[] = {
        {"label_timer", {20, 351}, 16},
        {"label_potscore", {172, 334}, 43},
        {"label_status", {16, 508}, 13},
    };
    for (const auto& c : cases) {
        const auto* label = board.findChild<QLabel*>(c.name);
        ASSERT_NE(label, nullptr) << c.name;
        EXPECT_EQ(label->pos(), c.at) << c.name;
        EXPECT_EQ(label->font().pixelSize(), c.pixelSize) << c.name;
        EXPECT_TRUE(label->font().bold()) << c.name;
    }
}

}  // namespace
}  // namespace tess::testing
