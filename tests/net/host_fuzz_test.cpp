// Hostile peers: random lines, random bytes and overlong lines from several connections
// at once. The host must stay up and still welcome a fresh player afterwards.
#include <gtest/gtest.h>

#include <QElapsedTimer>
#include <QTest>
#include <memory>
#include <random>

#include "engine/virtual_clock.h"
#include "net/server.h"
#include "tests/support/own_client.h"
#include "tests/support/stacked_random.h"
#include "tests/support/test_client.h"

namespace tess::testing {
namespace {

const char* const words[] = {
    "CMD_logininfo", "CMD_chat",      "CMD_action",    "CMD_playasound", "CMD_kickhim",
    "CMD_justwatch", "CMD_startgame", "CMD_handplay",  "CMD_tabplay",    "CMD_handfound",
    "CMD_tabfound",  "CMD_endturn",   "CMD_gamestats", "CMD_",           ""};

std::string randomField(std::mt19937& rng) {
    switch (rng() % 8) {
        case 0:
            return "";
        case 1:
            return std::to_string(static_cast<int>(rng() % 12) - 2);
        case 2:
            return std::to_string(rng());
        case 3:
            return "99999999999999999999";
        case 4:
            return "-2147483648";
        case 5:
            return std::string(rng() % 3000, 'z');
        case 6: {
            std::string bytes(rng() % 40, '\0');
            for (char& c : bytes)
                c = static_cast<char>(rng() % 255);  // no terminator
            return bytes;
        }
        default:
            return std::to_string(rng() % 30);
    }
}

std::string randomInput(std::mt19937& rng, int slot) {
    switch (rng() % 10) {
        case 0: {  // raw bytes, terminators included
            std::string bytes(rng() % 200, '\0');
            for (char& c : bytes)
                c = static_cast<char>(rng() % 256);
            return bytes;
        }
        case 1:
            return std::string(70 * 1024, 'q');  // no terminator: gets the peer dropped
        default: {
            std::string line = words[rng() % std::size(words)];
            // Mostly a line for the sender's own slot, so it passes the first check.
            line += "+" + (rng() % 3 != 0 ? std::to_string(slot) : randomField(rng));
            for (int n = static_cast<int>(rng() % 5); n > 0; --n)
                line += "+" + randomField(rng);
            return line + '\xFF';
        }
    }
}

TEST(HostFuzz, RandomInputLeavesTheHostServing) {
    VirtualClock clock;
    StackedRandom deals(5);
    TServer server(clock, deals);
    server.startListening(0);
    server.setBotSpeed(500);
    // Connections come and go by the hundred here; how often one address may come is
    // not what this test is about.
    HostLimits limits;
    limits.address.admitBurst = 1e9;
    server.setLimits(limits);
    std::mt19937 rng(20261210);

    QElapsedTimer elapsed;
    elapsed.start();
    int rounds = 0;
    while (elapsed.elapsed() < 3000 && rounds < 200) {
        ++rounds;
        std::vector<std::unique_ptr<TestClient>> peers;
        // The first is the hosting user's own client, who may start games.
        peers.push_back(std::make_unique<TestClient>(server.port(), false));
        ownClientIs(server, peers[0]->socket());
        peers[0]->awaitSlot();
        for (int i = 1; i < 4; ++i)
            peers.push_back(std::make_unique<TestClient>(server.port()));
        peers[0]->send("CMD_startgame+Fuzz+" + randomField(rng) + "+" + randomField(rng) + "+");
        for (int burst = 0; burst < 30; ++burst) {
            TestClient& peer = *peers[rng() % peers.size()];
            if (!peer.closed()) peer.sendRaw(randomInput(rng, peer.slot()));
        }
        QTest::qWait(static_cast<int>(rng() % 20));
        clock.advance(rng() % 20'000);
        for (auto& peer : peers)
            if (rng() % 2 == 0) peer->killHard();
    }
    QTest::qWait(50);

    TestClient fresh(server.port());
    ASSERT_GE(fresh.slot(), 1);
    fresh.login("Fresh");
    EXPECT_NE(fresh.waitForPrefix("CMD_newplayerinfo+" + std::to_string(fresh.slot()) + "+Fresh+0"),
              "");
    fresh.send("CMD_chat+" + std::to_string(fresh.slot()) + "+still here|clBlack");
    EXPECT_NE(fresh.waitForPrefix("CMD_chat+"), "");
    std::printf("fuzz rounds: %d\n", rounds);
}

}  // namespace
}  // namespace tess::testing
