// Connections, the receive queue and the dispatcher of the table's host.
#include "net/server.h"

#include <QLoggingCategory>

#include "wire/announcements.h"
#include "wire/fields.h"

Q_LOGGING_CATEGORY(lcHost, "tessarine.host")

namespace tess {

TServer::TServer(Clock& clock, Random& random, QObject* parent)
    : QObject(parent),
      dispatchPacer_(
          0, [this] { dispatchNextLine(); }, [this] { return queuedLines_ > 0; }),
      clock_(clock),
      engine_(*this, clock, random) {
    dispatchPacer_.setTimeSlice(dispatchSliceMs);
    Sock1.PortName = QString::number(wire::tablePort);
    connect(&Sock1, &TSock::OnAccept, this, &TServer::Sock1Accept);
}

TServer::~TServer() {
    // Closing the connections must not run the close handling any more.
    for (Connection& c : slots_)
        if (c.sock != nullptr) c.sock->disconnect(this);
}

void TServer::startListening(quint16 port) {
    Sock1.PortName = QString::number(port);
    Sock1.setListen(true);
}

void TServer::admit(int slot, TSock* sock, bool own, std::string group, bool local) {
    Connection& c = slots_[slot];
    c.sock = sock;
    c.own = own;
    c.local = local;
    c.counted = !group.empty();
    c.group = std::move(group);
    c.flood = FloodWatch(limits_.relay);
    c.dropLog = LogPacer();
    c.id = ++nextId_;
    // The hosting user has a budget of its own; several copies of the program on this
    // machine each have theirs; other machines share their address's.
    c.relayKey = own ? std::string("own") : local ? "#" + std::to_string(c.id) : c.group;
    c.admittedMs = c.lastHeardMs = clock_.nowMs();
    c.name.clear();
    c.loggedIn = false;
    c.splitter = wire::LineSplitter();
    const std::uint64_t id = c.id;
    connect(sock, &TSock::OnDisconnect, this,
            [this, slot, id](TSock*) { peerDisconnected(slot, id); });
    connect(sock, &TSock::OnRead, this,
            [this, slot, id](TSock*, int) { connectionRead(slot, id); });
    connect(sock, &TSock::OnInfo, this,
            [this, slot, id](TSock*, SocketInfo info, const QString& msg) {
                connectionInfo(slot, id, info, msg);
            });
    // Runs only until the login; goes with the socket.
    c.loginTimer = new QTimer(sock);
    c.loginTimer->setSingleShot(true);
    connect(c.loginTimer, &QTimer::timeout, this, [this, slot, id] {
        if (!sameConnection(slot, id) || slots_[slot].loggedIn) return;
        const Connection& c = slots_[slot];
        if (c.counted && !c.local) guard_.timedOut(c.group, clock_.nowMs());
        dropConnection(slot, "did not log in in time");
    });
    c.loginTimer->start(loginTimeoutMs_);
    send(slot, wire::SendLoginInfo{slot}.encode());
}

bool TServer::sameConnection(int slot, std::uint64_t id) const {
    return inUse(slot) && slots_[slot].id == id;
}

void TServer::connectionRead(int slot, std::uint64_t id) {
    if (!sameConnection(slot, id)) return;
    Connection& c = slots_[slot];
    c.lastHeardMs = clock_.nowMs();
    std::vector<std::string> lines;
    const bool ok = c.splitter.feed(c.sock->Receive(), lines);
    for (std::string& line : lines) {
        if (line.empty()) continue;  // the terminator after a login, or noise
        if (!relayAllowed(slot, line)) {
            if (!sameConnection(slot, id)) return;  // let go as a flooding peer
            continue;
        }
        enqueue(slot, std::move(line));
    }
    if (!ok)
        dropConnection(slot, "sent too much without a terminator");
    else if (c.queuedBytes > maxQueuedBytesPerConnection)
        dropConnection(slot, "floods the receive queue");
}

void TServer::dropConnection(int slot, const char* why) {
    if (!inUse(slot)) return;
    qCWarning(lcHost) << "Disconnecting slot" << slot << "which" << why;
    slots_[slot].sock->Abort();
}

void TServer::peerDisconnected(int slot, std::uint64_t id) {
    if (sameConnection(slot, id)) slots_[slot].sock->Close();
}

void TServer::connectionInfo(int slot, std::uint64_t id, SocketInfo info, const QString& msg) {
    if (!sameConnection(slot, id)) return;
    if (info == SocketInfo::Close) {
        closeHandling(slot);
    } else if (info == SocketInfo::Error) {
        // A connection that fails is a closed connection.
        qCInfo(lcHost) << "Slot" << slot << msg;
        slots_[slot].sock->Close();
    }
}

void TServer::closeHandling(int slot) {
    Connection& c = slots_[slot];
    const std::string gone = wire::PlayerDisconnected{slot, c.name}.encode();
    TSock* sock = c.sock;
    c.sock = nullptr;
    for (int other : slotsInUse())
        send(other, gone);

    c.name.clear();
    c.loggedIn = false;
    c.loginTimer = nullptr;
    if (c.counted) guard_.closed(c.group, clock_.nowMs());
    c.counted = false;
    c.own = false;
    c.local = false;
    c.splitter = wire::LineSplitter();
    engine_.setJustWatching(slot, false);
    // What a closed connection still had queued goes with it.
    clearQueue(c);
    sock->disconnect(this);
    sock->deleteLater();

    if (slot != 1) engine_.passTurnFrom(slot);
}

void TServer::disconnectsock(int slot) {
    if (inUse(slot)) slots_[slot].sock->Close();
}

std::vector<int> TServer::slotsInUse() const {
    std::vector<int> used;
    for (int slot = 1; slot <= highestSlot_; ++slot)
        if (slots_[slot].sock != nullptr) used.push_back(slot);
    return used;
}

void TServer::send(int slot, const std::string& text) {
    if (!inUse(slot)) return;
    TSock* sock = slots_[slot].sock;
    try {
        sock->Send(text);
    } catch (const ESockException& e) {
        // The socket is gone under us: a closed connection, not a failed handler.
        qCInfo(lcHost) << "Slot" << slot << e.what();
        dropConnection(slot, "lost its socket");
        return;
    }
    // The hosting user's own client is never let go: it is sent fewer relayed lines.
    if (!slots_[slot].own && sock->pendingOutput() > outputLimit_) {
        // Not here: a broadcast may be looping over the slots. Next pass of the loop.
        const std::uint64_t id = slots_[slot].id;
        QMetaObject::invokeMethod(
            this,
            [this, slot, id] {
                if (sameConnection(slot, id)) dropConnection(slot, "does not take what it is sent");
            },
            Qt::QueuedConnection);
    }
}

void TServer::broadcast(const std::string& text) {
    for (int slot : slotsInUse())
        send(slot, text);
}

void TServer::relay(const std::string& text) {
    for (int slot : slotsInUse()) {
        const Connection& c = slots_[slot];
        if (c.own && c.sock->pendingOutput() > outputLimit_) {
            if (ownLagLog_.due(clock_.nowMs()))
                qCWarning(lcHost)
                    << "The hosting user's client lags: relayed lines for it dropped ("
                    << ownLagLog_.takeHeld() + 1 << "since the last report)";
            continue;
        }
        send(slot, text);
    }
}

void TServer::refusal(std::string_view text, int seat, bool byBot) {
    qCInfo(lcHost) << "Refused move of seat" << seat << (byBot ? "(bot):" : ":")
                   << QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
    if (byBot || seat == 1)
        emit refusalNotice(QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())));
}

