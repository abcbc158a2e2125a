#include "reach/avahi_qt_poll.h"

#include <avahi-common/timeval.h>

#include <QSocketNotifier>
#include <QTimer>
#include <algorithm>
#include <limits>

// The library's opaque handles; the global names are the ones its header declares.
struct AvahiWatch {
    int fd = -1;
    AvahiWatchEvent events = static_cast<AvahiWatchEvent>(0);
    AvahiWatchCallback callback = nullptr;
    void* userdata = nullptr;
    QSocketNotifier* read = nullptr;
    QSocketNotifier* write = nullptr;
};

struct AvahiTimeout {
    AvahiTimeoutCallback callback = nullptr;
    void* userdata = nullptr;
    QTimer* timer = nullptr;
};

namespace tess {

namespace {

void applyEvents(AvahiWatch* w) {
    w->read->setEnabled(w->events & AVAHI_WATCH_IN);
    w->write->setEnabled(w->events & AVAHI_WATCH_OUT);
}

// The callback may free the watch: nothing touches it afterwards.
void fire(AvahiWatch* w, AvahiWatchEvent event) { w->callback(w, w->fd, event, w->userdata); }

AvahiWatch* watchNew(const AvahiPoll*, int fd, AvahiWatchEvent events, AvahiWatchCallback callback,
                     void* userdata) {
    auto* w = new AvahiWatch;
    w->fd = fd;
    w->events = events;
    w->callback = callback;
    w->userdata = userdata;
    w->read = new QSocketNotifier(fd, QSocketNotifier::Read);
    w->write = new QSocketNotifier(fd, QSocketNotifier::Write);
    QObject::connect(w->read, &QSocketNotifier::activated, w->read,
                     [w] { fire(w, AVAHI_WATCH_IN); });
    QObject::connect(w->write, &QSocketNotifier::activated, w->write,
                     [w] { fire(w, AVAHI_WATCH_OUT); });
    applyEvents(w);
    return w;
}

void watchUpdate(AvahiWatch* w, AvahiWatchEvent events) {
    w->events = events;
    applyEvents(w);
}

AvahiWatchEvent watchGetEvents(AvahiWatch*) {
    // Events are handed to the callback as they come; none are kept back.
    return static_cast<AvahiWatchEvent>(0);
}

void watchFree(AvahiWatch* w) {
    // Possibly from inside the notifier's own signal: it goes once that has returned.
    for (QSocketNotifier* n : {w->read, w->write}) {
        n->setEnabled(false);
        n->disconnect();
        n->deleteLater();
    }
    delete w;
}

void arm(AvahiTimeout* t, const struct timeval* tv) {
    if (tv == nullptr) {
        t->timer->stop();
        return;
    }
    // `tv` is a point in time; a negative age lies in the future.
    const AvahiUsec wait = -avahi_age(tv);
    const long long ms =
        std::clamp<long long>((wait + 999) / 1000, 0, std::numeric_limits<int>::max());
    t->timer->start(static_cast<int>(ms));
}

AvahiTimeout* timeoutNew(const AvahiPoll*, const struct timeval* tv, AvahiTimeoutCallback callback,
                         void* userdata) {
    auto* t = new AvahiTimeout;
    t->callback = callback;
    t->userdata = userdata;
    t->timer = new QTimer;
    t->timer->setSingleShot(true);
    t->timer->setTimerType(Qt::PreciseTimer);
    QObject::connect(t->timer, &QTimer::timeout, t->timer, [t] { t->callback(t, t->userdata); });
    arm(t, tv);
    return t;
}

void timeoutUpdate(AvahiTimeout* t, const struct timeval* tv) { arm(t, tv); }

void timeoutFree(AvahiTimeout* t) {
    t->timer->stop();
    t->timer->disconnect();
    t->timer->deleteLater();
    delete t;
}

}  // namespace

AvahiQtPoll::AvahiQtPoll() {
    api_.userdata = this;
    api_.watch_new = watchNew;
    api_.watch_update = watchUpdate;
    api_.watch_get_events = watchGetEvents;
    api_.watch_free = watchFree;
    api_.timeout_new = timeoutNew;
    api_.timeout_update = timeoutUpdate;
    api_.timeout_free = timeoutFree;
}

}  // namespace tess
