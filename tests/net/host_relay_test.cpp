// What the table relays: a burst belongs to an address and survives a reconnect, the
// table's budget is shared in equal parts, and the hosting user's own client is never
// let go, neither for its rate nor for what it has not taken yet. Time is the host's
// virtual clock.
#include <QTimer>
#include <algorithm>

#include "tests/net/host_harness.h"

namespace tess::testing {
namespace {

using HostRelay = HostTest;

// Reconnecting does not refill an address's burst; another address has its own.
TEST_F(HostRelay, ABurstBelongsToTheAddressNotTheConnection) {
    const RelayLimits limits;
    auto host = hostJoin();
    auto ann = joinFrom("Ann", "127.0.0.2");
    ann->sendRaw(chats(ann->slot(), static_cast<int>(limits.burst) + 10, "first"));
    ASSERT_TRUE(waitUntil([&] {
        return host->linesStartingWith("CMD_chat+2+Ann chats: first").size() >= limits.burst;
    }));
    ann->socket().disconnectFromHost();
    ASSERT_TRUE(waitUntil([&] { return !server.inUse(2); }));
    auto again = joinFrom("Ann", "127.0.0.2");
    again->sendRaw(chats(again->slot(), 10, "again"));
    auto cy = joinFrom("Cy", "127.0.0.3");
    cy->sendRaw(chats(cy->slot(), 10, "own burst"));
    ASSERT_TRUE(waitUntil([&] {
        return host->linesStartingWith("CMD_chat+" + std::to_string(cy->slot())).size() == 10 &&
               server.droppedRelayLines() == 20;
    }));
    EXPECT_EQ(host->linesStartingWith("CMD_chat+2+Ann chats: first").size(),
              static_cast<std::size_t>(limits.burst));
    EXPECT_TRUE(
        host->linesStartingWith("CMD_chat+" + std::to_string(again->slot()) + "+Ann chats: again")
            .empty());
}

// Flooders at several addresses get equal parts of the table's budget, which bounds
// what the table relays in all; an honest player's line still goes through, and the
// host stays up.
TEST_F(HostRelay, TheTablesBudgetIsSharedAmongTheSenders) {
    const RelayLimits limits;
    auto host = hostJoin();
    std::vector<std::unique_ptr<TestClient>> flooders;
    for (const char* from : {"127.0.0.2", "127.0.0.3", "127.0.0.4", "127.0.0.5", "127.0.0.6"})
        flooders.push_back(joinFrom("F", from));
    auto bob = joinFrom("Bob", "127.0.0.7");
    const std::string text(1900, 'y');
    for (auto& f : flooders)
        f->sendRaw(chats(f->slot(), 40, text));
    const auto relayedFrom = [&](const TestClient& f) {
        return host->linesStartingWith("CMD_chat+" + std::to_string(f.slot()) + "+F chats: yyy");
    };
    ASSERT_TRUE(waitUntil([&] {
        std::size_t handled = server.droppedRelayLines();
        for (auto& f : flooders)
            handled += relayedFrom(*f).size();
        return handled == 5 * 40;
    }));
    bob->send("CMD_chat+" + std::to_string(bob->slot()) + "+hello|clBlack");
    EXPECT_NE(host->waitForPrefix("CMD_chat+" + std::to_string(bob->slot()) + "+Bob chats: hello"),
              "");

    std::vector<std::size_t> relayed;
    double bytes = 0;
    for (auto& f : flooders) {
        const auto lines = relayedFrom(*f);
        relayed.push_back(lines.size());
        for (const auto& l : lines)
            bytes +=
                static_cast<double>(l.size() + 1) * static_cast<double>(server.slotsInUse().size());
    }
    const auto [fewest, most] = std::minmax_element(relayed.begin(), relayed.end());
    EXPECT_GE(*fewest, 1u);
    EXPECT_LE(*most - *fewest, 1u);
    EXPECT_LE(bytes, limits.tableBurstBytes);
    EXPECT_FALSE(host->closed());
    EXPECT_TRUE(server.inUse(1));
}

// The hosting user plays phrase sounds three times a second for fifty seconds: what is
// over the limit is dropped, and the host's own connection, with the table, stays.
TEST_F(HostRelay, TheHostingUsersOwnClientIsNeverLetGoForItsRate) {
    auto host = hostJoin();
    auto ann = joinFrom("Ann", "127.0.0.2");
    const auto handled = [&] {
        return ann->linesStartingWith("CMD_playasound+1+").size() + server.droppedRelayLines();
    };
    for (int second = 0; second < 60; ++second) {
        clock.advance(1000);
        for (int i = 0; i < 3; ++i)
            host->send("CMD_playasound+1+chatter");
        ASSERT_TRUE(waitUntil([&] { return handled() == 3u * (second + 1) || host->closed(); }));
    }
    EXPECT_GT(server.droppedRelayLines(), 0u);
    EXPECT_TRUE(server.inUse(1));
    EXPECT_FALSE(host->closed());
}

// The hosting user's window is busy and takes nothing for a while: relayed lines for it
// are dropped and it is never let go, while a remote player who stops reading is let go.
// Once it reads again, it gets what comes next.
TEST_F(HostRelay, ALaggingOwnClientMissesLinesARemoteOneIsLetGo) {
    HostLimits limits;
    limits.relay.burst = limits.relay.tableBurstBytes = 1e9;
    server.setLimits(limits);
    auto host = hostJoin();
    auto stuck = joinFrom("Stuck", "127.0.0.2");
    auto bob = joinFrom("Bob", "127.0.0.3");
    host->pauseReading(true);
    stuck->pauseReading(true);
    const std::string text(1900, 'y');
    for (int round = 0; round < 100 && server.inUse(stuck->slot()); ++round) {
        bob->sendRaw(chats(bob->slot(), 100, text));
        settle(*bob);
    }
    EXPECT_FALSE(server.inUse(stuck->slot()));
    EXPECT_TRUE(server.inUse(1));
    EXPECT_TRUE(server.inUse(bob->slot()));
    // Once it has caught up, it is sent relayed lines again.
    host->pauseReading(false);
    const std::string after = "CMD_chat+" + std::to_string(bob->slot()) + "+Bob chats: after";
    QTimer again;
    QObject::connect(&again, &QTimer::timeout, [&] {
        bob->send("CMD_chat+" + std::to_string(bob->slot()) + "+after|clBlack");
    });
    again.start(100);
    EXPECT_TRUE(waitUntil([&] { return !host->linesStartingWith(after).empty(); }, 30000));
    EXPECT_FALSE(host->closed());
}

}  // namespace
}  // namespace tess::testing
