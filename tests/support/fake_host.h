// A host played by the test: it accepts one client and writes what the test says.
#pragma once

#include <QTcpServer>
#include <QTcpSocket>
#include <string>

#include "tests/support/test_client.h"

namespace tess::testing {

class FakeHost {
public:
    explicit FakeHost(quint16 port = 0) { server.listen(QHostAddress::LocalHost, port); }
    QTcpSocket* accept() {
        if (!waitUntil([&] { return server.hasPendingConnections(); })) return nullptr;
        QTcpSocket* s = server.nextPendingConnection();
        QObject::connect(s, &QTcpSocket::readyRead,
                         [this, s] { received += s->readAll().toStdString(); });
        return s;
    }
    quint16 port() const { return server.serverPort(); }
    QTcpServer server;
    std::string received;
};

}  // namespace tess::testing
