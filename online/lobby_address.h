// Whether an address a host sent in answer to a join request may be used: only a global
// unicast address and the table's own port. Anything else (this computer, a private or
// link-local network, multicast, documentation ranges, another port) could point a
// player's program at something that is not a table on the internet.
#pragma once

#include <QString>
#include <optional>

namespace tess {

// The reason for refusing `address` and `port`, or nothing when they may be used. IPv4 is
// four decimal parts without leading zeros; IPv6 in its usual text form.
std::optional<QString> refuseLobbyAddress(const QString& address, int port);

}  // namespace tess
