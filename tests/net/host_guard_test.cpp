// A slot is for a player, and a flood delays only the flooder.
#include <algorithm>

#include "tests/net/host_harness.h"
#include "tests/support/socket_options.h"
#include "wire/commands.h"

namespace tess::testing {
namespace {

using HostGuard = HostTest;

TEST_F(HostGuard, ConnectionsThatNeverLogInLoseTheirSlots) {
    server.setLoginTimeout(300);
    auto host = hostJoin();
    std::vector<std::unique_ptr<TestClient>> squatters;
    for (int i = 2; i <= slotCount; ++i)
        squatters.push_back(connect());
    TestClient refused(server.port(), false);
    EXPECT_TRUE(refused.waitClosed());

    for (auto& s : squatters)
        EXPECT_TRUE(s->waitClosed()) << s->slot();
    EXPECT_FALSE(host->closed());  // logged in: stays
    auto ann = join("Ann");
    EXPECT_EQ(ann->slot(), 2);
    EXPECT_EQ(server.name(2), "Ann");
    EXPECT_FALSE(waitUntil([&] { return ann->closed(); }, 600));
}

TEST_F(HostGuard, ASecondLoginIsIgnored) {
    auto host = hostJoin();
    auto ann = join("Ann");
    ann->login("Mallory");
    ann->send("CMD_chat+2+hi|clBlack");
    EXPECT_EQ(host->waitForPrefix("CMD_chat+"), "CMD_chat+2+Ann chats: hi|clBlack");
    EXPECT_EQ(server.name(2), "Ann");
    EXPECT_TRUE(host->linesStartingWith("CMD_newplayerinfo+2+Mallory").empty());
}

TEST_F(HostGuard, AcceptedSocketsProbeAVanishedPeer) {
    auto ann = join("Ann");
    const auto fd = findSocket(server.port(), ann->socket().localPort());
    ASSERT_TRUE(fd.has_value());
    const KeepAlive k = keepAliveOf(*fd);
    EXPECT_NE(k.on, 0);
    // Silent, or with output unacknowledged, a vanished peer is given up within a minute.
    EXPECT_GT(k.userTimeoutMs, 0u);
    EXPECT_LE(k.givesUpWithinS(), 60);
}

// Ann floods the chat and Bob says two things right after: Bob's lines are relayed while
// hers are still queued, and each player's lines keep their order.
TEST_F(HostGuard, AFloodDelaysOnlyTheFlooder) {
    // The order of handling is the point here, not the limit of relayed lines.
    HostLimits limits;
    limits.relay.burst = limits.relay.tableBurstBytes = 1e9;
    server.setLimits(limits);
    auto host = hostJoin();
    auto ann = join("Ann");
    auto bob = join("Bob");
    constexpr int burst = 5000;
    std::string lines;
    for (int i = 0; i < burst; ++i)
        lines += "CMD_chat+2+" + std::to_string(i) + "|clBlack\xFF";
    ann->sendRaw(lines);
    bob->sendRaw(
        "CMD_chat+3+first|clBlack\xFF"
        "CMD_chat+3+second|clBlack\xFF");
    ASSERT_TRUE(
        waitUntil([&] { return host->linesStartingWith("CMD_chat+").size() == burst + 2; }, 20000));

    std::vector<std::string> order;
    for (const std::string& line : host->linesStartingWith("CMD_chat+"))
        order.push_back(line.substr(0, line.find('|')));
    const auto at = [&](const std::string& line) {
        return std::find(order.begin(), order.end(), line) - order.begin();
    };
    EXPECT_LT(at("CMD_chat+3+Bob chats: second"), 20);
    EXPECT_LT(at("CMD_chat+3+Bob chats: first"), at("CMD_chat+3+Bob chats: second"));
    int next = 0;
    for (const std::string& line : order) {
        if (line.rfind("CMD_chat+2+", 0) == 0) {
            EXPECT_EQ(line, "CMD_chat+2+Ann chats: " + std::to_string(next++));
        }
    }
    EXPECT_EQ(next, burst);
    EXPECT_TRUE(waitUntil([&] { return !server.dispatching(); }));
    EXPECT_EQ(server.queuedLines(), 0u);
}

// A closing connection's queued lines go with it; a newcomer in the slot starts clean.
TEST_F(HostGuard, AClosedConnectionsQueueGoesWithIt) {
    auto host = hostJoin();
    auto ann = join("Ann");
    std::string lines;
    for (int i = 0; i < 3000; ++i)
        lines += "CMD_chat+2+stale|clBlack\xFF";
    ann->sendRaw(lines);
    ann->killHard();
    ASSERT_TRUE(waitUntil([&] { return !server.inUse(2); }));
    EXPECT_EQ(server.queuedLines(), 0u);
    auto cat = join("Cat");
    EXPECT_EQ(cat->slot(), 2);
    settle(*host);
    const std::size_t stale = host->linesStartingWith("CMD_chat+2+").size();
    cat->send("CMD_chat+2+fresh|clBlack");
    settle(*host);
    EXPECT_EQ(host->linesStartingWith("CMD_chat+2+").size(), stale + 1);
    EXPECT_EQ(host->linesStartingWith("CMD_chat+2+").back(), "CMD_chat+2+Cat chats: fresh|clBlack");
}

}  // namespace
}  // namespace tess::testing
