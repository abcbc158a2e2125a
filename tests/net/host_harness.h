// A host on a free loopback port with its engine on virtual time, and helpers to seat
// test players at it.
#pragma once

#include <gtest/gtest.h>

#include <QPointer>
#include <memory>

#include "engine/virtual_clock.h"
#include "net/server.h"
#include "tests/support/stacked_random.h"
#include "tests/support/table_play.h"
#include "tests/support/test_client.h"

namespace tess::testing {

// Connects as the hosting user's own client of `server` and logs in.
inline std::unique_ptr<TestClient> joinAsHost(TServer& server, const std::string& name) {
    auto client = std::make_unique<TestClient>(server.port(), false);
    server.setOwnClient([socket = QPointer<QTcpSocket>(&client->socket())] {
        return socket ? socketEnds(socket->socketDescriptor()) : std::nullopt;
    });
    client->awaitSlot();
    client->login(name);
    client->waitForPrefix("CMD_newplayerinfo+" + std::to_string(client->slot()) + "+");
    return client;
}

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
