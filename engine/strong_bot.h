// The strong bot's seat adapter. It shows the planner only what the seat may see, plans
// a turn once and hands its moves out one bot step at a time; when the table is not the
// one its plan expected (a turn begun, a player who came back and moved), it plans anew.
#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <vector>

#include "engine/table.h"
#include "strategy/player_view.h"

namespace tess {

// The seat's own hand, the table and every hand's card count; nothing more.
PlayerView viewFor(const TableState& table, int seat);

class StrongSeats {
public:
    // The next move of the seat's plan, or nothing when it should draw.
    std::optional<BotMove> next(const TableState& table, int seat);

private:
    struct Plan {
        std::vector<BotMove> moves;
        std::size_t done = 0;
        PlayerView expected;  // the view the next step should find
        bool valid = false;
    };
    std::array<Plan, seatCount + 1> plans_{};
};

}  // namespace tess
