#include "social/player_requests.h"

#include "wire/commands.h"
#include "wire/message.h"

namespace tess {

namespace {

constexpr int seatcount = 4, slotcount = 9;

bool isConnected(const LinkState& link) { return link.connected && link.connected(); }

std::string withoutTerminator(std::string line) {
    line.pop_back();
    return line;
}

}  // namespace

std::string kicking(const LinkState& link, bool hosting, int slot) {
    if (!hosting || !isConnected(link) || !link.mySlot) return {};
    if (slot < 1 || slot > slotcount) return {};
    return withoutTerminator(
        wire::Message(cmd::kickhim).add(link.mySlot()).add(slot).endWithPlus());
}

std::string justwatchRequest(const LinkState& link, int seat, bool watch) {
    if (!isConnected(link) || seat < 1 || seat > seatcount) return {};
    return withoutTerminator(wire::Message(cmd::justwatch).add(seat).add(watch ? 1 : 2).end());
}

}  // namespace tess
