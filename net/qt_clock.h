// The engine's three timers as QTimers on the UI thread.
#pragma once

#include <QElapsedTimer>
#include <QTimer>
#include <array>

#include "engine/ports.h"

namespace tess {

class QtClock : public Clock {
public:
    QtClock();
    void start(Timer timer, int intervalMs) override;
    void stop(Timer timer) override;
    std::int64_t nowMs() const override { return since_.elapsed(); }

private:
    QTimer& timer(Timer t) { return timers_[static_cast<int>(t)]; }
    std::array<QTimer, 3> timers_;
    QElapsedTimer since_;
};

}  // namespace tess
