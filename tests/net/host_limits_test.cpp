// What one peer may do at the table: slot 1 is the hosting user's, relayed lines pass at
// a steady rate, each remote address may connect only so often and keep only one
// connection waiting for its login, and a removed player stays away. A household behind
// one address is never kept out. Time is the host's virtual clock.
#include <QHostAddress>
#include <algorithm>

#include "net/address_guard.h"
#include "tests/net/host_harness.h"

namespace tess::testing {
namespace {

using HostLimit = HostTest;

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
            // Closed without a word: the table is not full.
            EXPECT_TRUE(churn.waitClosed());
            EXPECT_EQ(churn.raw(), "");
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

// A family or a LAN party behind one address: four players and three spectators join,
// and they leave and come back five times in a minute. Only a table that is really full
// says "Game is full".
TEST_F(HostLimit, AHouseholdBehindOneAddressJoinsAndRejoins) {
    auto host = hostJoin();
    std::vector<std::unique_ptr<TestClient>> family;
    for (int i = 0; i < 7; ++i) {
        family.push_back(joinFrom("P" + std::to_string(i), "127.0.0.2"));
        ASSERT_NE(family.back()->slot(), 0) << i;
    }
    for (int i = 0; i < 5; ++i) {
        clock.advance(12000);
        const int slot = family[i]->slot();
        family[i]->socket().disconnectFromHost();
        ASSERT_TRUE(waitUntil([&] { return !server.inUse(slot); }));
        family[i] = joinFrom("P" + std::to_string(i), "127.0.0.2");
        EXPECT_EQ(family[i]->slot(), slot) << i;
    }
    auto eighth = joinFrom("Guest", "127.0.0.2");
    EXPECT_EQ(eighth->slot(), slotCount);
    TestClient tenth(server.port(), false, QStringLiteral("127.0.0.2"));
    EXPECT_TRUE(tenth.waitClosed());
    EXPECT_EQ(tenth.raw(), "CMD_full+\xFF");
}

// Connections that never log in cannot keep anybody out: one per address waits for its
// login (the others go at once, told nothing), a few wait in all, and when every free
// slot is held by one, the oldest gives way to a newcomer.
TEST_F(HostLimit, ConnectionsThatDoNotLogInCannotHoldTheTable) {
    auto host = hostJoin();
    std::vector<std::unique_ptr<TestClient>> hogs;
    for (const char* from : {"127.0.0.2", "127.0.0.3"})
        for (int i = 0; i < 4; ++i)
            hogs.push_back(std::make_unique<TestClient>(server.port(), true, from));
    const auto waiting = [&] {
        return std::count_if(hogs.begin(), hogs.end(),
                             [](const auto& h) { return h->slot() != 0 && !h->closed(); });
    };
    EXPECT_EQ(waiting(), 2);
    for (const auto& h : hogs) {
        if (h->slot() == 0) {
            EXPECT_EQ(h->raw(), "");
        }
    }
    // Two more addresses: at most three wait, the oldest gives way.
    hogs.push_back(std::make_unique<TestClient>(server.port(), true, QStringLiteral("127.0.0.4")));
    hogs.push_back(std::make_unique<TestClient>(server.port(), true, QStringLiteral("127.0.0.5")));
    EXPECT_TRUE(hogs[0]->waitClosed());
    EXPECT_EQ(hogs[0]->raw(), "CMD_sendlogininfo+2\xFF");
    EXPECT_EQ(waiting(), 3);

    // Players come and get in: the waiting ones give way.
    std::vector<std::unique_ptr<TestClient>> players;
    for (int i = 0; server.highestSlot() < slotCount || waiting() > 0; ++i) {
        players.push_back(joinFrom("P" + std::to_string(i), "127.0.0.6"));
        ASSERT_NE(players.back()->slot(), 0) << i;
    }
    // One leaves; a hog takes the free slot, and gives it up to the next newcomer.
    const int freed = players.front()->slot();
    players.front()->socket().disconnectFromHost();
    ASSERT_TRUE(waitUntil([&] { return !server.inUse(freed); }));
    TestClient hog(server.port(), true, QStringLiteral("127.0.0.7"));
    EXPECT_EQ(hog.slot(), freed);
    auto newcomer = joinFrom("Newcomer", "127.0.0.8");
    EXPECT_EQ(newcomer->slot(), freed);
    EXPECT_TRUE(hog.waitClosed());
    EXPECT_EQ(hog.raw(), "CMD_sendlogininfo+" + std::to_string(freed) + "\xFF");
    // Now everybody has logged in: the table is full, and says so.
    TestClient full(server.port(), false, QStringLiteral("127.0.0.9"));
    EXPECT_TRUE(full.waitClosed());
    EXPECT_EQ(full.raw(), "CMD_full+\xFF");
}

// An address whose connections keep timing out before their login waits before it may
// come again; the first is forgiven, and other addresses are not affected.
TEST_F(HostLimit, AnAddressWhoseConnectionsTimeOutWaits) {
    server.setLoginTimeout(100);
    const AddressLimits limits;
    auto host = hostJoin();
    for (int i = 0; i < 2; ++i) {
        TestClient hog(server.port(), true, QStringLiteral("127.0.0.2"));
        EXPECT_NE(hog.slot(), 0) << i;
        EXPECT_TRUE(hog.waitClosed());
        clock.advance(2000);
    }
    TestClient refused(server.port(), false, QStringLiteral("127.0.0.2"));
    EXPECT_TRUE(refused.waitClosed());
    EXPECT_EQ(refused.raw(), "");
    EXPECT_NE(joinFrom("Ann", "127.0.0.3")->slot(), 0);
    clock.advance(limits.timeoutWaitMs);
    EXPECT_NE(joinFrom("Bob", "127.0.0.2")->slot(), 0);
}

// A player whose connection died unnoticed comes back from the same address under the
// same name: the new connection is in, and the silent one goes. Another address with
// the same name, or another name from the same address, takes nobody's place.
TEST_F(HostLimit, APlayerWhoseConnectionDiedTakesHisPlaceBack) {
    auto host = hostJoin();
    auto old = joinFrom("Ann", "127.0.0.2");
    const int oldSlot = old->slot();
    clock.advance(TServer::silentMs);
    auto twin = joinFrom("Ann", "127.0.0.3");
    auto bob = joinFrom("Bob", "127.0.0.2");
    EXPECT_TRUE(server.inUse(oldSlot));
    auto back = joinFrom("Ann", "127.0.0.2");
    EXPECT_NE(back->slot(), 0);
    EXPECT_TRUE(old->waitClosed());
    EXPECT_FALSE(server.inUse(oldSlot));
    EXPECT_TRUE(server.inUse(twin->slot()));
    EXPECT_TRUE(server.inUse(bob->slot()));
    // The others hear that the old one left before the new one came.
    const std::vector<std::string>& seen = host->lines();
    const auto left = std::find(seen.begin(), seen.end(),
                                "CMD_playerdisconnected+" + std::to_string(oldSlot) + "+Ann");
    const auto came = std::find_if(seen.begin(), seen.end(), [&](const std::string& l) {
        return l.rfind("CMD_newplayerinfo+" + std::to_string(back->slot()) + "+Ann", 0) == 0;
    });
    EXPECT_LT(left - seen.begin(), came - seen.begin());
    EXPECT_NE(came, seen.end());
}

// A removed player is refused for ten minutes, closed without a word; other players
// behind his address, and his name from elsewhere, are not.
TEST_F(HostLimit, ARemovedPlayerStaysAwayForTenMinutes) {
    auto host = hostJoin();
    auto ann = joinFrom("Ann", "127.0.0.2");
    host->send("CMD_kickhim+1+" + std::to_string(ann->slot()) + "+");
    EXPECT_TRUE(ann->waitClosed());

    const auto refused = [&] {
        TestClient back(server.port(), true, QStringLiteral("127.0.0.2"));
        back.login("Ann");
        return back.waitClosed() && back.raw().find("CMD_full") == std::string::npos;
    };
    EXPECT_TRUE(refused());
    EXPECT_NE(joinFrom("Bob", "127.0.0.2")->slot(), 0);
    EXPECT_NE(joinFrom("Ann", "127.0.0.3")->slot(), 0);

    clock.advance(9 * 60 * 1000);
    EXPECT_TRUE(refused());
    clock.advance(60 * 1000);
    auto again = joinFrom("Ann", "127.0.0.2");
    EXPECT_FALSE(again->closed());
    EXPECT_TRUE(server.inUse(again->slot()));
}

// Every per-address limit and a kick count an IPv6 address with the rest of its /64.
TEST(AddressGroup, IPv6AddressesCountByTheirSlash64) {
    struct Case {
        const char *a, *b;
        bool same;
    };
    for (const Case& c : {Case{"2001:db8::1", "2001:db8::ffff:abcd:1:2", true},
                          Case{"2001:db8::1", "2001:db8:0:1::1", false},
                          Case{"::ffff:192.168.50.1", "192.168.50.1", true},
                          Case{"192.168.50.1", "192.168.50.2", false}, Case{"::1", "::2", true}}) {
        EXPECT_EQ(addressGroup(QHostAddress(c.a)) == addressGroup(QHostAddress(c.b)), c.same)
            << c.a << " " << c.b;
    }
}

// What the host remembers of addresses goes once it no longer matters, however many
// machines came and went.
TEST(AddressGuardMemory, ForgetsAddressesWithNothingLeftToRemember) {
    AddressGuard guard;
    std::int64_t now = 0;
    for (int i = 0; i < 10000; ++i) {
        const std::string address =
            "10.0." + std::to_string(i / 256) + "." + std::to_string(i % 256);
        ASSERT_EQ(guard.admit(address, now), AddressGuard::Verdict::admit);
        guard.closed(address, now);
        now += 10;
    }
    // The last few seconds' comers, not every one of the ten thousand.
    EXPECT_LT(guard.remembered(), 500u);
    guard.ban("Mallory", "10.9.9.9", now);
    for (int i = 0; i < 1000; ++i)
        guard.admit("10.8." + std::to_string(i / 256) + "." + std::to_string(i % 256), now);
    EXPECT_TRUE(guard.banned("Mallory", "10.9.9.9", now + 9 * 60 * 1000));
    EXPECT_FALSE(guard.banned("Mallory", "10.9.9.9", now + 10 * 60 * 1000));
}

}  // namespace
}  // namespace tess::testing
