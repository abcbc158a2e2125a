// A host on a free loopback port with its engine on virtual time, and helpers to seat
// test players at it.
#pragma once

#include <gtest/gtest.h>

#include <memory>

#include "engine/virtual_clock.h"
#include "net/server.h"
#include "tests/support/stacked_random.h"
#include "tests/support/test_client.h"

namespace tess::testing {

class HostTest : public ::testing::Test {
protected:
    HostTest() { server.startListening(0); }

    std::unique_ptr<TestClient> connect() { return std::make_unique<TestClient>(server.port()); }

    // Connects and logs in; returns once the host has announced the player.
    std::unique_ptr<TestClient> join(const std::string& name) {
        auto client = connect();
        client->login(name);
        client->waitForPrefix("CMD_newplayerinfo+" + std::to_string(client->slot()) + "+");
        return client;
    }

    // Returns once the host has handled everything `client` sent before: the host
    // handles lines in arrival order, so the relay of a chat sent now comes after them.
    void settle(TestClient& client) {
        const std::string mark = "sync" + std::to_string(++syncs_);
        client.send("CMD_chat+" + std::to_string(client.slot()) + "+" + mark + "|clBlack");
        client.waitFor([&](const std::string& line) {
            return line.rfind("CMD_chat+", 0) == 0 && line.find(mark) != std::string::npos;
        });
    }

    VirtualClock clock;
    StackedRandom random;
    TServer server{clock, random};

private:
    int syncs_ = 0;
};

}  // namespace tess::testing
