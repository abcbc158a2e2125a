#include "net/dispatch_pacer.h"

#include <QElapsedTimer>

namespace tess {

DispatchPacer::DispatchPacer(int intervalMs, std::function<void()> step,
                             std::function<bool()> pending, QObject* parent)
    : QObject(parent), step_(std::move(step)), pending_(std::move(pending)) {
    timer_.setInterval(intervalMs);
    connect(&timer_, &QTimer::timeout, this, &DispatchPacer::run);
}

void DispatchPacer::kick() {
    if (timer_.isActive() || posted_ || halted_) return;
    posted_ = true;
    QMetaObject::invokeMethod(
        this,
        [this] {
            posted_ = false;
            run();
        },
        Qt::QueuedConnection);
}

void DispatchPacer::halt() {
    halted_ = true;
    timer_.stop();
}

void DispatchPacer::run() {
    if (halted_) return;
    QElapsedTimer slice;
    slice.start();
    const qint64 sliceNs = static_cast<qint64>(sliceMs_) * 1000000;
    do {
        if (!pending_()) break;
        step_();
        if (halted_) return;
    } while (slice.nsecsElapsed() < sliceNs);
    if (!pending_())
        timer_.stop();
    else if (!timer_.isActive())
        timer_.start();
}

}  // namespace tess
