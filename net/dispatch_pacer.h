// Paces a receive queue: a line that reaches an empty queue is handled on the next pass
// of the event loop, further lines on later ticks, and with nothing queued no timer
// runs. Each pass handles one line, or with a time slice as many as fit in it, so the
// event loop still gets its turn every few milliseconds.
#pragma once

#include <QObject>
#include <QTimer>
#include <functional>

namespace tess {

class DispatchPacer : public QObject {
public:
    // `step` handles one queued line; `pending` tells whether lines are waiting.
    DispatchPacer(int intervalMs, std::function<void()> step, std::function<bool()> pending,
                  QObject* parent = nullptr);

    // Lets one pass handle lines until `ms` have gone by (0: one line per pass).
    void setTimeSlice(int ms) { sliceMs_ = ms; }
    // A line was queued.
    void kick();
    // No more dispatching (the connection is gone).
    void halt();
    // Whether a pass is scheduled (for tests: idle means no timer).
    bool active() const { return timer_.isActive() || posted_; }

private:
    void run();

    QTimer timer_;
    std::function<void()> step_;
    std::function<bool()> pending_;
    int sliceMs_ = 0;
    bool posted_ = false;
    bool halted_ = false;
};

}  // namespace tess
