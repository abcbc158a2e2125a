#include "net/address_guard.h"

#include <algorithm>

namespace tess {

AddressGuard::Entry& AddressGuard::entry(const std::string& address) {
    return entries_.try_emplace(address, limits_).first->second;
}

AddressGuard::Verdict AddressGuard::admit(const std::string& address, bool capped,
                                          std::int64_t nowMs) {
    if (entries_.size() >= sweepAt_) sweep(nowMs);
    Entry& e = entry(address);
    if (e.bannedUntilMs > nowMs) return Verdict::banned;
    if (capped && e.open >= limits_.maxOpen) return Verdict::tooMany;
    if (!e.admissions.take(nowMs)) return Verdict::tooOften;
    ++e.open;
    return Verdict::admit;
}

void AddressGuard::closed(const std::string& address, std::int64_t nowMs) {
    const auto it = entries_.find(address);
    if (it == entries_.end()) return;
    if (it->second.open > 0) --it->second.open;
    if (forgettable(it->second, nowMs)) entries_.erase(it);
}

void AddressGuard::ban(const std::string& address, std::int64_t nowMs) {
    entry(address).bannedUntilMs = nowMs + limits_.banMs;
}

bool AddressGuard::forgettable(Entry& e, std::int64_t nowMs) const {
    return e.open == 0 && e.bannedUntilMs <= nowMs && e.admissions.full(nowMs);
}

// Forgets what no longer matters; runs again once the table has doubled, so its cost
// per connection stays constant.
void AddressGuard::sweep(std::int64_t nowMs) {
    for (auto it = entries_.begin(); it != entries_.end();)
        it = forgettable(it->second, nowMs) ? entries_.erase(it) : std::next(it);
    sweepAt_ = std::max(minSweep, entries_.size() * 2);
}

}  // namespace tess
