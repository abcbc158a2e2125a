#include "engine/strong_bot.h"

#include "strategy/turn_planner.h"

namespace tess {

PlayerView viewFor(const TableState& t, int seat) {
    PlayerView v;
    v.seat = seat;
    if (seat >= 1 && seat <= seatCount) v.hand = t.seats[seat].hand;
    for (int spot = 1; spot <= spotCount; ++spot) {
        v.tabFirst[spot] = t.tabs[spot].first();
        v.tabLast[spot] = t.tabs[spot].top();
        v.foundations[spot] = t.foundations[spot];
    }
    for (int n = 1; n <= seatCount; ++n) {
        v.cardsHeld[n] = t.seats[n].cardsHeld();
        v.playing[n] = t.seats[n].playing;
        v.scores[n] = t.seats[n].score;
    }
    return v;
}

std::optional<BotMove> StrongSeats::next(const TableState& table, int seat) {
    if (seat < 1 || seat > seatCount) return std::nullopt;
    const PlayerView view = viewFor(table, seat);
    Plan& plan = plans_[seat];
    const bool onPlan = plan.valid && plan.expected == view && plan.done < plan.moves.size() &&
                        legalMove(view, plan.moves[plan.done]);
    const bool drawNow = plan.valid && plan.expected == view && plan.done == plan.moves.size();
    if (drawNow) {
        plan.valid = false;
        return std::nullopt;
    }
    if (!onPlan) {
        plan.moves = planTurn(view);
        plan.done = 0;
        plan.valid = true;
        if (plan.moves.empty()) {
            plan.valid = false;
            return std::nullopt;
        }
    }
    const BotMove move = plan.moves[plan.done++];
    plan.expected = afterMove(view, move);
    return move;
}

}  // namespace tess
