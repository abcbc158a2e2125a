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

// `count` chat lines of `text` from `slot`, each with its terminator.
inline std::string chats(int slot, int count, const std::string& text = "x") {
    std::string bytes;
    for (int i = 0; i < count; ++i)
        bytes += "CMD_chat+" + std::to_string(slot) + "+" + text + "|clBlack\xFF";
    return bytes;
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
    // Connects from the loopback address `from` (a machine of its own) and logs in, when
    // the host gives it a slot.
    std::unique_ptr<TestClient> joinFrom(const std::string& name, const char* from) {
        auto c = std::make_unique<TestClient>(server.port(), true, QString::fromLatin1(from));
        if (c->slot() == 0) return c;
        c->login(name);
        c->waitForPrefix("CMD_newplayerinfo+" + std::to_string(c->slot()) + "+" + name);
        return c;
    }

    VirtualClock clock;
    StackedRandom random;
    TServer server{clock, random};
};

}  // namespace tess::testing
