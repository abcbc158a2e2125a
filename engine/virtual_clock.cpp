#include "engine/virtual_clock.h"

#include <algorithm>

namespace tess {

void VirtualClock::start(Timer timer, int intervalMs) {
    Slot& s = slot(timer);
    s.running = true;
    s.interval = std::max(intervalMs, 1);
    s.due = now_ + s.interval;
    s.order = ++starts_;
}

void VirtualClock::stop(Timer timer) { slot(timer).running = false; }

int VirtualClock::nextDue() const {
    int best = -1;
    for (int i = 0; i < static_cast<int>(slots_.size()); ++i) {
        const Slot& s = slots_[i];
        if (!s.running) continue;
        if (best < 0 || s.due < slots_[best].due ||
            (s.due == slots_[best].due && s.order < slots_[best].order))
            best = i;
    }
    return best;
}

bool VirtualClock::fireNext() {
    const int i = nextDue();
    if (i < 0) return false;
    Slot& s = slots_[i];
    now_ = s.due;
    s.due += s.interval;
    fire(static_cast<Timer>(i));
    return true;
}

void VirtualClock::advance(std::int64_t ms) {
    const std::int64_t target = now_ + ms;
    for (int i = nextDue(); i >= 0 && slots_[i].due <= target; i = nextDue())
        fireNext();
    now_ = target;
}

}  // namespace tess
