// Who comes in, and into which slot: slot 1 is the hosting user's own connection, told
// by its two ends; strangers take slots 2-9 within the per-address limits. Also the
// limit of relayed lines each connection may send.
#include <QLoggingCategory>

#include "net/server.h"
#include "wire/announcements.h"
#include "wire/fields.h"
#include "wire/message.h"

Q_DECLARE_LOGGING_CATEGORY(lcHost)

namespace tess {

namespace {

bool sameEnd(const QHostAddress& a, quint16 aPort, const QHostAddress& b, quint16 bPort) {
    return aPort == bPort && a.isEqual(b, QHostAddress::TolerantConversion);
}

// The address every copy of the program on this machine uses to reach its own host;
// other loopback addresses count as machines of their own.
bool machinesOwnAddress(const QHostAddress& a) {
    return a.isEqual(QHostAddress(QHostAddress::LocalHost), QHostAddress::TolerantConversion) ||
           a == QHostAddress(QHostAddress::LocalHostIPv6);
}

const char* refusalReason(AddressGuard::Verdict v) {
    switch (v) {
        case AddressGuard::Verdict::banned:
            return "was removed from the table lately";
        case AddressGuard::Verdict::tooMany:
            return "holds too many connections";
        case AddressGuard::Verdict::tooOften:
            return "connects too often";
        case AddressGuard::Verdict::admit:
            break;
    }
    return "";
}

// The words whose lines the host passes on to everybody.
bool relayedWord(std::string_view word) {
    return word == cmd::chat || word == cmd::action || word == cmd::playasound ||
           word == cmd::justwatch;
}

}  // namespace

void TServer::setLimits(const HostLimits& limits) {
    limits_ = limits;
    guard_ = AddressGuard(limits.address);
}

void TServer::Sock1Accept(TSock* sender) {
    TSock* sock = nullptr;
    while (sender->Accept(sock)) {
        sock->setKeepAlive();
        const std::optional<SocketEnds> ends = sock->ends();
        const bool own = ownConnection(ends);
        std::string address;
        if (const auto v = own ? AddressGuard::Verdict::admit : admissible(ends, address);
            v != AddressGuard::Verdict::admit) {
            refuse(sock, refusalReason(v));
            continue;
        }
        const int slot = freeSlot(own);
        if (slot == 0) {
            if (!address.empty()) guard_.closed(address, clock_.nowMs());
            refuse(sock, "finds the table full");
            continue;
        }
        admit(slot, sock, own, std::move(address));
    }
}

bool TServer::ownConnection(const std::optional<SocketEnds>& ends) const {
    if (!ownClient_ || !ends) return false;
    const std::optional<SocketEnds> client = ownClient_();
    return client &&
           sameEnd(client->localAddress, client->localPort, ends->peerAddress, ends->peerPort) &&
           sameEnd(client->peerAddress, client->peerPort, ends->localAddress, ends->localPort);
}

// Slot 1 for the hosting user's own connection, otherwise a freed slot, lowest first,
// or a new one; 0 when the table is full.
int TServer::freeSlot(bool own) {
    if (own) {
        if (slots_[1].sock != nullptr) return 0;
        highestSlot_ = std::max(highestSlot_, 1);
        return 1;
    }
    for (int s = 2; s <= highestSlot_; ++s)
        if (slots_[s].sock == nullptr) return s;
    if (highestSlot_ >= slotCount) return 0;
    highestSlot_ = std::max(highestSlot_, 1) + 1;
    return highestSlot_;
}

AddressGuard::Verdict TServer::admissible(const std::optional<SocketEnds>& ends,
                                          std::string& address) {
    if (!ends) return AddressGuard::Verdict::admit;  // gone already; its close follows
    const std::string peer = ends->peerAddress.toString().toStdString();
    const AddressGuard::Verdict v =
        guard_.admit(peer, !machinesOwnAddress(ends->peerAddress), clock_.nowMs());
    if (v == AddressGuard::Verdict::admit) address = peer;
    return v;
}

// The caller is told the table is full, and the connection closes once that has gone.
void TServer::refuse(TSock* sock, const char* why) {
    const std::int64_t now = clock_.nowMs();
    if (refusalLog_.due(now)) {
        const int held = refusalLog_.takeHeld();
        qCWarning(lcHost).nospace() << "Refused a connection from " << sock->HostName << ", which "
                                    << why << " (and " << held << " more since the last report)";
    }
    try {
        sock->Send(wire::Full{}.encode());
    } catch (const ESockException& e) {
        qCInfo(lcHost) << "A refused connection went at once:" << e.what();
    }
    sock->Close();
    sock->deleteLater();
}

bool TServer::relayAllowed(int slot, const std::string& line) {
    if (!relayedWord(wire::splitCommand(line).word)) return true;
    Connection& c = slots_[slot];
    const std::int64_t now = clock_.nowMs();
    const RelayLimit::Verdict v = c.relay.line(now);
    if (v == RelayLimit::Verdict::pass) return true;
    if (v == RelayLimit::Verdict::flooding) {
        dropConnection(slot, "floods the table");
        return false;
    }
    if (c.dropLog.due(now))
        qCWarning(lcHost) << "Dropped relayed lines over the limit from slot" << slot << "("
                          << c.dropLog.takeHeld() + 1 << "since the last report)";
    return false;
}

}  // namespace tess
