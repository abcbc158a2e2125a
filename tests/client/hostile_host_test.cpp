// A host that repeats what it announces: the window joined to a host played by the test.
#include <gtest/gtest.h>

#include <QTemporaryDir>

#include "client/table/tchat.h"
#include "engine/virtual_clock.h"
#include "net/server.h"
#include "social/chat_panel.h"
#include "social/chat_view.h"
#include "social/spylist_form.h"
#include "tests/support/fake_host.h"
#include "tests/support/stacked_random.h"

namespace tess::testing {
namespace {

class HostileHostTest : public ::testing::Test {
protected:
    void SetUp() override {
        TchatOptions options;
        options.args = {"Bob", "127.0.0.1", "false"};
        options.settingsPath = dir.filePath("orvanelobby.ini");
        options.port = host.port();
        options.lobbyPort = host.port();
        chat = std::make_unique<Tchat>(&unused, options);
        spylist = new Tspylist(LinkState{[this] { return chat->link().connected(); },
                                         [this] { return chat->link().mySlot(); }},
                               chat.get());
        Tchat::Windows windows;
        windows.spylist = spylist;
        chat->attachWindows(windows);
        chat->show();
        peer = host.accept();
        ASSERT_NE(peer, nullptr);
        send(
            "CMD_sendlogininfo+2\xFF"
            "CMD_newplayerinfo+2+Bob+0\xFF");
        ASSERT_TRUE(waitUntil([&] { return shown().contains("You are Connected."); }));
    }
    void send(const std::string& bytes) {
        peer->write(bytes.data(), static_cast<qint64>(bytes.size()));
    }
    // Sends a last chat line and waits until it shows: everything before it is handled.
    bool handled() {
        send("CMD_chat+1+Ann chats: done|clBlack\xFF");
        return waitUntil([&] { return shown().contains("Ann chats:  done"); }, 60000);
    }
    QString shown() const { return chat->chat()->view()->toPlainText(); }

    QTemporaryDir dir;
    VirtualClock clock;
    StackedRandom random;
    TServer unused{clock, random};
    FakeHost host;
    std::unique_ptr<Tchat> chat;
    Tspylist* spylist = nullptr;
    QTcpSocket* peer = nullptr;
};

TEST_F(HostileHostTest, ASlotJoinsOnceUntilItLeaves) {
    std::string lines;
    for (int i = 0; i < 10000; ++i)
        lines += "CMD_newplayerinfo+" + std::to_string(5 + i % 8) + "+Spy" + std::to_string(i) +
                 "+0\xFF";
    lines += "CMD_existingplayers";
    for (int i = 0; i < 3000; ++i)
        lines += "+3+Eve" + std::to_string(i) + "+0";
    lines += "\xFF";
    send(lines);
    ASSERT_TRUE(handled());
    // Slots 10 to 12 are no slots; 5 to 9 keep their first spectator.
    EXPECT_EQ(spylist->entries(),
              (QStringList{"5: Spy0", "6: Spy1", "7: Spy2", "8: Spy3", "9: Spy4"}));
    EXPECT_EQ(shown().count("is spying."), 5);
    EXPECT_EQ(shown().count("Eve"), 1);

    // Once gone, the slot may be taken again.
    send(
        "CMD_playerdisconnected+6+Spy1\xFF"
        "CMD_newplayerinfo+6+Zed+0\xFF");
    ASSERT_TRUE(waitUntil([&] { return shown().contains("Zed is spying."); }));
    EXPECT_TRUE(spylist->hasSpy(6, "Zed"));
    EXPECT_FALSE(spylist->hasSpy(6, "Spy1"));
}

}  // namespace
}  // namespace tess::testing
