// Runs the mDNS responder's client library on Qt's event loop: its sockets are watched
// with QSocketNotifier and its timeouts are QTimers, all on the thread that made it.
#pragma once

#include <avahi-common/watch.h>

namespace tess {

class AvahiQtPoll {
public:
    AvahiQtPoll();
    AvahiQtPoll(const AvahiQtPoll&) = delete;
    AvahiQtPoll& operator=(const AvahiQtPoll&) = delete;

    const AvahiPoll* api() const { return &api_; }

private:
    AvahiPoll api_{};
};

}  // namespace tess
