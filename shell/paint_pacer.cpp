#include "shell/paint_pacer.h"

#include <QCoreApplication>
#include <QEvent>
#include <QScreen>
#include <QWindow>
#include <algorithm>

namespace tess {

PaintPacer::PaintPacer(QObject* parent) : QObject(parent) {
    clock_.start();
    timer_.setSingleShot(true);
    timer_.setTimerType(Qt::PreciseTimer);
    connect(&timer_, &QTimer::timeout, this, [this] { releaseDue(); });
}

qint64 PaintPacer::frameNs(const QWidget& window) {
    qreal hz = 60;
    if (const QScreen* screen = window.screen()) hz = screen->refreshRate();
    if (!(hz >= 20 && hz <= 500)) hz = 60;  // unknown or implausible: a common display
    return static_cast<qint64>(1e9 / hz);
}

// Qt asks a window to paint what changed with one posted update request; while that
// request is pending, further changes only add to the region. Holding the request back
// until the frame ends therefore gathers everything that changes meanwhile.
bool PaintPacer::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::UpdateRequest || !watched->isWidgetType()) return false;
    auto* window = static_cast<QWidget*>(watched);
    if (!window->isWindow() || window == releasing_) return false;
    auto known = windows_.find(window);
    if (known == windows_.end()) {
        known = windows_.insert(window, Window{});
        connect(window, &QObject::destroyed, this, [this, window] {
            waiting_.remove(window);
            windows_.remove(window);
        });
    }
    const qint64 now = clock_.nsecsElapsed();
    if (!waiting_.contains(window) && now - known->lastPaintNs >= frameNs(*window)) {
        known->lastPaintNs = now;
        return false;  // the first change after a quiet spell: painted at once
    }
    waiting_.insert(window, QPointer<QWidget>(window));
    arm();
    return true;  // painted when its frame ends, with whatever else changed by then
}

void PaintPacer::arm() {
    qint64 due = -1;
    for (auto it = waiting_.cbegin(); it != waiting_.cend(); ++it) {
        if (!it.value()) continue;
        const qint64 at = windows_.value(it.key()).lastPaintNs + frameNs(*it.value());
        due = due < 0 ? at : std::min(due, at);
    }
    if (due < 0) return;
    const qint64 waitNs = std::max<qint64>(0, due - clock_.nsecsElapsed());
    const int waitMs = static_cast<int>((waitNs + 999'999) / 1'000'000);
    if (!timer_.isActive() || timer_.remainingTime() > waitMs) timer_.start(waitMs);
}

void PaintPacer::releaseDue() {
    const qint64 now = clock_.nsecsElapsed();
    QList<QPointer<QWidget>> due;
    for (auto it = waiting_.begin(); it != waiting_.end();) {
        QWidget* window = it.value();
        if (window && now - windows_.value(window).lastPaintNs < frameNs(*window)) {
            ++it;
            continue;
        }
        if (window) {
            windows_[window].lastPaintNs = now;
            due.append(it.value());
        }
        it = waiting_.erase(it);
    }
    // Painting may add new waiting windows; the loop above is done with the hash by then.
    for (const QPointer<QWidget>& window : due) {
        if (!window) continue;
        QEvent request(QEvent::UpdateRequest);
        releasing_ = window;
        QCoreApplication::sendEvent(window, &request);
        releasing_ = nullptr;
    }
    if (!waiting_.isEmpty()) arm();
}

}  // namespace tess
