// What a hosted table tells the network about itself: the announcement's type and the
// text record, written by the host and read, as untrusted text, by those browsing.
#pragma once

#include <avahi-common/strlst.h>

#include <QHostAddress>
#include <QString>

#include "reach/table_browser.h"

namespace tess {

inline constexpr const char* tableServiceType = "_tessarine._tcp";

struct AnnouncedTable {
    QString hostName;
    int seated = 0;
    int tableSize = 2;
    int spectators = 0;
    bool playing = false;

    bool operator==(const AnnouncedTable&) const = default;
};

// host=, seated=, size=, spectators=, state=waiting|playing, protocol=. The caller frees
// the list.
AvahiStringList* tableRecord(const AnnouncedTable& table);
// Whatever a peer put there: numbers out of range are brought into it, a name is cleaned
// as a name from the wire is (no control, bidirectional or zero-width characters) and
// cut to the length a host allows.
FoundTable readTableRecord(AvahiStringList* txt);

// The announcement's name for a host: at most one DNS label (63 bytes).
QString serviceNameFor(const QString& hostName);

// Whether an address announced by others can be joined: a unicast address, not this
// computer's own loopback unless announced on the loopback itself.
bool joinableAnnouncedAddress(const QString& address, bool onLoopback);

}  // namespace tess
