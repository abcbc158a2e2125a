#include "social/player_requests.h"

#include "wire/limits.h"
#include "wire/requests.h"

namespace tess {

namespace {

bool isConnected(const LinkState& link) { return link.connected && link.connected(); }

}  // namespace

std::string kicking(const LinkState& link, bool hosting, int slot) {
    if (!hosting || !isConnected(link) || !link.mySlot) return {};
    if (slot < 1 || slot > wire::slotCount) return {};
    return wire::lineOf(wire::KickHim{link.mySlot(), slot});
}

std::string justwatchRequest(const LinkState& link, int seat, bool watch) {
    if (!isConnected(link) || seat < 1 || seat > wire::seatCount) return {};
    return wire::lineOf(wire::JustWatch{seat, watch ? 1 : 2});
}

}  // namespace tess
