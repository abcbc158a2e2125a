// Where the user's hand stands on the board. On the smallest board the cards stand
// where the hand model puts them, 18 units apart, each over its left neighbour. A larger
// board spreads them along the hand's row, from the same left edge, as far as the row
// has room: up to side by side with a small gap between them. Painting, hit-testing,
// the keyboard marker, the accessible rectangles and the repainted regions all take the
// cards' places from here.
#pragma once

#include <QRect>
#include <vector>

#include "client/model/hand_model.h"

namespace tess::handSpread {

// The row runs from the first card's left edge to the seats' column's right edge.
inline constexpr int rowLeft = 10;
inline constexpr int rowRight = 462;
// Between two cards that no longer overlap.
inline constexpr int gap = 4;
// The board's scale from which the hand spreads as far as the row allows.
inline constexpr double fullFrom = 1.25;

// How far the hand spreads at the board's `scale`: 0 on the smallest board (the model's
// places, exactly), growing to 1 at `fullFrom` and beyond.
double amountAt(double scale);
// Each card's rectangle in design units, in place order.
std::vector<QRect> rects(const std::vector<HandCard>& cards, double amount);

}  // namespace tess::handSpread
