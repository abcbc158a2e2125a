// A loopback relay between a client and its host that keeps every byte the client
// sent, so a test can read the exact requests the host received.
#pragma once

#include <QHostAddress>
#include <QPointer>
#include <QTcpServer>
#include <QTcpSocket>
#include <string>

namespace tess::testing {

class RecordingRelay {
public:
    explicit RecordingRelay(quint16 hostPort) : hostPort_(hostPort) {
        server_.listen(QHostAddress::LocalHost, 0);
        QObject::connect(&server_, &QTcpServer::newConnection, &server_, [this] {
            while (QTcpSocket* client = server_.nextPendingConnection())
                pair(client);
        });
    }
    quint16 port() const { return server_.serverPort(); }
    // The relay's connection to the host for the latest client, if any.
    QTcpSocket* upstream() const { return upstream_; }

    std::string sent;  // everything the clients sent, in order

private:
    void pair(QTcpSocket* client) {
        auto* host = new QTcpSocket(client);
        upstream_ = host;
        host->bind(QHostAddress(QHostAddress::AnyIPv4));  // its ends are known at once
        host->connectToHost(QHostAddress::LocalHost, hostPort_);
        QObject::connect(client, &QTcpSocket::readyRead, client, [this, client, host] {
            const QByteArray bytes = client->readAll();
            sent += bytes.toStdString();
            host->write(bytes);
        });
        QObject::connect(host, &QTcpSocket::readyRead, client,
                         [client, host] { client->write(host->readAll()); });
        QObject::connect(host, &QTcpSocket::disconnected, client, &QTcpSocket::disconnectFromHost);
        QObject::connect(client, &QTcpSocket::disconnected, host, &QTcpSocket::disconnectFromHost);
    }

    quint16 hostPort_;
    QTcpServer server_;
    QPointer<QTcpSocket> upstream_;
};

}  // namespace tess::testing
