// What the table's host remembers about each remote address: how often it has come
// lately, how many connections it holds open, and whether it was removed from the
// table. Entries with nothing left to remember are forgotten.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <unordered_map>

#include "net/rate_limit.h"

namespace tess {

struct AddressLimits {
    // Every connection is announced when it logs in and when it goes. Twenty in a row
    // and one every two seconds after that lets a household reconnect after any
    // mishap, while a peer that comes and goes thousands of times a second is heard of
    // a few times a minute.
    double admitBurst = 20;
    double admitPerSecond = 0.5;
    // Four players of one household fill the table; a fifth connection from the same
    // address is somebody holding seats.
    int maxOpen = 4;
    // A removed player stays away this long.
    std::int64_t banMs = 10 * 60 * 1000;
};

class AddressGuard {
public:
    enum class Verdict { admit, banned, tooMany, tooOften };

    explicit AddressGuard(const AddressLimits& limits = {}) : limits_(limits) {}

    // A new connection from `address`; `capped` says whether the limit of open
    // connections applies to it. An admitted connection counts as open until closed().
    Verdict admit(const std::string& address, bool capped, std::int64_t nowMs);
    void closed(const std::string& address, std::int64_t nowMs);
    // Refuses the address for the ban's time from now.
    void ban(const std::string& address, std::int64_t nowMs);
    // How many addresses are remembered.
    std::size_t remembered() const { return entries_.size(); }

private:
    struct Entry {
        explicit Entry(const AddressLimits& l) : admissions(l.admitBurst, l.admitPerSecond) {}
        TokenBucket admissions;
        int open = 0;
        std::int64_t bannedUntilMs = -1;
    };
    bool forgettable(Entry& e, std::int64_t nowMs) const;
    void sweep(std::int64_t nowMs);
    Entry& entry(const std::string& address);

    AddressLimits limits_;
    std::unordered_map<std::string, Entry> entries_;
    std::size_t sweepAt_ = minSweep;
    static constexpr std::size_t minSweep = 64;
};

}  // namespace tess
