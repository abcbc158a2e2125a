#include "client/table/client_link.h"

#include <QLoggingCategory>
#include <stdexcept>

#include "wire/announcements.h"
#include "wire/fields.h"
#include "wire/message.h"
#include "wire/names.h"
#include "wire/requests.h"

Q_LOGGING_CATEGORY(lcClient, "tessarine.client")

namespace tess {

ClientLink::ClientLink(QObject* parent)
    : QObject(parent),
      dispatchPacer_(
          0, [this] { processsocktimer(); }, [this] { return !receivedlist_.empty(); }) {
    dispatchPacer_.setTimeSlice(dispatchSliceMs);
    sock.PortName = QString::number(wire::tablePort);
    sock.setReadChunk(readChunkBytes);
    connect(&sock, &TSock::OnRead, this, &ClientLink::sockRead);
    connect(&sock, &TSock::OnInfo, this, &ClientLink::sockInfo);
    connect(&sock, &TSock::OnConnect, this, [this] {
        opened_ = true;
        sock.setKeepAlive();
    });
    answerTimer_.setSingleShot(true);
    answerTimer_.setInterval(defaultAnswerMs);
    connect(&answerTimer_, &QTimer::timeout, this, [this] {
        if (!connected_) fail(Ending::noAnswer);
    });
    // The lobby has nothing to tell us: whatever comes is read and dropped, so it cannot
    // pile up in memory.
    lobbyLink_.setReadChunk(readChunkBytes);
    connect(&lobbyLink_, &TSock::OnRead, this, [this] { lobbyLink_.Receive(); });
}

void ClientLink::fail(Ending why) {
    if (finished_) return;
    ending_ = why;
    answerTimer_.stop();
    sock.Abort();
}

void ClientLink::connectTo(const QString& host, quint16 port, const std::string& name) {
    loginName_ = wire::cleanName(name);
    sock.HostName = host;
    sock.PortName = QString::number(port);
    answerTimer_.start();
    sock.Open();
}

void ClientLink::openLobbyLink(quint16 port) {
    lobbyLink_.HostName = QStringLiteral("127.0.0.1");
    lobbyLink_.PortName = QString::number(port);
    lobbyLink_.Open();
}

void ClientLink::on(std::string_view word, Handler handler) {
    const auto [it, added] = handlers_.emplace(std::string(word), std::move(handler));
    if (!added) throw std::logic_error("Two handlers for " + it->first);
}

bool ClientLink::send(std::string_view line) {
    if (!sock.connected()) return false;
    sock.Send(std::string(line) + wire::terminator);
    return true;
}

void ClientLink::sendloginfo(std::string_view rest) {
    mySlot_ = wire::SendLoginInfo::decode(rest).slot;
    connected_ = true;
    answerTimer_.stop();
    sock.Send(wire::LoginInfo{mySlot_, std::string(cmd::version), loginName_}.encode());
    emit loggedIn(mySlot_);
}

void ClientLink::sockRead(TSock* sender, int) {
    std::vector<std::string> lines;
    const bool ok = splitter_.feed(sender->Receive(), lines);
    for (std::string& line : lines)
        if (!line.empty()) enqueue(std::move(line));
    if (!ok)
        drop("The host sent too much without a terminator");
    else if (queuedBytes_ > maxQueuedBytes)
        drop("The host floods the receive queue");
    else if (queuedBytes_ > pauseReadingAt)
        sock.pauseReading(true);
}

void ClientLink::drop(const char* why) {
    if (finished_) return;
    qCWarning(lcClient) << why;
    ending_ = Ending::lost;
    // What a misbehaving host still had queued is not worth handling.
    std::deque<std::string>().swap(receivedlist_);
    queuedBytes_ = 0;
    sock.Abort();
}

void ClientLink::sockInfo(TSock*, SocketInfo info, const QString& msg) {
    if (info == SocketInfo::Close) {
        finish();
    } else if (info == SocketInfo::Error) {
        qCInfo(lcClient) << msg;
        // A connection that fails once made is a closed connection; one that cannot be
        // made is given up with its reason.
        if (opened_) {
            if (ending_ == Ending::open) ending_ = Ending::lost;
            sock.Close();
            return;
        }
        switch (sock.errorCode()) {
            case 10061:
                fail(Ending::refused);
                break;
            case 11001:
                fail(Ending::notFound);
                break;
            case 10060:
                fail(Ending::noAnswer);
                break;
            default:
                fail(Ending::unreachable);
        }
    }
}

// What was received before the close is handled first, so "the table is full" is seen;
// in the same slices as before, so that a host that floods and closes does not freeze the
// window. The close is told once the queue is empty.
void ClientLink::finish() {
    if (finished_) return;
    finished_ = true;
    answerTimer_.stop();
    if (ending_ == Ending::open) ending_ = Ending::closed;
    if (receivedlist_.empty())
        tellClosed();
    else
        dispatchPacer_.kick();
}

void ClientLink::tellClosed() {
    if (toldClosed_) return;
    toldClosed_ = true;
    dispatchPacer_.halt();
    emit closed();
}

void ClientLink::enqueue(std::string line) {
    queuedBytes_ += line.size() + queuedLineCost;
    receivedlist_.push_back(std::move(line));
    dispatchPacer_.kick();
}

// One line of the receive queue.
void ClientLink::processsocktimer() {
    if (receivedlist_.empty()) return;
    const std::string line = std::move(receivedlist_.front());
    receivedlist_.pop_front();
    queuedBytes_ -= line.size() + queuedLineCost;
    if (queuedBytes_ < pauseReadingAt / 2 && sock.readingPaused()) sock.pauseReading(false);
    dispatch(line);
    if (finished_ && receivedlist_.empty()) tellClosed();
}

void ClientLink::dispatch(const std::string& line) {
    const wire::CommandLine c = wire::splitCommand(line);
    if (c.word.empty()) return;
    const auto handler = handlers_.find(c.word);
    if (handler == handlers_.end()) return;
    try {
        handler->second(c.rest);
    } catch (const wire::FieldError& e) {
        qCWarning(lcClient) << "Dropped a line from the host -" << e.what();
    } catch (const ESockException& e) {
        // The host went while the line was handled (it asked for the login and closed
        // at once, say): that is a closed connection, not a failure.
        qCInfo(lcClient) << "The connection went while handling a line -" << e.what();
        if (!finished_) sock.Abort();
    }
}

}  // namespace tess
