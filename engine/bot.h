// The classic bot's strategy: a pure function of the table. The engine adds the timing and
// makes the chosen move through the same handlers a client's request reaches.
#pragma once

#include <optional>

#include "engine/table.h"
#include "strategy/bot_move.h"

namespace tess {

// The move the bot of `seat` makes next, or nothing when it should draw. Tries, in
// order: kings to empty foundations (hand first, then tab spots), hand cards onto tab
// spots, a hand card onto an empty tab spot, piles onto other piles, hand cards onto
// foundations, piles onto foundations.
std::optional<BotMove> chooseBotMove(const TableState& table, int seat);

}  // namespace tess
