// A clock that runs on virtual time: timers fire only when the owner advances it, so a
// whole game plays out in microseconds. Used by tests, benchmarks and the self-play tool.
#pragma once

#include <array>
#include <cstdint>

#include "engine/ports.h"

namespace tess {

class VirtualClock : public Clock {
public:
    void start(Timer timer, int intervalMs) override;
    void stop(Timer timer) override;
    std::int64_t nowMs() const override { return now_; }

    // Moves time forward, firing every tick that falls due on the way, earliest first
    // (timers due together fire in the order they were started).
    void advance(std::int64_t ms);
    // Moves time to the next tick and fires it. False when no timer runs.
    bool fireNext();

    std::int64_t now() const { return now_; }
    bool running(Timer timer) const { return slot(timer).running; }
    int interval(Timer timer) const { return slot(timer).interval; }

private:
    struct Slot {
        bool running = false;
        int interval = 0;
        std::int64_t due = 0;
        std::uint64_t order = 0;
    };
    Slot& slot(Timer timer) { return slots_[static_cast<int>(timer)]; }
    const Slot& slot(Timer timer) const { return slots_[static_cast<int>(timer)]; }
    // The running timer that falls due first, or -1.
    int nextDue() const;

    std::array<Slot, 3> slots_{};
    std::int64_t now_ = 0;
    std::uint64_t starts_ = 0;
};

}  // namespace tess
