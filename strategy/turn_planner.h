// The strong bot: plans a whole turn before it draws. It searches the orders in which
// its seat can shed cards, move piles, free tab spots and place kings, and keeps the
// sequence that leaves the best table by its Outlook; emptying the hand beats all. The
// search visits a bounded number of tables, so its thinking time is bounded too, and it
// is deterministic: the same view always gives the same plan.
#pragma once

#include <vector>

#include "strategy/outlook.h"
#include "strategy/player_view.h"

namespace tess {

struct PlanLimits {
    int maxTables = 2000;  // distinct tables the search may visit
};

// The moves to make, in order, before drawing; empty means draw at once. Every move is
// legal on the table the moves before it leave.
std::vector<BotMove> planTurn(const PlayerView& view, const PlanLimits& limits = {},
                              const OutlookWeights& weights = {});

}  // namespace tess
