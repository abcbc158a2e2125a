// The numbers the protocol is built on, shared by host, engine and client.
#pragma once

namespace tess::wire {

inline constexpr int seatCount = 4;        // seats 1..4, the slots of the players
inline constexpr int slotCount = 9;        // connections 1..9; 5..9 watch
inline constexpr int handSize = 25;        // hand positions 1..25
inline constexpr int spotCount = 4;        // tab spots 1..4
inline constexpr int foundationCount = 4;  // foundations 1..4
inline constexpr int minTablePlayers = 2;  // seats that play a round, bots included
inline constexpr int maxTablePlayers = seatCount;
inline constexpr int dealSize = 7;  // cards dealt to each playing seat
inline constexpr unsigned short tablePort = 7772;

}  // namespace tess::wire
