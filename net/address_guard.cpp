#include "net/address_guard.h"

#include <QHostAddress>
#include <algorithm>

namespace tess {

std::string addressGroup(const QHostAddress& address) {
    bool v4 = false;
    const quint32 ip = address.toIPv4Address(&v4);
    if (v4) return QHostAddress(ip).toString().toStdString();
    Q_IPV6ADDR bytes = address.toIPv6Address();
    for (int i = 8; i < 16; ++i)
        bytes[i] = 0;
    return QHostAddress(bytes).toString().toStdString() + "/64";
}

AddressGuard::Entry& AddressGuard::entry(const std::string& key) {
    return entries_.try_emplace(key, limits_, relay_).first->second;
}

AddressGuard::Verdict AddressGuard::admit(const std::string& group, std::int64_t nowMs) {
    if (entries_.size() >= sweepAt_) sweep(nowMs);
    Entry& e = entry(group);
    if (e.waitUntilMs > nowMs) return Verdict::waiting;
    if (!e.admissions.take(nowMs)) return Verdict::tooOften;
    ++e.open;
    return Verdict::admit;
}

void AddressGuard::closed(const std::string& group, std::int64_t nowMs) {
    const auto it = entries_.find(group);
    if (it == entries_.end()) return;
    if (it->second.open > 0) --it->second.open;
    forgetIfDone(group, nowMs);
}

void AddressGuard::loggedIn(const std::string& group) {
    const auto it = entries_.find(group);
    if (it != entries_.end()) it->second.timeouts = 0;
}

void AddressGuard::timedOut(const std::string& group, std::int64_t nowMs) {
    Entry& e = entry(group);
    ++e.timeouts;
    e.lastTimeoutMs = nowMs;
    const int over = e.timeouts - limits_.timeoutsForgiven;
    if (over <= 0) return;
    std::int64_t wait = limits_.timeoutWaitMs;
    for (int i = 1; i < over && wait < limits_.longestTimeoutWaitMs; ++i)
        wait *= 2;
    e.waitUntilMs = nowMs + std::min(wait, limits_.longestTimeoutWaitMs);
}

void AddressGuard::ban(const std::string& name, const std::string& group, std::int64_t nowMs) {
    Entry& e = entry(group);
    const std::int64_t until = nowMs + limits_.banMs;
    for (auto& [banned, untilMs] : e.bans)
        if (banned == name) {
            untilMs = until;
            return;
        }
    e.bans.emplace_back(name, until);
}

bool AddressGuard::banned(const std::string& name, const std::string& group, std::int64_t nowMs) {
    const auto it = entries_.find(group);
    if (it == entries_.end()) return false;
    for (const auto& [banned, untilMs] : it->second.bans)
        if (banned == name && untilMs > nowMs) return true;
    return false;
}

bool AddressGuard::relay(const std::string& key, int connections, int senders, double bytes,
                         std::int64_t nowMs) {
    Entry& e = entry(key);
    e.lines.reshape(relay_.burst, relay_.perSecond * std::max(1, connections), nowMs);
    const double parts = std::max(1, senders);
    e.share.reshape(relay_.tableBurstBytes / parts, relay_.tableBytesPerSecond / parts, nowMs);
    if (!e.lines.holds(nowMs, 1) || !e.share.holds(nowMs, bytes)) return false;
    e.lines.take(nowMs, 1);
    e.share.take(nowMs, bytes);
    return true;
}

bool AddressGuard::forgettable(Entry& e, std::int64_t nowMs) const {
    if (e.open > 0 || e.waitUntilMs > nowMs) return false;
    if (e.timeouts > 0 && nowMs - e.lastTimeoutMs < limits_.longestTimeoutWaitMs) return false;
    e.bans.erase(std::remove_if(e.bans.begin(), e.bans.end(),
                                [nowMs](const auto& b) { return b.second <= nowMs; }),
                 e.bans.end());
    return e.bans.empty() && e.admissions.full(nowMs) && e.lines.full(nowMs) && e.share.full(nowMs);
}

void AddressGuard::forgetIfDone(const std::string& key, std::int64_t nowMs) {
    const auto it = entries_.find(key);
    if (it != entries_.end() && forgettable(it->second, nowMs)) entries_.erase(it);
}

// Forgets what no longer matters; runs again once the table has doubled, so its cost
// per connection stays constant.
void AddressGuard::sweep(std::int64_t nowMs) {
    for (auto it = entries_.begin(); it != entries_.end();)
        it = forgettable(it->second, nowMs) ? entries_.erase(it) : std::next(it);
    sweepAt_ = std::max(minSweep, entries_.size() * 2);
}

}  // namespace tess
