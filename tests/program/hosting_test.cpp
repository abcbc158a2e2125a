// The real program hosting a table ("Ann 127.0.0.1 true"), its own client in slot 1, with
// test players joining over TCP as remote copies of the program would.
#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "tests/program/program_process.h"

namespace tess::testing {
namespace {

// Connects and logs in; returns once the host has announced the player to itself.
std::unique_ptr<TestClient> join(const std::string& name, std::string_view version = "1.0.2") {
    auto client = std::make_unique<TestClient>(tablePort);
    client->login(name, version);
    client->waitForPrefix("CMD_newplayerinfo+" + std::to_string(client->slot()) + "+");
    return client;
}

// Waits until both copies of the player list have come.
bool listedTwice(TestClient& client) {
    return waitUntil([&] { return client.linesStartingWith("CMD_existingplayers+").size() == 2; });
}

class ProgramHosting : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(ann.logged("logged in after")); }

    // Everything sent by `client` before now has been handled by the host: it handles
    // a connection's lines in order, so the relay of this chat comes after them.
    void settle(TestClient& client, const std::string& mark) {
        client.send("CMD_chat+" + std::to_string(client.slot()) + "+" + mark + "|clBlack");
        ASSERT_NE(client.waitFor([&](const std::string& line) {
            return line.find(mark) != std::string::npos;
        }),
                  "");
    }

    Program ann{{"Ann", "127.0.0.1", "true"}};
};

TEST_F(ProgramHosting, LogsPlayersInWithExactlyTheseBytes) {
    TestClient pat(tablePort);
    ASSERT_EQ(pat.slot(), 2);
    pat.login("Pat");
    ASSERT_TRUE(listedTwice(pat));
    EXPECT_EQ(pat.raw(), framed({"CMD_sendlogininfo+2", "CMD_newplayerinfo+2+Pat+0",
                                 "CMD_existingplayers+1+Ann+0", "CMD_existingplayers+1+Ann+0"}));

    TestClient quin(tablePort);
    ASSERT_EQ(quin.slot(), 3);
    quin.login("Quin");
    ASSERT_TRUE(listedTwice(quin));
    EXPECT_EQ(quin.raw(), framed({"CMD_sendlogininfo+3", "CMD_newplayerinfo+3+Quin+0",
                                  "CMD_existingplayers+1+Ann+0+2+Pat+0",
                                  "CMD_existingplayers+1+Ann+0+2+Pat+0"}));
    EXPECT_EQ(pat.waitForPrefix("CMD_newplayerinfo+3+"), "CMD_newplayerinfo+3+Quin+0");

    // Another version stays at the table, warned.
    TestClient old(tablePort);
    ASSERT_EQ(old.slot(), 4);
    old.login("Old", "1.0.1");
    ASSERT_NE(old.waitForPrefix("CMD_wrongversion+"), "");
    EXPECT_EQ(old.raw(),
              framed({"CMD_sendlogininfo+4", "CMD_newplayerinfo+4+Old+0",
                      "CMD_existingplayers+1+Ann+0+2+Pat+0+3+Quin+0",
                      "CMD_existingplayers+1+Ann+0+2+Pat+0+3+Quin+0", "CMD_wrongversion+"}));
    EXPECT_FALSE(old.closed());
    EXPECT_TRUE(ann.running());
    EXPECT_FALSE(ann.log.contains("message:")) << ann.log.toStdString();
}

TEST_F(ProgramHosting, RelaysChatToAllAndIgnoresRequestsMadeForOthers) {
    auto pat = join("Pat");
    auto quin = join("Quin");
    auto dee = join("Dee");
    auto spy = join("Spy");
    ASSERT_EQ(spy->slot(), 5);

    pat->send("CMD_chat+2+hello table|clBlack");
    for (TestClient* client : {pat.get(), quin.get(), dee.get(), spy.get()})
        EXPECT_EQ(client->waitForPrefix("CMD_chat+"), "CMD_chat+2+Pat chats: hello table|clBlack");

    // Pat speaks for Quin, and asks (as Pat and as the host) for Quin to be kicked.
    pat->send("CMD_chat+3+I am Quin|clBlack");
    pat->send("CMD_kickhim+2+3+");
    pat->send("CMD_kickhim+1+3+");
    settle(*pat, "after the kicks");
    settle(*quin, "Quin is still here");
    EXPECT_FALSE(quin->closed());
    for (TestClient* client : {pat.get(), quin.get(), dee.get(), spy.get()}) {
        EXPECT_TRUE(waitUntil(
            [&] { return client->raw().find("Quin is still here") != std::string::npos; }));
        EXPECT_EQ(client->raw().find("I am Quin"), std::string::npos);
    }
    EXPECT_TRUE(ann.running());
    // Requests made in someone else's name are logged, never put in a box.
    EXPECT_TRUE(ann.logged("Ignored a kick request from slot 2"));
    EXPECT_FALSE(ann.log.contains("message:")) << ann.log.toStdString();
}

