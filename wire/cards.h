// Card encoding: 1..52 in four blocks of 13 (ace first, king last), 0 for no card.
#pragma once

namespace tess {

inline constexpr int deckSize = 52;

// 1..13 within a block: ace 1, king 13.
constexpr int rank(int card) {
    const int r = card % 13;
    return r == 0 ? 13 : r;
}

// Colour: 1 for the first and third block, 2 for the second and fourth.
constexpr int getsuit(int card) { return ((card - 1) / 13) % 2 == 0 ? 1 : 2; }

constexpr bool isCard(int card) { return card >= 1 && card <= 52; }
constexpr bool isKing(int card) { return isCard(card) && card % 13 == 0; }
constexpr bool isAce(int card) { return isCard(card) && card % 13 == 1; }

// Whether `card` may be placed on `target`: one rank lower and of the other colour.
constexpr bool fitsOn(int card, int target) {
    return isCard(card) && isCard(target) && getsuit(card) != getsuit(target) &&
           rank(card) == rank(target) - 1;
}

}  // namespace tess
