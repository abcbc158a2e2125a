// The real program hosting a table against hostile peers: a stranger racing its own
// client for slot 1, chat floods, login-and-reset churn and connections that never log
// in; and a household behind one address.
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

// Players and spectators behind one address (a household, or friends arriving through
// the router) fill the table; only then is it full.
TEST_F(ProgramGuarded, OneAddressMayFillTheTable) {
    std::vector<std::unique_ptr<TestClient>> household;
    for (int i = 0; i < 8; ++i) {
        household.push_back(join("H" + std::to_string(i), otherMachine));
        ASSERT_NE(household.back()->slot(), 0) << i;
    }
    TestClient tenth(tablePort, false, otherMachine);
    EXPECT_TRUE(tenth.waitClosed());
    EXPECT_EQ(tenth.raw(), framed({"CMD_full+"}));
    for (auto& h : household)
        EXPECT_FALSE(h->closed());
}

// A flood of long chat lines from ten addresses, each coming back when let go: the table,
// the hosting user's own client included, stays, and another player's line arrives.
TEST_F(ProgramGuarded, AFloodFromTenAddressesEndsNobodysTable) {
    auto quin = join("Quin");
    std::string text(1900, 'w');
    for (int round = 0; round < 4; ++round) {
        std::vector<std::unique_ptr<TestClient>> flooders;
        for (int a = 1; a <= 10; ++a) {
            auto f =
                std::make_unique<TestClient>(tablePort, true, QStringLiteral("127.0.1.%1").arg(a));
            if (f->slot() == 0) continue;
            f->login("F");
            std::string lines;
            for (int i = 0; i < 40; ++i)
                lines += "CMD_chat+" + std::to_string(f->slot()) + "+" + text + "|clRed\xFF";
            f->sendRaw(lines);
            flooders.push_back(std::move(f));
        }
        waitUntil([] { return false; }, 500);
    }
    const std::string slot = std::to_string(quin->slot());
    quin->send("CMD_chat+" + slot + "+still here|clBlack");
    EXPECT_NE(quin->waitForPrefix("CMD_chat+" + slot + "+Quin chats: still here", 20000), "");
    EXPECT_TRUE(quin->linesStartingWith("CMD_playerdisconnected+1+").empty());
    EXPECT_TRUE(ann.running());
    EXPECT_FALSE(ann.log.contains("Disconnecting slot 1 ")) << ann.log.toStdString();
}

// Connections that never log in, four at a time from each of two addresses: an honest
// newcomer still gets in, and nobody is told the table is full.
TEST_F(ProgramGuarded, ConnectionsThatNeverLogInKeepNobodyOut) {
    std::vector<std::unique_ptr<TestClient>> hogs;
    for (const char* from : {"127.0.0.3", "127.0.0.4"})
        for (int i = 0; i < 4; ++i)
            hogs.push_back(
                std::make_unique<TestClient>(tablePort, true, QString::fromLatin1(from)));
    auto newcomer = join("Newcomer", QStringLiteral("127.0.0.5"));
    EXPECT_NE(newcomer->slot(), 0);
    EXPECT_FALSE(newcomer->linesStartingWith("CMD_newplayerinfo+").empty());
    for (auto& h : hogs)
        EXPECT_EQ(h->raw().find("CMD_full"), std::string::npos);
}

}  // namespace
}  // namespace tess::testing
