#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QContextMenuEvent>
#include <QListWidget>
#include <QMenu>
#include <QMouseEvent>
#include <QTest>
#include <string>
#include <vector>

#include "assets/pictures/pictures.h"
#include "social/chat_view.h"
#include "social/spylist_form.h"

namespace tess {
namespace {

class SpyListTest : public ::testing::Test {
protected:
    SpyListTest() {
        QObject::connect(&spies, &Tspylist::sendLine,
                         [this](const std::string& line) { sent.push_back(line); });
    }

    QWidget* viewport() const { return spies.listbox_spys()->viewport(); }
    QPoint rowCentre(int row) const {
        return spies.listbox_spys()->visualItemRect(spies.listbox_spys()->item(row)).center();
    }
    QPoint belowLastRow() const {
        const QRect last = spies.listbox_spys()->visualItemRect(
            spies.listbox_spys()->item(spies.listbox_spys()->count() - 1));
        return QPoint(last.center().x(), last.bottom() + 20);
    }
    // Straight to the list: a move to where the pointer already is (left there by an
    // earlier test) would otherwise never arrive.
    void moveTo(const QPoint& pos) {
        QMouseEvent move(QEvent::MouseMove, pos, viewport()->mapToGlobal(pos), Qt::NoButton,
                         Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(viewport(), &move);
    }

    bool connected = true;
    int mySlot = 1;
    LinkState link{[this] { return connected; }, [this] { return mySlot; }};
    Tspylist spies{link};
    std::vector<std::string> sent;
};

TEST_F(SpyListTest, HasTheMainWindowsBackgroundPicture) {
    const QImage shown = spies.grab().toImage();
    const QImage felt = pictures::feltBackground(Tspylist::clientSize, 1).toImage();
    ASSERT_EQ(shown.size(), felt.size());
    // The wooden rim, and the lit felt between the title and the button.
    for (const QPoint at : {QPoint(0, 0), QPoint(90, 150), QPoint(160, 3), QPoint(2, 100)})
        EXPECT_EQ(shown.pixelColor(at), felt.pixelColor(at)) << at.x() << "," << at.y();
    EXPECT_EQ(shown.pixelColor(0, 0), QColor(74, 44, 22));
    EXPECT_NE(shown.pixelColor(90, 150), QColor(16, 96, 46)) << "not the flat green";
}

TEST_F(SpyListTest, ShowsTheDesignedWindow) {
    spies.addSpy(5, "Bob");
    spies.addSpy(7, "Cat");
    spies.SpyList1Click();
    EXPECT_TRUE(spies.isVisible());
    EXPECT_FALSE(spies.isModal());
    EXPECT_TRUE(spies.windowFlags() & Qt::WindowStaysOnTopHint);
    EXPECT_EQ(spies.windowTitle(), "Tessarine - Spys");
    EXPECT_EQ(spies.size(), QSize(162, 168));
    EXPECT_EQ(spies.listbox_spys()->geometry(), QRect(5, 5, 154, 130));
    EXPECT_EQ(spies.listbox_spys()->palette().color(QPalette::Base), QColor(0xE2, 0xE2, 0xCB));
    EXPECT_EQ(spies.popup_kickhim()->text(), "Remove From Game");
    EXPECT_FALSE(spies.popup_kickhim()->isEnabled());
    spies.grab().save("/tmp/forms_shots/spylist.png");

    // Done only hides the window; the entries stay.
    QTest::mouseClick(spies.button_done(), Qt::LeftButton);
    EXPECT_FALSE(spies.isVisible());
    EXPECT_EQ(spies.entries(), QStringList({"5: Bob", "7: Cat"}));
}

TEST_F(SpyListTest, EntriesAreAddedOnceAndRemovedByTheirWholeText) {
    EXPECT_TRUE(spies.addSpy(5, "Bob"));
    EXPECT_FALSE(spies.addSpy(5, "Bob"));  // the player list comes twice to a newcomer
    EXPECT_TRUE(spies.addSpy(6, "Bo"));
    EXPECT_TRUE(spies.hasSpy(6, "Bo"));
    EXPECT_FALSE(spies.hasSpy(6, "Bob"));
    EXPECT_EQ(spies.entries(), QStringList({"5: Bob", "6: Bo"}));

    EXPECT_FALSE(spies.removeSpy(5, "Bo"));
    EXPECT_FALSE(spies.removeSpy(7, "Bob"));
    EXPECT_TRUE(spies.removeSpy(5, "Bob"));
    EXPECT_FALSE(spies.removeSpy(5, "Bob"));
    EXPECT_EQ(spies.entries(), QStringList({"6: Bo"}));
}

TEST_F(SpyListTest, RemembersTheRowUnderThePointer) {
    spies.addSpy(5, "Bob");
    spies.addSpy(7, "Cat");
    spies.show();
    EXPECT_EQ(spies.rememberedRow(), -1);
    moveTo(rowCentre(1));
    EXPECT_EQ(spies.rememberedRow(), 1);
    moveTo(rowCentre(0));
    EXPECT_EQ(spies.rememberedRow(), 0);
    moveTo(belowLastRow());
    EXPECT_EQ(spies.rememberedRow(), -1);
}

TEST_F(SpyListTest, TheHostRemovesTheSpyUnderThePointer) {
    spies.setHosting(true);
    EXPECT_TRUE(spies.popup_kickhim()->isEnabled());
    spies.addSpy(5, "Bob");
    spies.addSpy(7, "Cat");
    spies.show();
    moveTo(rowCentre(1));
    spies.popup_kickhim()->trigger();
    EXPECT_EQ(sent, std::vector<std::string>{"CMD_kickhim+1+7+"});
}

struct KickCase {
    const char* name;
    bool hosting, connected, pointerOnRow;
    std::vector<std::string> sent;
};

class SpyListKickTest : public SpyListTest, public ::testing::WithParamInterface<KickCase> {};

TEST_P(SpyListKickTest, SendsOnlyForTheConnectedHostWithARow) {
    const KickCase& c = GetParam();
    spies.setHosting(c.hosting);
    connected = c.connected;
    spies.addSpy(9, "Dee");
    spies.show();
    moveTo(c.pointerOnRow ? rowCentre(0) : belowLastRow());
    spies.popup_kickhim()->trigger();
    EXPECT_EQ(sent, c.sent);
}

INSTANTIATE_TEST_SUITE_P(Cases, SpyListKickTest,
                         ::testing::Values(KickCase{"Host", true, true, true, {"CMD_kickhim+1+9+"}},
                                           KickCase{"NotTheHost", false, true, true, {}},
                                           KickCase{"NotConnected", true, false, true, {}},
                                           KickCase{"BelowTheLastRow", true, true, false, {}}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(SpyListTest, ARowThatLeftTheListIsNotRemoved) {
    spies.setHosting(true);
    spies.addSpy(5, "Bob");
    spies.addSpy(7, "Cat");
    spies.show();
    moveTo(rowCentre(1));
    spies.removeSpy(7, "Cat");
    EXPECT_EQ(spies.rememberedRow(), -1);
    spies.popup_kickhim()->trigger();
    EXPECT_TRUE(sent.empty());
}

TEST_F(SpyListTest, ARightClickOpensTheMenuForTheRowClicked) {
    spies.setHosting(true);
    spies.addSpy(5, "Bob");
    spies.addSpy(8, "Eve");
    spies.show();
    moveTo(rowCentre(0));
    // The list changed under a resting pointer: the click's row counts.
    QContextMenuEvent click(QContextMenuEvent::Mouse, rowCentre(1),
                            viewport()->mapToGlobal(rowCentre(1)));
    QApplication::sendEvent(viewport(), &click);
    EXPECT_TRUE(spies.popup_kick()->isVisible());
    EXPECT_EQ(spies.rememberedRow(), 1);
    spies.popup_kickhim()->trigger();
    spies.popup_kick()->close();
    EXPECT_EQ(sent, std::vector<std::string>{"CMD_kickhim+1+8+"});
}

}  // namespace
}  // namespace tess
