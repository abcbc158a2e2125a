// The program's socket object: a TCP stream socket (or listener) whose activity is
// reported as events on the UI thread. Built on QTcpSocket and QTcpServer.
#pragma once

#include <QHostAddress>
#include <QObject>
#include <QString>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>

class QTcpServer;
class QTcpSocket;

namespace tess {

// Status codes raised with OnInfo, in order.
enum class SocketInfo { Lookup, Connect, Close, Listen, Receive, Send, Accept, Error };

// The two ends of a connection as the system sees them (IPv4 addresses mapped into IPv6
// are given as IPv4).
struct SocketEnds {
    QHostAddress localAddress;
    quint16 localPort = 0;
    QHostAddress peerAddress;
    quint16 peerPort = 0;
};
// The ends of the connected socket `fd`; none when it has no peer (yet).
std::optional<SocketEnds> socketEnds(qintptr fd);

class ESockException : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

class TSock : public QObject {
    Q_OBJECT
public:
    explicit TSock(QObject* parent = nullptr);
    ~TSock() override;

    QString HostName;
    QString PortName;

    // Starts connecting to HostName:PortName. Does nothing (and returns the connected
    // flag) when a socket already exists.
    bool Open();
    // Closes the socket and raises info Close "Socket Closed" (also when it was closed
    // already), except for a listener. Output still queued is flushed first where the
    // peer takes it.
    bool Close();
    // Closes at once, dropping queued output (for a peer that stopped reading), and
    // raises "Socket Closed" like Close.
    bool Abort();
    // Queues the text and writes what the system takes now; the rest goes out when the
    // socket is writable again.
    bool Send(std::string_view text);
    // Everything received so far, emptying the incoming buffer.
    std::string Receive();
    // Takes one pending connection of a listener into a new socket owned by this one.
    bool Accept(TSock*& newSock);

    // Starts (true) or stops (false) listening on PortName on every local address.
    void setListen(bool on);
    bool Listen() const;

    bool connected() const { return connected_; }
    // The port a listener is bound to (useful when PortName is "0").
    quint16 localPort() const;
    // Turns on TCP keep-alive: probes after `idleS` seconds of silence, every
    // `intervalS` seconds, and the connection fails after `count` unanswered ones; sent
    // data left unacknowledged fails it as soon. A vanished peer is noticed within a
    // minute. False when there is no socket or the system refuses.
    bool setKeepAlive(int idleS = 30, int intervalS = 5, int count = 4);
    // The ends of the connection, read from the system (also while still connecting).
    std::optional<SocketEnds> ends() const;
    // Bytes queued for sending that the peer has not taken yet.
    qint64 pendingOutput() const;
    // Hands on what arrives in steps of at most `bytes` (0: all at once); then no more
    // than a few steps are held here at any time, the rest waits with the system.
    void setReadChunk(qint64 bytes);
    static constexpr qint64 readAheadSteps = 4;
    // Bytes received and held here, not handed on yet.
    qint64 heldInput() const;
    // While paused nothing more is taken in: what arrives waits with the system, and TCP
    // holds a sender that is faster than we are back. Unpausing reads what waits. A close
    // by the peer still hands over everything received before it.
    void pauseReading(bool paused);
    bool readingPaused() const { return readPaused_; }

    // The classic number of the last Error info (10061 for a refused connection), 0 before.
    int errorCode() const { return errorCode_; }

    // The text of an Error info: "Error #10054 (WSAECONNRESET)".
    static QString errorText(int code);

signals:
    void OnConnect(tess::TSock* sender);
    void OnDisconnect(tess::TSock* sender);
    void OnInfo(tess::TSock* sender, tess::SocketInfo info, const QString& msg);
    void OnRead(tess::TSock* sender, int count);
    void OnWrite(tess::TSock* sender);
    void OnAccept(tess::TSock* sender);

private:
    void adopt(QTcpSocket* socket);
    void applyReadBufferSize();
    void release();
    void readable();
    void peerClosed();
    void failed(int qtError);
    void info(SocketInfo code, const QString& msg) { emit OnInfo(this, code, msg); }

    QTcpSocket* socket_ = nullptr;
    QTcpServer* server_ = nullptr;
    bool connected_ = false;
    int errorCode_ = 0;
    bool readPaused_ = false;
    qint64 readChunk_ = 0;
    std::string incoming_;
};

}  // namespace tess
