// Rate limits of the table's host, on the host's clock (virtual time in tests): a token
// bucket, and what tells a flooding connection from one that is merely over its limit.
#pragma once

#include <algorithm>
#include <cstdint>
#include <utility>

namespace tess {

// Holds up to `burst` tokens and gains `perSecond` of them each second; each event
// takes one.
class TokenBucket {
public:
    TokenBucket(double burst, double perSecond)
        : burst_(burst), perSecond_(perSecond), tokens_(burst) {}

    bool take(std::int64_t nowMs) {
        refill(nowMs);
        if (tokens_ < 1) return false;
        tokens_ -= 1;
        return true;
    }
    // Takes `amount` tokens when the bucket holds them all.
    bool take(std::int64_t nowMs, double amount) {
        refill(nowMs);
        if (tokens_ < amount) return false;
        tokens_ -= amount;
        return true;
    }
    // Whether the bucket holds `amount` tokens now.
    bool holds(std::int64_t nowMs, double amount) {
        refill(nowMs);
        return tokens_ >= amount;
    }
    // Whether the bucket has refilled completely (nothing to remember about it).
    bool full(std::int64_t nowMs) {
        refill(nowMs);
        return tokens_ >= burst_;
    }
    // Changes size and rate from now on; what it holds stays, up to the new size.
    void reshape(double burst, double perSecond, std::int64_t nowMs) {
        refill(nowMs);
        burst_ = burst;
        perSecond_ = perSecond;
        tokens_ = std::min(tokens_, burst_);
    }

private:
    void refill(std::int64_t nowMs) {
        if (nowMs > lastMs_)
            tokens_ = std::min(burst_, tokens_ + (nowMs - lastMs_) * perSecond_ / 1000);
        lastMs_ = std::max(lastMs_, nowMs);
    }

    double burst_;
    double perSecond_;
    double tokens_;
    std::int64_t lastMs_ = 0;
};

struct RelayLimits {
    // A person types a line every few seconds and the phrase buttons rest two seconds
    // between sounds; a burst of 40 lines and two a second after that, for each
    // connection an address holds, are far beyond honest play, yet a flood reaches the
    // others as a trickle. The burst belongs to the address: reconnecting does not
    // refill it.
    double burst = 40;
    double perSecond = 2;
    // What the table relays in all, in bytes as sent (a line counts once for each
    // receiver), shared in equal parts among the addresses that take part: well below
    // what a modest home upload of about 1 Mbit/s carries.
    double tableBytesPerSecond = 96 * 1024;
    double tableBurstBytes = 384 * 1024;
    // A connection over its limit for this long without a pause...
    std::int64_t floodMs = 10000;
    // ...or with this many lines dropped in one go is a flooding peer.
    int floodLines = 1000;
    // A quiet spell that ends a time over the limit.
    std::int64_t pauseMs = 5000;
};

// One connection's time over the relay limit: when its lines are dropped for long
// enough, or in a great number, the sender is a flooding peer to be let go.
class FloodWatch {
public:
    explicit FloodWatch(const RelayLimits& limits = {}) : limits_(limits) {}

    // A relayed line was dropped; true when the sender is now a flooding peer.
    bool dropped(std::int64_t nowMs) {
        if (dropped_ == 0 || nowMs - lastDropMs_ >= limits_.pauseMs) {
            overSinceMs_ = nowMs;
            dropped_ = 0;
        }
        ++dropped_;
        lastDropMs_ = nowMs;
        return nowMs - overSinceMs_ >= limits_.floodMs || dropped_ >= limits_.floodLines;
    }

private:
    RelayLimits limits_;
    std::int64_t overSinceMs_ = 0;
    std::int64_t lastDropMs_ = 0;
    int dropped_ = 0;  // in the current time over the limit
};

// Says whether a message may go to the log now: the first at once, then at most one
// every `everyMs`; `held` counts the ones kept back since the last that went.
class LogPacer {
public:
    explicit LogPacer(std::int64_t everyMs = 5000) : everyMs_(everyMs) {}
    bool due(std::int64_t nowMs) {
        if (logged_ && nowMs - lastMs_ < everyMs_) {
            ++held_;
            return false;
        }
        logged_ = true;
        lastMs_ = nowMs;
        return true;
    }
    // The number held back before this message; starts counting again.
    int takeHeld() { return std::exchange(held_, 0); }

private:
    std::int64_t everyMs_;
    std::int64_t lastMs_ = 0;
    bool logged_ = false;
    int held_ = 0;
};

}  // namespace tess
