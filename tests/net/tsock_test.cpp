#include <gtest/gtest.h>

#include <QNetworkProxy>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTest>
#include <memory>

#include "net/tsock.h"
#include "tests/support/test_client.h"

namespace tess::testing {
namespace {

// Records a socket's events in order.
struct EventLog {
    void watch(TSock& sock) {
        QObject::connect(&sock, &TSock::OnDisconnect,
                         [this](TSock*) { events.push_back("disconnect"); });
        QObject::connect(&sock, &TSock::OnConnect, [this](TSock*) { events.push_back("connect"); });
        QObject::connect(&sock, &TSock::OnInfo,
                         [this](TSock*, SocketInfo info, const QString& msg) {
                             if (info == SocketInfo::Close || info == SocketInfo::Error ||
                                 info == SocketInfo::Connect)
                                 events.push_back(msg.toStdString());
                         });
    }
    std::vector<std::string> events;
};

TSock* acceptOne(TSock& listener) {
    TSock* accepted = nullptr;
    QObject::connect(&listener, &TSock::OnAccept, [&](TSock* l) { l->Accept(accepted); });
    waitUntil([&] { return accepted != nullptr; });
    return accepted;
}

TEST(TSock, ListeningOnATakenPortFails) {
    QTcpServer other;
    ASSERT_TRUE(other.listen(QHostAddress::Any, 0));
    TSock sock;
    sock.PortName = QString::number(other.serverPort());
    try {
        sock.setListen(true);
        FAIL() << "listening on a taken port";
    } catch (const ESockException& e) {
        EXPECT_STREQ(e.what(), "Listen - Error Binding Socket");
    }
    EXPECT_FALSE(sock.Listen());
}

TEST(TSock, ListenerRefusesStreamOperations) {
    TSock sock;
    sock.PortName = "0";
    sock.setListen(true);
    EXPECT_THROW(sock.Send("x"), ESockException);
    EXPECT_THROW(sock.Receive(), ESockException);
    TSock plain;
    TSock* none = nullptr;
    EXPECT_THROW(plain.Accept(none), ESockException);
    EXPECT_THROW(plain.Send("x"), ESockException);
}

// A listener with one accepted connection from a test peer, its events recorded.
class AcceptedSock : public ::testing::Test {
protected:
    void SetUp() override {
        listener.PortName = "0";
        listener.setListen(true);
        peer = std::make_unique<TestClient>(listener.localPort(), false);
        accepted = acceptOne(listener);
        ASSERT_NE(accepted, nullptr);
        log.watch(*accepted);
    }

