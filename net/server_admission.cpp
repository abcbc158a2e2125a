// Who comes in, and into which slot: slot 1 is the hosting user's own connection, told
// by its two ends; strangers take slots 2-9 within the per-address limits. Also the
// relay budget each address, and the table as a whole, may use.
#include <QLoggingCategory>
#include <algorithm>

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
        case AddressGuard::Verdict::waiting:
            return "waits after connections that did not log in";
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
    guard_ = AddressGuard(limits.address, limits.relay);
}

void TServer::Sock1Accept(TSock* sender) {
    TSock* sock = nullptr;
    while (sender->Accept(sock)) {
        sock->setKeepAlive();
        const std::optional<SocketEnds> ends = sock->ends();
        if (!ends) {
            refuse(sock, "was gone at once", Refusal::silent);
        } else if (ownConnection(ends)) {
            if (const int slot = freeSlot(true); slot != 0)
                admit(slot, sock, true, {}, true);
            else
                refuse(sock, "finds the table full", Refusal::full);
        } else {
            admitStranger(sock, *ends);
        }
    }
}

// Connections that have not logged in cannot hold the table: one per address, a few in
// all, and when a newcomer finds no free slot or too many waiting, the one that has
// waited longest gives way. Copies of the program on this machine are not limited so.
void TServer::admitStranger(TSock* sock, const SocketEnds& ends) {
    const std::int64_t now = clock_.nowMs();
    const bool local = machinesOwnAddress(ends.peerAddress);
    const std::string group = addressGroup(ends.peerAddress);
    if (const auto v = guard_.admit(group, now); v != AddressGuard::Verdict::admit) {
        refuse(sock, refusalReason(v), Refusal::silent);
        return;
    }
    if (const int waiting = local ? 0 : waitingFrom(group); waiting != 0) {
        if (now - slots_[waiting].admittedMs < loginGraceMs) {
            guard_.closed(group, now);
            refuse(sock, "has another connection waiting to log in", Refusal::silent);
            return;
        }
        giveWay(waiting, "gives way to a newer connection from its address");
    }
    int slot = freeSlot(false);
    if (slot == 0 || waitingCount() >= maxWaitingForLogin) {
        if (const int oldest = oldestWaiting(); oldest != 0) {
            giveWay(oldest, "gives way to a newcomer before it logged in");
            if (slot == 0) slot = freeSlot(false);
        }
    }
    if (slot == 0) {
        guard_.closed(group, now);
        refuse(sock, "finds the table full", Refusal::full);
        return;
    }
    admit(slot, sock, false, group, local);
}

// A connection that did not log in before others came counts as one that timed out.
void TServer::giveWay(int slot, const char* why) {
    const Connection& c = slots_[slot];
    if (c.counted && !c.local) guard_.timedOut(c.group, clock_.nowMs());
    dropConnection(slot, why);
}

int TServer::waitingFrom(const std::string& group) const {
    for (int slot : slotsInUse()) {
        const Connection& c = slots_[slot];
        if (!c.loggedIn && !c.own && !c.local && c.group == group) return slot;
    }
    return 0;
}

int TServer::oldestWaiting() const {
    int oldest = 0;
    for (int slot : slotsInUse()) {
        const Connection& c = slots_[slot];
        if (c.loggedIn || c.own || c.local) continue;
        if (oldest == 0 || c.id < slots_[oldest].id) oldest = slot;
    }
    return oldest;
}

int TServer::waitingCount() const {
    int n = 0;
    for (int slot : slotsInUse())
        n += !slots_[slot].loggedIn && !slots_[slot].own && !slots_[slot].local;
    return n;
}

int TServer::silentNamesake(int origin) const {
    const Connection& comer = slots_[origin];
    if (!comer.counted) return 0;
    const std::int64_t now = clock_.nowMs();
    for (int slot : slotsInUse()) {
        const Connection& c = slots_[slot];
        if (slot != origin && c.loggedIn && !c.own && c.group == comer.group &&
            c.name == comer.name && now - c.lastHeardMs >= silentMs)
            return slot;
    }
    return 0;
}

int TServer::connectionsOf(const std::string& key) const {
    int n = 0;
    for (int slot : slotsInUse())
        n += slots_[slot].relayKey == key;
    return n;
}

int TServer::senders() const {
    std::vector<const std::string*> keys;
    for (int slot : slotsInUse()) {
        const std::string& key = slots_[slot].relayKey;
        if (std::none_of(keys.begin(), keys.end(), [&](const std::string* k) { return *k == key; }))
            keys.push_back(&key);
    }
    return static_cast<int>(keys.size());
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

// Only a full table is said ("Game is full"); any other refusal closes without a word,
// so that nobody is told the table is full while seats are free.
void TServer::refuse(TSock* sock, const char* why, Refusal how) {
    const std::int64_t now = clock_.nowMs();
    if (refusalLog_.due(now)) {
        const int held = refusalLog_.takeHeld();
        qCWarning(lcHost).nospace() << "Refused a connection from " << sock->HostName << ", which "
                                    << why << " (and " << held << " more since the last report)";
    }
    if (how == Refusal::full) {
        try {
            sock->Send(wire::Full{}.encode());
        } catch (const ESockException& e) {
            qCInfo(lcHost) << "A refused connection went at once:" << e.what();
        }
    }
    sock->Close();
    sock->deleteLater();
}

bool TServer::relayAllowed(int slot, const std::string& line) {
    if (!relayedWord(wire::splitCommand(line).word)) return true;
    Connection& c = slots_[slot];
    const std::int64_t now = clock_.nowMs();
    // As relayed: once to each connection at the table.
    const double bytes =
        static_cast<double>(line.size()) * static_cast<double>(slotsInUse().size());
    if (guard_.relay(c.relayKey, connectionsOf(c.relayKey), senders(), bytes, now)) return true;
    ++droppedRelayLines_;
    // The hosting user's own lines over the limit are dropped; it is never let go.
    if (!c.own && c.flood.dropped(now)) {
        dropConnection(slot, "floods the table");
        return false;
    }
    if (c.dropLog.due(now))
        qCWarning(lcHost) << "Dropped relayed lines over the limit from slot" << slot << "("
                          << c.dropLog.takeHeld() + 1 << "since the last report)";
    return false;
}

}  // namespace tess
