// The requests the hosting user makes about other players: removing one from the game
// and switching a seat to or from just watching.
#pragma once

#include <functional>
#include <string>

namespace tess {

// What a request needs to know of the client's own connection, read when it is made.
struct LinkState {
    std::function<bool()> connected;
    std::function<int()> mySlot;
};

// "CMD_kickhim+" my slot "+" slot "+" (without its terminator) when the user hosts, is
// connected and `slot` is a connection's slot 1-9; otherwise empty: nothing is sent.
std::string kicking(const LinkState& link, bool hosting, int slot);

// "CMD_justwatch+" seat "+1" to watch, "+2" to play again, when connected and `seat` is
// 1-4; otherwise empty.
std::string justwatchRequest(const LinkState& link, int seat, bool watch);

}  // namespace tess