void TServer::enqueue(int slot, std::string line) {
    Connection& c = slots_[slot];
    c.queuedBytes += line.size();
    c.receivedlist.push_back(std::move(line));
    ++queuedLines_;
    dispatchPacer_.kick();
}

void TServer::clearQueue(Connection& c) {
    queuedLines_ -= c.receivedlist.size();
    std::deque<std::string>().swap(c.receivedlist);
    c.queuedBytes = 0;
}

// One line: the next connection in turn that has lines waiting gives its oldest, so a
// flood delays only the flooder.
void TServer::dispatchNextLine() {
    if (queuedLines_ == 0) return;
    for (int n = 0; n < slotCount; ++n) {
        const int slot = (nextTurn_ - 1 + n) % slotCount + 1;
        Connection& c = slots_[slot];
        if (c.receivedlist.empty()) continue;
        const std::string line = std::move(c.receivedlist.front());
        c.receivedlist.pop_front();
        c.queuedBytes -= line.size();
        --queuedLines_;
        nextTurn_ = slot % slotCount + 1;
        dispatch(slot, line);
        return;
    }
}

void TServer::dispatch(int slot, const std::string& text) {
    static const std::pair<std::string_view, Handler> handlers[] = {
        {cmd::logininfo, &TServer::receivedlogininfo},
        {cmd::kickhim, &TServer::kickhim},
        {cmd::chat, &TServer::chat},
        {cmd::action, &TServer::action},
        {cmd::playasound, &TServer::playasound},
        {cmd::startgame, &TServer::startgame},
        {cmd::justwatch, &TServer::justwatch},
        {cmd::handplay, &TServer::handplay},
        {cmd::tabplay, &TServer::tabplay},
        {cmd::tabfound, &TServer::tabfound},
        {cmd::handfound, &TServer::handfound},
        {cmd::endturn, &TServer::endturn},
    };
    const wire::CommandLine line = wire::splitCommand(text);
    if (line.word.empty()) return;
    for (const auto& [word, handler] : handlers) {
        if (word != line.word) continue;
        try {
            (this->*handler)(slot, line.rest);
        } catch (const wire::FieldError& e) {
            qCWarning(lcHost) << "Dropped a line from slot" << slot << "-" << e.what();
        } catch (const ESockException& e) {
            qCWarning(lcHost) << "A socket failed while handling a line from slot" << slot << "-"
                              << e.what();
        }
        return;
    }
}

}  // namespace tess
