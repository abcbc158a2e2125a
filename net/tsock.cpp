#include "net/tsock.h"

#include <algorithm>

#include <QHostAddress>
#include <QNetworkProxy>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTimer>

#include "platform/keep_alive.h"

// The socket's two ends are read from the system, as Qt reports no local end while a
// connection is being made.
#ifdef _WIN32
#include <winsock2.h>
#include <ws2tcpip.h>
using NativeSocket = SOCKET;
#else
#include <netinet/in.h>
#include <sys/socket.h>
using NativeSocket = int;
#endif

namespace tess {

namespace {

// How long a closing connection may take to hand over its last output.
constexpr int flushGraceMs = 5000;

struct WinsockError {
    QAbstractSocket::SocketError qt;
    int code;
    const char* name;
};

// The classic names and numbers of socket errors, which the error info texts carry.
constexpr WinsockError winsockErrors[] = {
    {QAbstractSocket::SocketAccessError, 10013, "WSAEACCES"},
    {QAbstractSocket::UnsupportedSocketOperationError, 10045, "WSAEOPNOTSUPP"},
    {QAbstractSocket::AddressInUseError, 10048, "WSAEADDRINUSE"},
    {QAbstractSocket::SocketAddressNotAvailableError, 10049, "WSAEADDRNOTAVAIL"},
    {QAbstractSocket::NetworkError, 10050, "WSAENETDOWN"},
    {QAbstractSocket::RemoteHostClosedError, 10054, "WSAECONNRESET"},
    {QAbstractSocket::SocketResourceError, 10055, "WSAENOBUFS"},
    {QAbstractSocket::SocketTimeoutError, 10060, "WSAETIMEDOUT"},
    {QAbstractSocket::ConnectionRefusedError, 10061, "WSAECONNREFUSED"},
    {QAbstractSocket::HostNotFoundError, 11001, "WSAHOST_NOT_FOUND"},
};

// Errors without a classic counterpart get numbers above every classic one.
constexpr int unknownErrorBase = 19000;

}  // namespace

QString TSock::errorText(int code) {
    const char* name = "UNKNOWN ERROR";
    for (const WinsockError& e : winsockErrors)
        if (e.code == code) name = e.name;
    return QStringLiteral("Error #%1 (%2)").arg(code).arg(QLatin1String(name));
}

TSock::TSock(QObject* parent) : QObject(parent) {}

TSock::~TSock() {
    if (server_ != nullptr) {
        server_->close();
    } else if (socket_ != nullptr) {
        release();
    }
}

void TSock::adopt(QTcpSocket* socket) {
    socket_ = socket;
    socket_->setParent(this);
    applyReadBufferSize();
    // Lines are small and each is sent whole: none waits for the peer's acknowledgement.
    if (socket_->state() == QAbstractSocket::ConnectedState)
        socket_->setSocketOption(QAbstractSocket::LowDelayOption, 1);
    connect(socket_, &QTcpSocket::connected, this, [this] {
        socket_->setSocketOption(QAbstractSocket::LowDelayOption, 1);
        connected_ = true;
        info(SocketInfo::Connect, QStringLiteral("Non-Blocking Socket Connected"));
        emit OnConnect(this);
    });
    connect(socket_, &QTcpSocket::readyRead, this, &TSock::readable);
    connect(socket_, &QTcpSocket::bytesWritten, this, [this] {
        info(SocketInfo::Send, QStringLiteral("Non-Blocking Outgoing Data"));
        emit OnWrite(this);
    });
    connect(socket_, &QTcpSocket::disconnected, this, &TSock::peerClosed);
    connect(socket_, &QTcpSocket::errorOccurred, this,
            [this](QAbstractSocket::SocketError e) { failed(static_cast<int>(e)); });
}

// Detaches the Qt socket: no more events from it. Queued output is still handed over
// before the connection goes, within a grace period.
void TSock::release() {
    QTcpSocket* socket = socket_;
    socket_ = nullptr;
    connected_ = false;
    socket->disconnect(this);
    socket->setParent(nullptr);
    if (socket->state() == QAbstractSocket::UnconnectedState) {
        socket->deleteLater();
        return;
    }
    QObject::connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
    // Most often the system takes the rest at once and the socket closes now: no timer
    // for it, which under connection churn would be one per connection.
    socket->flush();
    socket->disconnectFromHost();
    if (socket->state() == QAbstractSocket::UnconnectedState) {
        socket->deleteLater();
        return;
    }
    QTimer::singleShot(flushGraceMs, socket, [socket] {
        socket->abort();
        socket->deleteLater();
    });
}

bool TSock::Open() {
    if (socket_ != nullptr || server_ != nullptr) return connected_;
    info(SocketInfo::Lookup, QStringLiteral("Lookup Of Port ") + PortName);
    bool ok = false;
    const uint port = PortName.toUInt(&ok);
    if (!ok || port > 65535) throw ESockException("Port Lookup - Could Not Find Service Entry");
    info(SocketInfo::Lookup, QStringLiteral("Lookup Of Host ") + HostName);
    adopt(new QTcpSocket(this));
    const QString host = HostName.isEmpty() ? QStringLiteral("127.0.0.1") : HostName;
    // Bound first, the socket has its descriptor and local end while it still connects:
    // a host in the same process tells its own connection by them.
    if (QHostAddress target; target.setAddress(host)) {
        // This machine is reached directly: asking the desktop's proxy settings first costs
        // a thread and a wait before the connection even starts.
        if (target.isLoopback()) socket_->setProxy(QNetworkProxy::NoProxy);
        socket_->bind(target.protocol() == QAbstractSocket::IPv6Protocol
                          ? QHostAddress(QHostAddress::AnyIPv6)
                          : QHostAddress(QHostAddress::AnyIPv4));
    }
    // A bind that failed has been reported, and its socket let go, already.
    if (socket_ == nullptr) return connected_;
    socket_->connectToHost(host, static_cast<quint16>(port));
    return connected_;
}

bool TSock::Close() {
    if (server_ != nullptr) {
        setListen(false);
        return true;
    }
    if (socket_ != nullptr) release();
    info(SocketInfo::Close, QStringLiteral("Socket Closed"));
    return true;
}

bool TSock::Abort() {
    if (socket_ != nullptr) {
        socket_->disconnect(this);
        socket_->abort();
        socket_->deleteLater();
        socket_ = nullptr;
        connected_ = false;
    }
    info(SocketInfo::Close, QStringLiteral("Socket Closed"));
    return true;
}

bool TSock::Send(std::string_view text) {
    if (server_ != nullptr) throw ESockException("Send - Cannot Send On A Listener Socket");
    if (socket_ == nullptr) throw ESockException("Send - Socket Not Connected");
    if (text.empty()) return true;
    info(SocketInfo::Send, QStringLiteral("Non-Blocking Outgoing Data"));
    socket_->write(text.data(), static_cast<qint64>(text.size()));
    return true;
}

std::string TSock::Receive() {
    if (server_ != nullptr) throw ESockException("Receive - Cannot Receive On A Listener Socket");
    if (socket_ == nullptr && incoming_.empty())
        throw ESockException("Receive - Socket Not Connected");
    std::string out;
    out.swap(incoming_);
    return out;
}

void TSock::setReadChunk(qint64 bytes) {
    readChunk_ = bytes;
    applyReadBufferSize();
}

// With steps, Qt takes in a few steps' worth ahead of us and no more, paused or not; TCP's
// window closes behind it, so a sender faster than we are is held back at its end.
// Paused, Qt takes in no more than one step.
void TSock::applyReadBufferSize() {
    if (socket_ == nullptr) return;
    if (readChunk_ <= 0)
        socket_->setReadBufferSize(readPaused_ ? 1 : 0);
    else
        socket_->setReadBufferSize(readPaused_ ? readChunk_ : readChunk_ * readAheadSteps);
}

void TSock::pauseReading(bool paused) {
    if (paused == readPaused_) return;
    readPaused_ = paused;
    if (socket_ == nullptr) return;
    applyReadBufferSize();
    // What Qt already holds raises no new signal: read it on the next pass of the loop.
    if (!paused && socket_->bytesAvailable() > 0)
        QMetaObject::invokeMethod(
            this, [this] { readable(); }, Qt::QueuedConnection);
}

void TSock::readable() {
    // The owner may pause reading, or close, after any step.
    while (!readPaused_ && socket_ != nullptr && socket_->bytesAvailable() > 0) {
        const QByteArray bytes = readChunk_ > 0 ? socket_->read(readChunk_) : socket_->readAll();
        incoming_.append(bytes.constData(), static_cast<std::size_t>(bytes.size()));
        info(SocketInfo::Receive, QStringLiteral("Non-Blocking Incoming Data"));
        emit OnRead(this, static_cast<int>(incoming_.size()));
    }
}

void TSock::peerClosed() {
    readPaused_ = false;  // what came before the close is handed over whole
    readable();
    emit OnDisconnect(this);
    Close();
}

void TSock::failed(int qtError) {
    // QTcpSocket reports a peer's close, orderly or reset, as this error and then as a
    // disconnection; the disconnection alone tells the owner.
    if (qtError == QAbstractSocket::RemoteHostClosedError) return;
    int code = unknownErrorBase + qtError;
    for (const WinsockError& e : winsockErrors)
        if (e.qt == qtError) code = e.code;
    errorCode_ = code;
    info(SocketInfo::Error, errorText(code));
}

bool TSock::Accept(TSock*& newSock) {
    if (server_ == nullptr) throw ESockException("Accept - Socket Not In Listening Mode");
    QTcpSocket* socket = server_->nextPendingConnection();
    if (socket == nullptr) {
        info(SocketInfo::Accept, QStringLiteral("Could Not Accept Connection"));
        return false;
    }
    auto* accepted = new TSock(this);
    accepted->PortName = PortName;
    accepted->HostName = socket->peerAddress().toString();
    accepted->adopt(socket);
    accepted->connected_ = true;
    newSock = accepted;
    info(SocketInfo::Accept, QStringLiteral("Created New TSock Structure"));
    return true;
}

void TSock::setListen(bool on) {
    if (!on) {
        if (server_ == nullptr) return;
        server_->close();
        server_->deleteLater();
        server_ = nullptr;
        info(SocketInfo::Listen, QStringLiteral("Listening Stopped"));
        return;
    }
    if (socket_ != nullptr) throw ESockException("Listen - Socket Already In Use");
    if (server_ != nullptr) {
        info(SocketInfo::Listen, QStringLiteral("Listening Already Running"));
        return;
    }
    bool ok = false;
    const uint port = PortName.toUInt(&ok);
    if (!ok || port > 65535) throw ESockException("Port Lookup - Could Not Find Service Entry");
    auto* server = new QTcpServer(this);
    // Peers come straight to this port; no proxy listens for us.
    server->setProxy(QNetworkProxy::NoProxy);
    if (!server->listen(QHostAddress::Any, static_cast<quint16>(port))) {
        delete server;
        throw ESockException("Listen - Error Binding Socket");
    }
    server_ = server;
    connect(server_, &QTcpServer::newConnection, this, [this] { emit OnAccept(this); });
    info(SocketInfo::Listen, QStringLiteral("Listening Started"));
}

bool TSock::Listen() const { return server_ != nullptr; }

quint16 TSock::localPort() const {
    if (server_ != nullptr) return server_->serverPort();
    return socket_ != nullptr ? socket_->localPort() : 0;
}

bool TSock::setKeepAlive(int idleS, int intervalS, int count) {
    if (socket_ == nullptr) return false;
    const qintptr fd = socket_->socketDescriptor();
    if (fd < 0) return false;
    socket_->setSocketOption(QAbstractSocket::KeepAliveOption, 1);
    return setKeepAliveTimes(fd, idleS, intervalS, count);
}

namespace {

QHostAddress plain(const sockaddr_storage& a) {
    QHostAddress address(reinterpret_cast<const sockaddr*>(&a));
    bool v4 = false;
    const quint32 ip = address.toIPv4Address(&v4);
    return v4 ? QHostAddress(ip) : address;
}

quint16 portOf(const sockaddr_storage& a) {
    if (a.ss_family == AF_INET) return ntohs(reinterpret_cast<const sockaddr_in*>(&a)->sin_port);
    if (a.ss_family == AF_INET6) return ntohs(reinterpret_cast<const sockaddr_in6*>(&a)->sin6_port);
    return 0;
}

}  // namespace

std::optional<SocketEnds> socketEnds(qintptr fd) {
    if (fd < 0) return std::nullopt;
    sockaddr_storage local{}, peer{};
    socklen_t localSize = sizeof local, peerSize = sizeof peer;
    const auto s = static_cast<NativeSocket>(fd);
    if (::getsockname(s, reinterpret_cast<sockaddr*>(&local), &localSize) != 0 ||
        ::getpeername(s, reinterpret_cast<sockaddr*>(&peer), &peerSize) != 0)
        return std::nullopt;
    return SocketEnds{plain(local), portOf(local), plain(peer), portOf(peer)};
}

std::optional<SocketEnds> TSock::ends() const {
    return socket_ != nullptr ? socketEnds(socket_->socketDescriptor()) : std::nullopt;
}

qint64 TSock::pendingOutput() const { return socket_ != nullptr ? socket_->bytesToWrite() : 0; }

qint64 TSock::heldInput() const {
    return static_cast<qint64>(incoming_.size()) +
           (socket_ != nullptr ? socket_->bytesAvailable() : 0);
}

}  // namespace tess
