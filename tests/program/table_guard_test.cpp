// The real program hosting a table against hostile peers: a stranger racing its own
// client for slot 1, a chat flood, login-and-reset churn and one address holding seats.
// Other loopback addresses than 127.0.0.1 stand for other machines.
#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "tests/program/program_process.h"

namespace tess::testing {
namespace {

const QString otherMachine = QStringLiteral("127.0.0.2");

std::unique_ptr<TestClient> join(const std::string& name, const QString& from = {}) {
    auto client = std::make_unique<TestClient>(tablePort, true, from);
    client->login(name);
    client->waitForPrefix("CMD_newplayerinfo+" + std::to_string(client->slot()) + "+");
    return client;
}

std::size_t countFrom(const TestClient& client, const std::string& prefix) {
    return client.linesStartingWith(prefix).size();
}

// A stranger who connects the moment the port opens, before the hosting user's own
// client, never gets slot 1, and the hosting user still does.
TEST(ProgramGuard, AStrangerWhoComesFirstGetsSlotTwo) {
    for (int start = 0; start < 3; ++start) {
        Program ann({"Ann", "127.0.0.1", "true"});
        // Knocks until the port opens.
        std::unique_ptr<TestClient> stranger;
        do {
            stranger = std::make_unique<TestClient>(tablePort, false, otherMachine);
        } while (stranger->closed() && ann.running());
        EXPECT_EQ(stranger->awaitSlot(), 2) << "start " << start;
        ASSERT_TRUE(ann.logged("logged in after"));
        stranger->login("Mallory");
        EXPECT_EQ(stranger->waitForPrefix("CMD_existingplayers+"), "CMD_existingplayers+1+Ann+0");
    }
}

class ProgramGuarded : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(ann.logged("logged in after")); }
    Program ann{{"Ann", "127.0.0.1", "true"}};
};

// 20,000 short chat lines from one player: the others get a few, the flooder is let go,
// and the table, the hosting user's window included, goes on.
TEST_F(ProgramGuarded, AChatFloodEndsOnlyTheFlooder) {
    auto pat = join("Pat", otherMachine);
    auto quin = join("Quin");
    std::string flood;
    for (int i = 0; i < 20000; ++i)
        flood += "CMD_chat+2+floodline|clRed\xFF";  // 27 bytes, 21 of them the text
    pat->sendRaw(flood);
    EXPECT_TRUE(pat->waitClosed(10000));
    quin->send("CMD_chat+3+still here|clBlack");
    EXPECT_EQ(quin->waitForPrefix("CMD_chat+3+"), "CMD_chat+3+Quin chats: still here|clBlack");
    EXPECT_LE(countFrom(*quin, "CMD_chat+2+"), 40u);
    EXPECT_FALSE(quin->closed());
    EXPECT_TRUE(ann.running());
    EXPECT_TRUE(ann.logged("which floods the table"));
    EXPECT_FALSE(ann.log.contains("The host floods")) << ann.log.toStdString();
}

// Thousands of login-and-reset cycles from one address: the table hears of a few, and
// nobody is dropped.
TEST_F(ProgramGuarded, LoginAndResetChurnIsHeardOfOnlyAFewTimes) {
    auto quin = join("Quin");
    int admitted = 0;
    for (int i = 0; i < 2000; ++i) {
        TestClient churn(tablePort, false, otherMachine);
        if (churn.awaitSlot() != 0) {
            ++admitted;
            churn.login("Churn");
        }
        churn.killHard();
    }
    const std::string slot = std::to_string(quin->slot());
    quin->send("CMD_chat+" + slot + "+after the churn|clBlack");
    EXPECT_NE(quin->waitForPrefix("CMD_chat+" + slot + "+Quin chats: after the churn"), "");
    EXPECT_LE(admitted, 30);
    EXPECT_LE(countFrom(*quin, "CMD_playerdisconnected+"), 30u);
    EXPECT_FALSE(quin->closed());
    EXPECT_TRUE(ann.running());
}

// One remote address holds at most four connections; the machine's own 127.0.0.1 more.
TEST_F(ProgramGuarded, OneRemoteAddressHoldsAtMostFourConnections) {
    std::vector<std::unique_ptr<TestClient>> household;
    for (int i = 0; i < 4; ++i) {
        household.push_back(join("H" + std::to_string(i), otherMachine));
        ASSERT_NE(household.back()->slot(), 0);
    }
    TestClient fifth(tablePort, false, otherMachine);
    EXPECT_TRUE(fifth.waitClosed());
    EXPECT_EQ(fifth.raw(), framed({"CMD_full+"}));
    for (auto& h : household)
        EXPECT_FALSE(h->closed());
    auto local1 = join("L1");
    auto local2 = join("L2");
    EXPECT_EQ(local2->slot(), 7);
}

}  // namespace
}  // namespace tess::testing
