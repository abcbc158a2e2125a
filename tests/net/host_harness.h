// A host on a free loopback port with its engine on virtual time, and helpers to seat
// test players at it.
#pragma once

#include <gtest/gtest.h>

#include <memory>

#include "engine/virtual_clock.h"
#include "net/server.h"
#include "tests/support/own_client.h"
#include "tests/support/stacked_random.h"
#include "tests/support/table_play.h"
#include "tests/support/test_client.h"

namespace tess::testing {

class HostTest : public ::testing::Test {
protected:
    HostTest() { server.startListening(0); }

    std::unique_ptr<TestClient> connect() { return std::make_unique<TestClient>(server.port()); }

    // Connects and logs in; returns once the host has announced the player.
    std::unique_ptr<TestClient> join(const std::string& name) {
        return joinTable(server.port(), name);
    }
    // The hosting user's own client: the host knows it by its two ends and gives it
    // slot 1.
    std::unique_ptr<TestClient> hostJoin(const std::string& name = "You") {
        return joinAsHost(server, name);
    }

    VirtualClock clock;
    StackedRandom random;
    TServer server{clock, random};
};

}  // namespace tess::testing
