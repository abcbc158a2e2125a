// One connection to the desktop's mDNS responder. It waits for a responder that is not
// running yet, and connects again when the responder goes away and comes back.
#pragma once

#include <avahi-client/client.h>

#include <QObject>
#include <QTimer>

#include "reach/avahi_qt_poll.h"

namespace tess {

class AvahiLink : public QObject {
    Q_OBJECT
public:
    enum class Trouble { none, noResponder, noBus, other };

    explicit AvahiLink(QObject* parent = nullptr);
    ~AvahiLink() override;

    // The client while the responder runs, else null.
    AvahiClient* client() const { return running_ ? client_ : nullptr; }
    Trouble trouble() const { return trouble_; }
    // The library's own words for Trouble::other.
    QString troubleText() const { return troubleText_; }

signals:
    // The responder can be used: (re)create browsers and announcements on client().
    void ready();
    // The responder cannot be used (any more): free what was made on the client now;
    // trouble() says why.
    void lost();

private:
    static void stateChanged(AvahiClient* c, AvahiClientState state, void* self);
    void connectNow();
    // Tells why, lets go of the client and tries again later.
    void fail(int error);

    AvahiQtPoll poll_;
    AvahiClient* client_ = nullptr;
    bool running_ = false;
    Trouble trouble_ = Trouble::noResponder;
    QString troubleText_;
    QTimer retry_;  // a bus that is missing now may be there later
};

}  // namespace tess
