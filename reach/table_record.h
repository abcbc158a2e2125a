// What a hosted table tells the network about itself: the announcement's type and the
// text record, written by the host and read, as untrusted text, by those browsing.
#pragma once

#include <avahi-common/strlst.h>

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
// Whatever a peer put there: numbers out of range are brought into it, a name is cut to
// the length a host allows and stripped of control characters.
FoundTable readTableRecord(AvahiStringList* txt);

// The announcement's name for a host: at most one DNS label (63 bytes).
QString serviceNameFor(const QString& hostName);

}  // namespace tess
