#include "reach/avahi_link.h"

#include <avahi-common/error.h>

#include <QLoggingCategory>

Q_LOGGING_CATEGORY(lcMdns, "tessarine.mdns")

namespace tess {

namespace {
constexpr int retryMs = 5000;
}

AvahiLink::AvahiLink(QObject* parent) : QObject(parent) {
    retry_.setSingleShot(true);
    retry_.setInterval(retryMs);
    connect(&retry_, &QTimer::timeout, this, &AvahiLink::connectNow);
    // From the event loop: whoever made this link connects to its signals first.
    QTimer::singleShot(0, this, &AvahiLink::connectNow);
}

AvahiLink::~AvahiLink() {
    running_ = false;
    if (client_) avahi_client_free(client_);
}

void AvahiLink::connectNow() {
    if (client_) return;
    int error = 0;
    // Without a responder the client waits for one instead of failing.
    AvahiClient* c =
        avahi_client_new(poll_.api(), AVAHI_CLIENT_NO_FAIL, &AvahiLink::stateChanged, this, &error);
    if (c == nullptr) {
        // Told to wait for a missing responder, the library fails only when it cannot
        // reach the system bus at all (it then says "Daemon not running" too).
        fail(error == AVAHI_ERR_NO_DAEMON ? AVAHI_ERR_DBUS_ERROR : error);
        return;
    }
    client_ = c;
}

void AvahiLink::stateChanged(AvahiClient* c, AvahiClientState state, void* self) {
    auto* link = static_cast<AvahiLink*>(self);
    switch (state) {
        case AVAHI_CLIENT_S_RUNNING:
            // Called first from inside avahi_client_new(), before client_ is set.
            link->client_ = c;
            if (!link->running_) {
                link->running_ = true;
                link->trouble_ = Trouble::none;
                emit link->ready();
            }
            break;
        case AVAHI_CLIENT_CONNECTING:
            // Also when there never was one: the waiting is worth telling.
            link->trouble_ = Trouble::noResponder;
            link->running_ = false;
            emit link->lost();
            break;
        case AVAHI_CLIENT_FAILURE: {
            const int error = avahi_client_errno(c);
            qCInfo(lcMdns) << "The mDNS responder's client failed:" << avahi_strerror(error);
            // Not from inside the library's own call: free the client from the loop.
            QTimer::singleShot(0, link, [link, error] { link->fail(error); });
            break;
        }
        case AVAHI_CLIENT_S_REGISTERING:
        case AVAHI_CLIENT_S_COLLISION:
            break;
    }
}

// Those who made objects on the client free them on lost(), before the client goes.
void AvahiLink::fail(int error) {
    if (error == AVAHI_ERR_NO_DAEMON || error == AVAHI_ERR_DISCONNECTED) {
        trouble_ = Trouble::noResponder;
    } else if (error == AVAHI_ERR_DBUS_ERROR) {
        trouble_ = Trouble::noBus;
    } else {
        trouble_ = Trouble::other;
        troubleText_ = QString::fromUtf8(avahi_strerror(error));
    }
    running_ = false;
    emit lost();
    if (client_) avahi_client_free(client_);
    client_ = nullptr;
    retry_.start();
}

}  // namespace tess
