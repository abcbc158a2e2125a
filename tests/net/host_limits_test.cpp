// What one peer may do at the table: slot 1 is the hosting user's, relayed lines pass at
// a steady rate, and each remote address may connect only so often, hold only so many
// connections, and stays away once removed. Time is the host's virtual clock.
#include "net/address_guard.h"
#include "tests/net/host_harness.h"

namespace tess::testing {
namespace {

using HostLimit = HostTest;

std::string chats(int slot, int count, const std::string& text = "x") {
    std::string bytes;
    for (int i = 0; i < count; ++i)
        bytes += "CMD_chat+" + std::to_string(slot) + "+" + text + "|clBlack\xFF";
    return bytes;
}

// A stranger who connects before the hosting user's own client gets slot 2, even when
// he claims slot 1 at login; the own connection, known by its ends, gets slot 1.
TEST_F(HostLimit, SlotOneWaitsForTheHostingUsersOwnConnection) {
    auto stranger = connect();
    EXPECT_EQ(stranger->slot(), 2);
    stranger->login("Mallory");
    stranger->sendRaw("CMD_logininfo+1+1.0.2+Mallory\xFF\xFF");
    auto host = hostJoin();
    EXPECT_EQ(host->slot(), 1);
    EXPECT_EQ(server.name(1), "You");

    auto another = connect();
    EXPECT_EQ(another->slot(), 3);
    // Only the hosting user starts games and removes players.
    stranger->send("CMD_kickhim+2+1+");
    stranger->send("CMD_startgame+Mallory+5+90+");
    settle(*stranger);
    EXPECT_FALSE(host->closed());
    EXPECT_FALSE(server.engine().table().inProgress);
}

TEST_F(HostLimit, WithoutItsOwnClientTheHostGivesNobodySlotOne) {
    std::vector<std::unique_ptr<TestClient>> strangers;
    for (int slot = 2; slot <= slotCount; ++slot) {
        strangers.push_back(connect());
        EXPECT_EQ(strangers.back()->slot(), slot);
    }
    TestClient ninth(server.port(), false);
    EXPECT_TRUE(ninth.waitClosed());
    EXPECT_EQ(ninth.raw(), "CMD_full+\xFF");
    EXPECT_FALSE(server.inUse(1));
}

// Chat, actions, sounds and just-watch requests share one limit per connection: a burst,
// then a steady rate. Lines over it are dropped; the others at the table are unaffected.
TEST_F(HostLimit, RelayedLinesPassAtASteadyRate) {
    auto host = hostJoin();
    auto ann = join("Ann");
    auto bob = join("Bob");
    const RelayLimits limits;
    std::string burst = chats(2, 10) + "CMD_action+2+waves\xFF" + "CMD_playasound+2+wave3\xFF" +
                        "CMD_justwatch+2+2\xFF";
    burst += chats(2, static_cast<int>(limits.burst) + 30);
    ann->sendRaw(burst);
    bob->send("CMD_chat+3+still heard|clBlack");
    EXPECT_NE(host->waitForPrefix("CMD_chat+3+Bob chats: still heard"), "");
    const auto relayed = [&] {
        return host->linesStartingWith("CMD_chat+2+").size() +
               host->linesStartingWith("CMD_action+2+").size() +
               host->linesStartingWith("CMD_playasound+2+").size() +
               host->linesStartingWith("CMD_justwatching+2+").size();
    };
    ASSERT_TRUE(waitUntil([&] { return relayed() >= limits.burst; }));
    settle(*bob);
    EXPECT_EQ(relayed(), static_cast<std::size_t>(limits.burst));
    EXPECT_FALSE(ann->closed());

    // Three seconds later six more lines may pass.
    clock.advance(3000);
    ann->sendRaw(chats(2, 20, "later"));
    const std::size_t steady = static_cast<std::size_t>(3 * limits.perSecond);
    ASSERT_TRUE(waitUntil(
        [&] { return host->linesStartingWith("CMD_chat+2+Ann chats: later").size() >= steady; }));
    settle(*bob);
    EXPECT_EQ(host->linesStartingWith("CMD_chat+2+Ann chats: later").size(),
              static_cast<std::size_t>(3 * limits.perSecond));
    EXPECT_FALSE(ann->closed());
}

// A flooding peer is let go: one that sends a huge burst at once, and one that stays
// over the limit for ten seconds. Moves and other requests are not counted.
TEST_F(HostLimit, AFloodingPeerIsLetGo) {
    auto host = hostJoin();
    auto ann = join("Ann");
    auto bob = join("Bob");
    ann->sendRaw(chats(2, 20000));
    EXPECT_TRUE(ann->waitClosed());
    EXPECT_LE(host->linesStartingWith("CMD_chat+2+").size(), 40u);

    bob->sendRaw(chats(3, 40));
    for (int second = 0; second <= 10; ++second) {
        clock.advance(1000);
        bob->sendRaw(chats(3, 5) + "CMD_endturn+3+\xFF");
        if (second < 10) {
            EXPECT_FALSE(waitUntil([&] { return bob->closed(); }, 50)) << second;
        }
    }
    EXPECT_TRUE(bob->waitClosed());
    EXPECT_FALSE(host->closed());
}

// A peer that logs in and resets over and over is heard of only as often as the limit
// of its address allows; the rest find the table closed to them and nobody hears of
// them. The hosting user's own connection is never limited.
TEST_F(HostLimit, LoginsAndLeavesAreLimitedPerAddress) {
    const AddressLimits limits;
    auto host = hostJoin();
    int refused = 0;
    for (int i = 0; i < 60; ++i) {
        TestClient churn(server.port(), false, QStringLiteral("127.0.0.2"));
        if (churn.awaitSlot() == 0) {
            EXPECT_TRUE(churn.waitClosed());
            EXPECT_EQ(churn.raw(), "CMD_full+\xFF");
            ++refused;
            continue;
        }
        churn.login("Churn");
        churn.waitForPrefix("CMD_newplayerinfo+");
        churn.killHard();
        ASSERT_TRUE(waitUntil([&] { return server.slotsInUse().size() == 1; }));
    }
    EXPECT_EQ(refused, 60 - static_cast<int>(limits.admitBurst));
    settle(*host);
    EXPECT_EQ(host->linesStartingWith("CMD_newplayerinfo+2+Churn").size(),
              static_cast<std::size_t>(limits.admitBurst));
    EXPECT_EQ(host->linesStartingWith("CMD_playerdisconnected+2+").size(),
              static_cast<std::size_t>(limits.admitBurst));
    // Another machine is not affected, and the address may come again later.
    EXPECT_NE(TestClient(server.port(), true, QStringLiteral("127.0.0.3")).slot(), 0);
    clock.advance(static_cast<std::int64_t>(1000 / limits.admitPerSecond));
    EXPECT_NE(TestClient(server.port(), true, QStringLiteral("127.0.0.2")).slot(), 0);
}

// Four connections from one remote address at once; the machine's own 127.0.0.1 is not
// limited, so several copies of the program on one machine can share a table.
TEST_F(HostLimit, FourConnectionsPerRemoteAddress) {
    auto host = hostJoin();
    std::vector<std::unique_ptr<TestClient>> household;
    for (int i = 0; i < 4; ++i)
        household.push_back(
            std::make_unique<TestClient>(server.port(), true, QStringLiteral("127.0.0.2")));
    TestClient fifth(server.port(), false, QStringLiteral("127.0.0.2"));
    EXPECT_TRUE(fifth.waitClosed());
    EXPECT_EQ(fifth.raw(), "CMD_full+\xFF");

    household[0]->socket().disconnectFromHost();
    ASSERT_TRUE(waitUntil([&] { return !server.inUse(household[0]->slot()); }));
    EXPECT_NE(TestClient(server.port(), true, QStringLiteral("127.0.0.2")).slot(), 0);

    std::vector<std::unique_ptr<TestClient>> local;
    for (int i = 0; i < 4; ++i)
        local.push_back(connect());
    for (auto& c : local)
        EXPECT_NE(c->slot(), 0);
}

// A removed player's address is refused for ten minutes; other addresses are not.
TEST_F(HostLimit, ARemovedPlayerStaysAwayForTenMinutes) {
    auto host = hostJoin();
    auto ann = std::make_unique<TestClient>(server.port(), true, QStringLiteral("127.0.0.2"));
    ann->login("Ann");
    host->waitForPrefix("CMD_newplayerinfo+2+Ann");
    host->send("CMD_kickhim+1+2+");
    EXPECT_TRUE(ann->waitClosed());

    TestClient back(server.port(), false, QStringLiteral("127.0.0.2"));
    EXPECT_TRUE(back.waitClosed());
    EXPECT_EQ(back.raw(), "CMD_full+\xFF");
    EXPECT_NE(TestClient(server.port(), true, QStringLiteral("127.0.0.3")).slot(), 0);

    clock.advance(9 * 60 * 1000);
    EXPECT_EQ(TestClient(server.port(), true, QStringLiteral("127.0.0.2")).slot(), 0);
    clock.advance(60 * 1000);
    EXPECT_NE(TestClient(server.port(), true, QStringLiteral("127.0.0.2")).slot(), 0);
}

// What the host remembers of addresses goes once it no longer matters, however many
// machines came and went.
TEST(AddressGuardMemory, ForgetsAddressesWithNothingLeftToRemember) {
    AddressGuard guard;
    std::int64_t now = 0;
    for (int i = 0; i < 10000; ++i) {
        const std::string address =
            "10.0." + std::to_string(i / 256) + "." + std::to_string(i % 256);
        ASSERT_EQ(guard.admit(address, true, now), AddressGuard::Verdict::admit);
        guard.closed(address, now);
        now += 10;
    }
    // The last few seconds' comers, not every one of the ten thousand.
    EXPECT_LT(guard.remembered(), 500u);
    guard.ban("10.9.9.9", now);
    EXPECT_EQ(guard.admit("10.9.9.9", true, now + 9 * 60 * 1000), AddressGuard::Verdict::banned);
    EXPECT_EQ(guard.admit("10.9.9.9", true, now + 10 * 60 * 1000), AddressGuard::Verdict::admit);
}

}  // namespace
}  // namespace tess::testing
