// The hint: the move the strong bot would make for the local player now. It is worked
// out from what this window knows (the own hand, the table, the other hands' card
// counts and the scores) and nothing is sent.
#pragma once

#include <optional>

#include "client/model/board_cursor.h"
#include "strategy/player_view.h"

namespace tess {

class TableModel;

struct Hint {
    BoardItem from;               // the card or pile to take; the draw pile for a draw
    std::optional<BoardItem> to;  // where it goes; nothing for a draw
    bool operator==(const Hint&) const = default;
};

// The local player's view of the table.
PlayerView playerView(const TableModel& model);
// Nothing unless the local player may move now: not while just watching, never for a
// spectator.
std::optional<Hint> findHint(const TableModel& model);

}  // namespace tess