TEST_F(ProgramHosting, RefusesTheTenthAndGivesAFreedSlotToTheNextComer) {
    std::vector<std::unique_ptr<TestClient>> players;
    for (int slot = 2; slot <= 9; ++slot) {
        players.push_back(join("P" + std::to_string(slot)));
        ASSERT_EQ(players.back()->slot(), slot);
    }
    TestClient tenth(tablePort, false);
    ASSERT_TRUE(tenth.waitClosed(10000));
    EXPECT_EQ(tenth.raw(), framed({"CMD_full+"}));
    for (const auto& player : players)
        EXPECT_FALSE(player->closed());

    // A reset connection counts as closed: the others hear of it and the slot is free.
    players[1]->killHard();  // slot 3
    for (std::size_t i : {0u, 2u, 7u})
        EXPECT_EQ(players[i]->waitForPrefix("CMD_playerdisconnected+"),
                  "CMD_playerdisconnected+3+P3");
    TestClient next(tablePort);
    EXPECT_EQ(next.slot(), 3);
    next.login("Rex");
    ASSERT_TRUE(listedTwice(next));
    EXPECT_EQ(next.lines().back(),
              "CMD_existingplayers+1+Ann+0+2+P2+0+4+P4+0+5+P5+0+6+P6+0+7+P7+0+8+P8+0+9+P9+0");
    EXPECT_EQ(players[0]->waitForPrefix("CMD_newplayerinfo+3+"), "CMD_newplayerinfo+3+Rex+0");

    // The host goes: so does every player's connection.
    ann.process.terminate();
    EXPECT_TRUE(next.waitClosed(10000));
    for (const auto& player : players) {
        if (player == players[1]) continue;  // already gone
        EXPECT_TRUE(player->waitClosed(10000));
    }
}

// One player's chat flood, relayed to everybody: the hosting user's window and a joined
// copy of the program work through it and stay at the table.
TEST_F(ProgramHosting, AChatFloodLeavesEveryClientAtTheTable) {
    Program bob({"Bob", "127.0.0.1", "false"});
    ASSERT_TRUE(bob.logged("logged in after"));
    auto pat = join("Pat");
    const std::string line = "CMD_chat+" + std::to_string(pat->slot()) + "+ab|clBlack";
    ASSERT_EQ(line.size(), 21u);
    const std::string relay = "CMD_chat+" + std::to_string(pat->slot()) + "+Pat chats: ab|clBlack";
    constexpr std::size_t lines = 20000;
    std::string flood;
    for (std::size_t i = 0; i < lines; ++i)
        flood += line + '\xFF';
    pat->skipSeen();
    const std::size_t before = pat->lines().size();
    pat->sendRaw(flood);
    // Until the host has relayed it all, or stopped the flooder itself.
    std::size_t relayed = 0, looked = before;
    const bool goneOrRelayed = waitUntil(
        [&] {
            for (; looked < pat->lines().size(); ++looked)
                if (pat->lines()[looked] == relay) ++relayed;
            return relayed == lines || pat->closed();
        },
        30000);
    ASSERT_TRUE(goneOrRelayed);

    EXPECT_FALSE(ann.ended(3000)) << ann.log.toStdString();
    EXPECT_TRUE(bob.running()) << bob.log.toStdString();
    // The host may let the flooder go; no window lets its host go.
    EXPECT_FALSE(ann.log.contains("The host floods"));
    EXPECT_FALSE(bob.log.contains("The host floods"));
}

}  // namespace
}  // namespace tess::testing
