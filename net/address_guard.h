// What the table's host remembers about each remote address: how often it has come
// lately, how many connections it holds open, whether its connections keep failing to
// log in, which of its players were removed from the table, and what it has relayed.
// Entries with nothing left to remember are forgotten.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <unordered_map>
#include <utility>
#include <vector>

#include "net/rate_limit.h"

class QHostAddress;

namespace tess {

// The key under which every per-address limit counts a peer: an IPv4 address (also one
// mapped into IPv6) on its own, an IPv6 address together with the rest of its /64, which
// one machine is commonly given whole.
std::string addressGroup(const QHostAddress& address);

struct AddressLimits {
    // Every connection is announced when it logs in and when it goes. Twenty in a row
    // and one every two seconds after that lets a household reconnect after any
    // mishap, while a peer that comes and goes thousands of times a second is heard of
    // a few times a minute.
    double admitBurst = 20;
    double admitPerSecond = 0.5;
    // An address whose connections do not log in in time: the first is forgiven (a
    // program that hung), after that the address waits this long before it may come
    // again, twice as long for each further one, up to the longest wait. A login
    // forgives them all.
    int timeoutsForgiven = 1;
    std::int64_t timeoutWaitMs = 15000;
    std::int64_t longestTimeoutWaitMs = 5 * 60 * 1000;
    // A removed player stays away this long.
    std::int64_t banMs = 10 * 60 * 1000;
};

class AddressGuard {
public:
    enum class Verdict { admit, tooOften, waiting };

    explicit AddressGuard(const AddressLimits& limits = {}, const RelayLimits& relay = {})
        : limits_(limits), relay_(relay) {}

    // A new connection from the address group `group`. An admitted connection counts as
    // open until closed().
    Verdict admit(const std::string& group, std::int64_t nowMs);
    void closed(const std::string& group, std::int64_t nowMs);
    // A connection from `group` logged in, or did not in time.
    void loggedIn(const std::string& group);
    void timedOut(const std::string& group, std::int64_t nowMs);
    // The player `name` from `group` is refused for the ban's time from now; others
    // behind the same address are not.
    void ban(const std::string& name, const std::string& group, std::int64_t nowMs);
    bool banned(const std::string& name, const std::string& group, std::int64_t nowMs);

    // Whether a relayed line may pass that goes out as `bytes` in all, from the sender
    // `key` (an address group) holding `connections` open, while `senders` keys share the
    // table. Each key has its own burst of lines, and an equal part of the table's budget.
    bool relay(const std::string& key, int connections, int senders, double bytes,
               std::int64_t nowMs);

    // How many addresses are remembered.
    std::size_t remembered() const { return entries_.size(); }

private:
    struct Entry {
        Entry(const AddressLimits& l, const RelayLimits& r)
            : admissions(l.admitBurst, l.admitPerSecond),
              lines(r.burst, r.perSecond),
              share(r.tableBurstBytes, r.tableBytesPerSecond) {}
        TokenBucket admissions;
        TokenBucket lines;
        TokenBucket share;
        int open = 0;
        int timeouts = 0;
        std::int64_t lastTimeoutMs = 0;
        std::int64_t waitUntilMs = -1;
        std::vector<std::pair<std::string, std::int64_t>> bans;  // name, until
    };
    bool forgettable(Entry& e, std::int64_t nowMs) const;
    void sweep(std::int64_t nowMs);
    Entry& entry(const std::string& key);
    void forgetIfDone(const std::string& key, std::int64_t nowMs);

    AddressLimits limits_;
    RelayLimits relay_;
    std::unordered_map<std::string, Entry> entries_;
    std::size_t sweepAt_ = minSweep;
    static constexpr std::size_t minSweep = 64;
};

}  // namespace tess
