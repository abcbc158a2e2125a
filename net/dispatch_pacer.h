// Paces a receive queue: a line that reaches an empty queue is handled on the next pass
// of the event loop, further lines one per tick, and with nothing queued no timer runs.
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

    // A line was queued.
    void kick();
    // No more dispatching (the connection is gone).
    void halt();

private:
    void run();

    QTimer timer_;
    std::function<void()> step_;
    std::function<bool()> pending_;
    bool posted_ = false;
    bool halted_ = false;
};

}  // namespace tess
