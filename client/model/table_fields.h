// Range rules for the numbers the host announces; shared by the table's handlers.
#pragma once

#include <string_view>

#include "wire/cards.h"
#include "wire/fields.h"
#include "wire/limits.h"

namespace tess::table_fields {

inline bool within(int value, int low, int high) { return value >= low && value <= high; }
inline bool isSeat(int v) { return within(v, 1, wire::seatCount); }
inline bool isSpot(int v) { return within(v, 1, wire::spotCount); }
inline bool isPosition(int v) { return within(v, 1, wire::handSize); }
// A card 1-52 is tess::isCard; 0 means none.
inline bool isCardOrNone(int v) { return within(v, 0, deckSize); }
inline bool isHandCount(int v) { return within(v, 0, wire::handSize); }
// Scores, pots and seconds are never negative.
inline bool isAmount(int v) { return v >= 0; }
// A "t"/"f" marker: 1 for "t", 0 for "f", -1 for anything else.
inline int flag(std::string_view text) { return text == "t" ? 1 : text == "f" ? 0 : -1; }

}  // namespace tess::table_fields