    TSock listener;
    std::unique_ptr<TestClient> peer;
    TSock* accepted = nullptr;
    EventLog log;
};

TEST_F(AcceptedSock, PeerCloseReportsDisconnectThenSocketClosed) {
    peer->sendRaw("hello");
    std::string received;
    QObject::connect(accepted, &TSock::OnRead, [&](TSock* s, int) { received += s->Receive(); });
    ASSERT_TRUE(waitUntil([&] { return received == "hello"; }));
    EXPECT_EQ(received, "hello");

    peer->socket().disconnectFromHost();
    ASSERT_TRUE(waitUntil([&] { return !log.events.empty(); }));
    EXPECT_EQ(log.events, (std::vector<std::string>{"disconnect", "Socket Closed"}));
    EXPECT_FALSE(accepted->connected());
}

TEST_F(AcceptedSock, ResetConnectionIsAClosedConnection) {
    peer->killHard();
    ASSERT_TRUE(waitUntil([&] { return log.events.size() >= 2; }));
    EXPECT_EQ(log.events, (std::vector<std::string>{"disconnect", "Socket Closed"}));
}

TEST_F(AcceptedSock, OwnCloseReportsSocketClosedAndFlushes) {
    accepted->Send("last words\xFF");
    accepted->Close();
    EXPECT_EQ(log.events, (std::vector<std::string>{"Socket Closed"}));
    EXPECT_TRUE(peer->waitClosed());
    EXPECT_EQ(peer->lines(), (std::vector<std::string>{"last words"}));
    accepted->Close();  // closing again still reports
    EXPECT_EQ(log.events.size(), 2u);
}

// A move's answer must not wait for the peer's acknowledgement of the line before it.
TEST(TSock, BothEndsSendSmallLinesWithoutWaitingToFillASegment) {
    TSock listener;
    listener.PortName = "0";
    listener.setListen(true);
    TSock client;
    client.HostName = "127.0.0.1";
    client.PortName = QString::number(listener.localPort());
    client.Open();
    TSock* accepted = acceptOne(listener);
    ASSERT_NE(accepted, nullptr);
    ASSERT_TRUE(waitUntil([&] { return client.connected(); }));
    for (TSock* sock : {&client, accepted}) {
        auto* socket = sock->findChild<QTcpSocket*>();
        ASSERT_NE(socket, nullptr);
        EXPECT_EQ(socket->socketOption(QAbstractSocket::LowDelayOption).toInt(), 1);
    }
}

TEST(TSock, ConnectsAndReportsRefusal) {
    TSock listener;
    listener.PortName = "0";
    listener.setListen(true);
    TSock client;
    EventLog log;
    log.watch(client);
    client.HostName = "127.0.0.1";
    client.PortName = QString::number(listener.localPort());
    EXPECT_FALSE(client.Open());
    ASSERT_TRUE(waitUntil([&] { return client.connected(); }));
    EXPECT_TRUE(client.Open());  // already has a socket: nothing happens
    EXPECT_EQ(log.events, (std::vector<std::string>{"Non-Blocking Socket Connected", "connect"}));

    const quint16 freePort = listener.localPort();
    listener.setListen(false);
    TSock refused;
    EventLog refusedLog;
    refusedLog.watch(refused);
    refused.HostName = "127.0.0.1";
    refused.PortName = QString::number(freePort);
    refused.Open();
    ASSERT_TRUE(waitUntil([&] { return !refusedLog.events.empty(); }));
    EXPECT_EQ(refusedLog.events, (std::vector<std::string>{"Error #10061 (WSAECONNREFUSED)"}));
    EXPECT_EQ(TSock::errorText(12345).toStdString(), "Error #12345 (UNKNOWN ERROR)");
}

// A proxy the user has set up (here one that is not there) is for other computers: a table
// on this machine is listened for and reached directly. Where the proxy is asked and fails
// at once, the failure is reported and the socket stays usable.
TEST(TSock, ThisMachineIsReachedWithoutTheUsersProxy) {
    QNetworkProxy::setApplicationProxy(
        QNetworkProxy(QNetworkProxy::Socks5Proxy, QStringLiteral("127.0.0.1"), 9));
    struct Restore {
        ~Restore() { QNetworkProxy::setApplicationProxy(QNetworkProxy::NoProxy); }
    } restore;
    TSock listener;
    listener.PortName = "0";
    listener.setListen(true);
    TSock* accepted = nullptr;
    QObject::connect(&listener, &TSock::OnAccept, [&](TSock* l) { l->Accept(accepted); });
    TSock client;
    client.HostName = "127.0.0.1";
    client.PortName = QString::number(listener.localPort());
    client.Open();
    ASSERT_TRUE(waitUntil([&] { return client.connected() && accepted != nullptr; }));
    delete accepted;

    // Another machine goes through the proxy, which refuses the bound socket at once.
    TSock remote;
    EventLog log;
    log.watch(remote);
    remote.HostName = "192.0.2.1";  // documentation range; nothing is sent to it
    remote.PortName = "7772";
    EXPECT_FALSE(remote.Open());
    ASSERT_TRUE(waitUntil([&] { return !log.events.empty(); }));
    EXPECT_EQ(log.events.front().rfind("Error #", 0), 0u) << log.events.front();
    EXPECT_FALSE(remote.connected());
}

}  // namespace
}  // namespace tess::testing
