#include "net/qt_clock.h"

namespace tess {

QtClock::QtClock() {
    since_.start();
    for (Timer t : {Timer::breaks, Timer::turn, Timer::computer}) {
        timer(t).setTimerType(Qt::PreciseTimer);
        QObject::connect(&timer(t), &QTimer::timeout, [this, t] { fire(t); });
    }
}

void QtClock::start(Timer t, int intervalMs) { timer(t).start(intervalMs); }

void QtClock::stop(Timer t) { timer(t).stop(); }

}  // namespace tess
