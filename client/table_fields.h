// Range rules for the numbers the host announces; shared by the table's handlers.
#pragma once

#include <string_view>

#include "wire/cards.h"
#include "wire/fields.h"

namespace tess::table_fields {

inline constexpr int seats = 4;
inline constexpr int handPositions = 25;
inline constexpr int spots = 4;
inline constexpr int lastCard = 52;
inline constexpr int deckCards = 52;

inline bool within(int value, int low, int high) { return value >= low && value <= high; }
inline bool isSeat(int v) { return within(v, 1, seats); }
inline bool isSpot(int v) { return within(v, 1, spots); }
inline bool isPosition(int v) { return within(v, 1, handPositions); }
// A card 1-52 is tess::isCard; 0 means none.
inline bool isCardOrNone(int v) { return within(v, 0, lastCard); }
inline bool isHandCount(int v) { return within(v, 0, handPositions); }
// Scores, pots and seconds are never negative.
inline bool isAmount(int v) { return v >= 0; }
// A "t"/"f" marker: 1 for "t", 0 for "f", -1 for anything else.
inline int flag(std::string_view text) { return text == "t" ? 1 : text == "f" ? 0 : -1; }

}  // namespace tess::table_fields
