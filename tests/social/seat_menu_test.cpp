#include <gtest/gtest.h>

#include <QAction>
#include <QContextMenuEvent>
#include <QLabel>
#include <QTest>
#include <string>
#include <vector>

#include "social/player_requests.h"
#include "social/seat_menu.h"

namespace tess {
namespace {

class SeatMenuTest : public ::testing::Test {
protected:
    SeatMenuTest() {
        QObject::connect(&menu, &SeatMenu::sendLine,
                         [this](const std::string& line) { sent.push_back(line); });
    }

    bool connected = true;
    int mySlot = 1;
    LinkState link{[this] { return connected; }, [this] { return mySlot; }};
    QWidget window;
    SeatMenu menu{link, &window};
    std::vector<std::string> sent;
};

TEST_F(SeatMenuTest, HoldsTheThreeItems) {
    EXPECT_EQ(menu.objectName(), "popup_kick");
    ASSERT_EQ(menu.actions().size(), 3);
    EXPECT_EQ(menu.actions()[0]->text(), "Remove From Game");
    EXPECT_EQ(menu.actions()[1]->text(), "Set to Just Watch");
    EXPECT_EQ(menu.actions()[2]->text(), "Unset Just Watch");
}

struct EnablingCase {
    const char* name;
    bool hosting, waiting;
    bool remove, set, unset;
};

class SeatMenuEnablingTest : public SeatMenuTest,
                             public ::testing::WithParamInterface<EnablingCase> {};

TEST_P(SeatMenuEnablingTest, FollowsHostingAndTheEmptySeat) {
    const EnablingCase& c = GetParam();
    menu.label_playername1ContextPopup(3, c.hosting, c.waiting);
    EXPECT_EQ(menu.seat(), 3);
    EXPECT_EQ(menu.RemoveFromGame1->isEnabled(), c.remove);
    EXPECT_EQ(menu.SettoJustWatch1->isEnabled(), c.set);
    EXPECT_EQ(menu.UnsetJustWatch1->isEnabled(), c.unset);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, SeatMenuEnablingTest,
    ::testing::Values(EnablingCase{"HostOnAPlayer", true, false, true, true, true},
                      EnablingCase{"HostOnAnEmptySeat", true, true, false, true, true},
                      EnablingCase{"JoinerOnAPlayer", false, false, false, false, false},
                      EnablingCase{"JoinerOnAnEmptySeat", false, true, false, false, false}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(SeatMenuTest, TheHostsItemsSendTheirRequestsForTheRememberedSeat) {
    menu.label_playername1ContextPopup(3, true, false);
    menu.RemoveFromGame1->trigger();
    menu.SettoJustWatch1->trigger();
    menu.UnsetJustWatch1->trigger();
    EXPECT_EQ(sent, (std::vector<std::string>{"CMD_kickhim+1+3+", "CMD_justwatch+3+1",
                                              "CMD_justwatch+3+2"}));
}

TEST_F(SeatMenuTest, TheEnablingOfOneOpeningDoesNotCarryOver) {
    menu.label_playername1ContextPopup(2, true, true);
    menu.label_playername1ContextPopup(4, true, false);
    EXPECT_TRUE(menu.RemoveFromGame1->isEnabled());
    menu.label_playername1ContextPopup(2, false, false);
    menu.RemoveFromGame1->trigger();
    menu.SettoJustWatch1->trigger();
    EXPECT_TRUE(sent.empty());
}

TEST_F(SeatMenuTest, NothingIsSentWhileNotConnected) {
    connected = false;
    menu.label_playername1ContextPopup(2, true, false);
    for (QAction* item : menu.actions())
        item->trigger();
    EXPECT_TRUE(sent.empty());
}

TEST_F(SeatMenuTest, ARightClickOnAnAttachedLabelOpensTheMenuForItsSeat) {
    auto* label = new QLabel(QStringLiteral("<Waiting>"), &window);
    label->setGeometry(10, 10, 80, 20);
    int seat = 4;
    menu.attach(
        label, [&] { return seat; }, [] { return true; });
    window.show();

    QContextMenuEvent click(QContextMenuEvent::Mouse, QPoint(5, 5),
                            label->mapToGlobal(QPoint(5, 5)));
    QApplication::sendEvent(label, &click);
    EXPECT_TRUE(menu.isVisible());
    EXPECT_EQ(menu.seat(), 4);
    EXPECT_FALSE(menu.RemoveFromGame1->isEnabled());
    EXPECT_TRUE(menu.SettoJustWatch1->isEnabled());
    menu.grab().save("/tmp/forms_shots/seat_menu.png");
    menu.SettoJustWatch1->trigger();
    menu.close();
    EXPECT_EQ(sent, std::vector<std::string>{"CMD_justwatch+4+1"});
}

struct KickingCase {
    const char* name;
    bool hosting, connected;
    int slot;
    std::string line;
};

class KickingTest : public ::testing::TestWithParam<KickingCase> {};

TEST_P(KickingTest, BuildsTheRequestOnlyWhenItMayBeMade) {
    const KickingCase& c = GetParam();
    const LinkState link{[&] { return c.connected; }, [] { return 1; }};
    EXPECT_EQ(kicking(link, c.hosting, c.slot), c.line);
}

INSTANTIATE_TEST_SUITE_P(Cases, KickingTest,
                         ::testing::Values(KickingCase{"Seat", true, true, 2, "CMD_kickhim+1+2+"},
                                           KickingCase{"Spy", true, true, 9, "CMD_kickhim+1+9+"},
                                           KickingCase{"NoSlot", true, true, 0, ""},
                                           KickingCase{"PastTheSlots", true, true, 10, ""},
                                           KickingCase{"NotTheHost", false, true, 2, ""},
                                           KickingCase{"NotConnected", true, false, 2, ""}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(JustWatchRequestTest, OnlyForASeatWhileConnected) {
    bool connected = true;
    const LinkState link{[&] { return connected; }, [] { return 1; }};
    EXPECT_EQ(justwatchRequest(link, 1, true), "CMD_justwatch+1+1");
    EXPECT_EQ(justwatchRequest(link, 4, false), "CMD_justwatch+4+2");
    EXPECT_EQ(justwatchRequest(link, 5, true), "");
    EXPECT_EQ(justwatchRequest(link, 0, true), "");
    EXPECT_EQ(justwatchRequest(LinkState{}, 2, true), "");  // no link yet
    connected = false;
    EXPECT_EQ(justwatchRequest(link, 2, true), "");
}

}  // namespace
}  // namespace tess
