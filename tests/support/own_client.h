// The hosting user's own client in tests: the host knows it by the ends of its socket
// and gives it slot 1.
#pragma once

#include <QPointer>
#include <QTcpSocket>
#include <memory>
#include <string>

#include "net/server.h"
#include "tests/support/test_client.h"

namespace tess::testing {

// Tells `server` that `socket` is its own user's connection.
inline void ownClientIs(TServer& server, QTcpSocket& socket) {
    server.setOwnClient([s = QPointer<QTcpSocket>(&socket)] {
        return s ? socketEnds(s->socketDescriptor()) : std::nullopt;
    });
}

// Connects as the hosting user's own client of `server` and logs in.
inline std::unique_ptr<TestClient> joinAsHost(TServer& server, const std::string& name) {
    auto client = std::make_unique<TestClient>(server.port(), false);
    ownClientIs(server, client->socket());
    client->awaitSlot();
    client->login(name);
    client->waitForPrefix("CMD_newplayerinfo+" + std::to_string(client->slot()) + "+");
    return client;
}

}  // namespace tess::testing
