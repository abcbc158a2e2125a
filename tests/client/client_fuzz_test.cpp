// A hostile host: random lines at a logged-in client window. Nothing may crash, read out
// of bounds or open a dialog; `make test` runs this again under the sanitizers.
#include <gtest/gtest.h>

#include <QApplication>
#include <QMessageBox>
#include <QTemporaryDir>
#include <random>

#include "client/table/tchat.h"
#include "engine/virtual_clock.h"
#include "net/server.h"
#include "social/chat_panel.h"
#include "social/chat_view.h"
#include "tests/support/fake_host.h"
#include "tests/support/stacked_random.h"

namespace tess::testing {
namespace {

const char* const words[] = {"CMD_chat",
                             "CMD_action",
                             "CMD_playasound",
                             "CMD_newplayerinfo",
                             "CMD_havewrongversion",
                             "CMD_wrongversion",
                             "CMD_existingplayers",
                             "CMD_playerdisconnected",
                             "CMD_justwatching",
                             "CMD_startgame",
                             "CMD_nextplayer",
                             "CMD_winner",
                             "CMD_roundstart",
                             "CMD_mycards",
                             "CMD_foundcards",
                             "CMD_foundcard",
                             "CMD_foundtab",
                             "CMD_playtab",
                             "CMD_playhand",
                             "CMD_ending",
                             "CMD_endround",
                             "CMD_nomorecards",
                             "CMD_gamestats",
                             "CMD_sendlogininfo",
                             "CMD_unknown",
                             ""};

class LineMaker {
public:
    explicit LineMaker(unsigned seed) : rng_(seed) {}
    std::string line() {
        std::string out = words[pick(std::size(words))];
        const int fields = static_cast<int>(pick(24));
        for (int i = 0; i < fields; ++i)
            out += "+" + field();
        if (pick(3) == 0) out += "+";
        return out;
    }

private:
    std::size_t pick(std::size_t n) {
        return std::uniform_int_distribution<std::size_t>(0, n - 1)(rng_);
    }
    std::string field() {
        static const char* const odd[] = {"-1",          "0",
                                          "5",           "9",
                                          "10",          "25",
                                          "26",          "52",
                                          "53",          "99",
                                          "2147483647",  "2147483648",
                                          "-2147483649", "99999999999999999999",
                                          "t",           "f",
                                          "1",           "2",
                                          "x",           "",
                                          "clBlue",      "$ff",
                                          "|",           "a|b|clRed",
                                          ":)#",         ":)#1",
                                          ":)#99",       "www.",
                                          "http://",     "\xC3\xA9",
                                          "You"};
        switch (pick(4)) {
            case 0:
                return std::to_string(static_cast<int>(pick(60)) - 5);
            case 1:
                return odd[pick(std::size(odd))];
            case 2:
                return std::string(pick(500), static_cast<char>('a' + pick(26)));
            default: {
                std::string bytes(pick(12), '\0');
                for (char& c : bytes)
                    c = static_cast<char>(1 + pick(0xFE));  // anything but the terminator
                return bytes;
            }
        }
    }
    std::mt19937 rng_;
};

bool anyDialog() {
    for (QWidget* w : QApplication::topLevelWidgets())
        if (qobject_cast<QDialog*>(w) && w->isVisible()) return true;
    return false;
}

TEST(ClientFuzz, RandomLinesFromTheHostNeverCrashOrOpenADialog) {
    QTemporaryDir dir;
    VirtualClock clock;
    StackedRandom random;
    TServer unused(clock, random);
    FakeHost host;
    TchatOptions options;
    options.args = {"Bob", "127.0.0.1", "false"};
    options.settingsPath = dir.filePath("orvanelobby.ini");
    options.port = host.port();
    options.lobbyPort = host.port();  // accepted and never used
    Tchat chat(&unused, options);
    chat.show();
    QTcpSocket* peer = host.accept();
    ASSERT_NE(peer, nullptr);
    peer->write(
        "CMD_sendlogininfo+2\xFF"
        "CMD_newplayerinfo+2+Bob+0\xFF"
        "CMD_startgame+Ann+100+60+\xFF");
    ASSERT_TRUE(waitUntil([&] { return chat.link().connected(); }));

    LineMaker maker(20261210);
    constexpr int lines = 3000;
    for (int sent = 0; sent < lines;) {
        QByteArray batch;
        for (int i = 0; i < 200; ++i, ++sent)
            batch += QByteArray::fromStdString(maker.line()) + '\xFF';
        peer->write(batch);
        ASSERT_TRUE(waitUntil(
            [&] { return chat.link().queuedLines() == 0 && peer->bytesToWrite() == 0; }, 60000));
        ASSERT_FALSE(anyDialog());
    }
    EXPECT_TRUE(chat.isVisible());
    // Still answering: a plain chat line shows.
    peer->write("CMD_chat+1+Ann chats: still here|clBlack\xFF");
    EXPECT_TRUE(
        waitUntil([&] { return chat.chat()->view()->toPlainText().contains("still here"); }));
}

}  // namespace
}  // namespace tess::testing
