// What one seat may see of the table: its own hand, the tab spots, the foundations, and
// how many cards each hand holds, and the scores. Nothing else: not the other hands, not the deck.
// The strong bot plans from this alone, so it plays fair by construction, and the client can build
// the same picture from what its window knows.
#pragma once

#include <array>

#include "strategy/bot_move.h"
#include "wire/limits.h"

namespace tess {

struct PlayerView {
    int seat = 0;                                              // 1-4
    std::array<int, wire::handSize + 1> hand{};                // own hand by position, 0 empty
    std::array<int, wire::spotCount + 1> tabFirst{};           // bottom card, 0 empty
    std::array<int, wire::spotCount + 1> tabLast{};            // top card (the first when alone)
    std::array<int, wire::foundationCount + 1> foundations{};  // top card, 0 empty
    std::array<int, wire::seatCount + 1> cardsHeld{};          // per seat
    std::array<bool, wire::seatCount + 1> playing{};           // takes part in this round
    std::array<int, wire::seatCount + 1> scores{};             // per seat, this game

    int handCount() const;
    bool operator==(const PlayerView&) const = default;
};

// Whether the move may be made on this table (the host's rules, including its refusals
// of a card or pile onto a king on a tab spot).
bool legalMove(const PlayerView& view, const BotMove& move);
// The view after the seat made a legal move.
PlayerView afterMove(const PlayerView& view, const BotMove& move);

}  // namespace tess
