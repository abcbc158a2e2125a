// The host's game state: fixed-size tables, cleared and refilled for every round.
// Seats, hand positions, tab spots, foundations and deck positions are numbered from 1,
// so index 0 of each table is unused.
#pragma once

#include <array>
#include <cstdint>

#include "wire/cards.h"
#include "wire/limits.h"

namespace tess {

using wire::handSize;
using wire::seatCount;
using wire::spotCount;
// A tab pile is a lone king or a run from queen down to ace, so 12 cards at most.
inline constexpr int pileCapacity = 14;
// How many seats play each round: seat 2 always, bots fill empty seats up to this.
using wire::maxTablePlayers;
using wire::minTablePlayers;

struct SeatState {
    bool justWatching = false;
    bool playing = false;  // takes part in the current round
    std::int32_t score = 0;
    std::array<int, handSize + 1> hand{};

    int cardsHeld() const;
    // The lowest-numbered empty hand position, 0 when the hand is full.
    int lowestEmpty() const;
    void clearHand() { hand.fill(0); }
};

struct Pile {
    std::array<int, pileCapacity + 1> cards{};
    int count = 0;

    int first() const { return count > 0 ? cards[1] : 0; }
    int top() const { return count > 0 ? cards[count] : 0; }
    // False (and nothing changes) when the pile has no room left.
    bool push(int card);
    void clear();
};

enum class BreakKind { none = 0, nextTurn = 1, newRound = 2 };

struct TableState {
    std::array<int, deckSize + 1> deck{};
    int cardsTaken = 0;  // draw attempts since the shuffle; keeps counting past 52

    std::array<SeatState, seatCount + 1> seats{};
    std::array<Pile, spotCount + 1> tabs{};
    std::array<int, spotCount + 1> foundations{};  // top card only

    std::int32_t pot = 0;
    int currentSeat = 0;
    bool movedThisTurn = false;
    long long turnCountdown = 0;  // time per turn + 4 may exceed 32 bits' worth
    int round = 0;
    bool inProgress = false;

    bool inBreak = false;
    BreakKind breakKind = BreakKind::none;
    int breakCountdown = 0;

    int playToScore = 0;
    int timePerTurn = 0;
    int tablePlayers = minTablePlayers;
};

}  // namespace tess
