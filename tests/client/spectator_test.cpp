// Spectators and just watching, over loopback: the window hosts, test players join.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QListWidget>
#include <QMouseEvent>
#include <QTemporaryDir>
#include <QTest>

#include "client/table/main_menu.h"
#include "client/table/tchat.h"
#include "engine/virtual_clock.h"
#include "net/server.h"
#include "social/chat_panel.h"
#include "social/chat_view.h"
#include "social/spylist_form.h"
#include "tests/client/hosting_window.h"
#include "tests/support/stacked_random.h"
#include "tests/support/table_play.h"

namespace tess::testing {
namespace {

class SpectatorTest : public HostingWindowTest {
protected:
    SpectatorTest() {
        open([this](Tchat& window) {
            spylist = new Tspylist(LinkState{[&window] { return window.link().connected(); },
                                             [&window] { return window.link().mySlot(); }},
                                   &window);
            Tchat::Windows windows;
            windows.spylist = spylist;
            window.attachWindows(windows);
        });
    }
    std::unique_ptr<TestClient> join(const std::string& name) {
        return joinTable(server.port(), name);
    }

    Tspylist* spylist = nullptr;
};

TEST_F(SpectatorTest, TheHostListsAndRemovesASpy) {
    auto ann = join("Ann");
    auto bea = join("Bea");
    auto cy = join("Cy");
    auto spy = join("Spy");
    ASSERT_EQ(spy->slot(), 5);
    ASSERT_TRUE(waitUntil([&] { return chatShows("Spy is spying."); }));
    EXPECT_EQ(spylist->entries(), QStringList{"5: Spy"});

    spylist->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(spylist));
    QListWidget* list = spylist->listbox_spys();
    const QRect row = list->visualItemRect(list->item(0));
    // Straight to the list: the main window lies over it on the offscreen screen.
    QMouseEvent move(QEvent::MouseMove, row.center(), list->viewport()->mapToGlobal(row.center()),
                     Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(list->viewport(), &move);
    ASSERT_EQ(spylist->rememberedRow(), 0);
    ASSERT_TRUE(spylist->popup_kickhim()->isEnabled());
    spylist->popup_kickhim()->trigger();

    EXPECT_TRUE(spy->waitClosed());
    EXPECT_TRUE(waitUntil([&] { return chatShows("Spy has left."); }));
    EXPECT_TRUE(spylist->entries().isEmpty());
    EXPECT_FALSE(ann->waitForPrefix("CMD_playerdisconnected+5+Spy").empty());
}

TEST_F(SpectatorTest, JustWatchPassesTheTurnAndTheBotPlaysUntilItIsSwitchedOff) {
    chat->link().send("CMD_startgame+You+200+90+");
    ASSERT_TRUE(runUntil([&] { return chat->model().input().canact(); }));
    ASSERT_EQ(chat->model().turnseat(), 1);

    chat->menu()->JustWatch1->trigger();
    EXPECT_FALSE(chat->menu()->JustWatch1->isChecked());  // only the host's report checks it
    ASSERT_TRUE(waitUntil([&] { return chat->menu()->JustWatch1->isChecked(); }));
    EXPECT_TRUE(chat->model().seat(1).eyes);
    // The turn went on at once, to the bot's seat.
    EXPECT_TRUE(waitUntil([&] { return chat->model().turnseat() == 2; }));
    EXPECT_FALSE(chat->model().input().canact());

    // The bot plays the watching seat on its next turn.
    ASSERT_TRUE(runUntil([&] { return chat->model().turnseat() == 1; }));
    ASSERT_TRUE(runUntil([&] { return chat->model().turnseat() == 2; }));

    chat->menu()->JustWatch1->trigger();
    ASSERT_TRUE(waitUntil([&] { return !chat->menu()->JustWatch1->isChecked(); }));
    EXPECT_FALSE(chat->model().seat(1).eyes);
    // The human plays again: the turn waits for the user.
    ASSERT_TRUE(runUntil([&] { return chat->model().input().canact(); }));
    clock.advance(5000);
    QTest::qWait(20);
    EXPECT_EQ(chat->model().turnseat(), 1);
    EXPECT_TRUE(chat->model().input().canact());
}

}  // namespace
}  // namespace tess::testing
