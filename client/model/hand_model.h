// The local player's hand: up to 25 places from left to right, without gaps, each
// showing one card of the host's hand positions 1-25.
#pragma once

#include <vector>

namespace tess {

struct HandCard {
    int position;  // the host's hand position 1-25
    int card;      // 1-52
    int left;      // pixels
    int top;       // layout::handTop, or layout::raisedTop while selected
    bool operator==(const HandCard&) const = default;
};

class HandModel {
public:
    static constexpr int places = 25;

    // Puts a card into the first free place; a position already held just changes its
    // card. False when every place is taken.
    bool createcard(int position, int card);
    // Takes the card of `position` out and closes the gap; false when it is not held.
    bool remove(int position);
    // Orders the places by rank, ace first; equal ranks keep their order. Every card is
    // lowered afterwards.
    void sortthem();
    void clear() { cards_.clear(); }

    void raise(int position);
    void lower(int position);
    void lowerAll();

    // The card at `position`, or nullptr.
    const HandCard* find(int position) const;
    // In place order, which is also the drawing order: each card lies over its left
    // neighbour.
    const std::vector<HandCard>& cards() const { return cards_; }
    int size() const { return static_cast<int>(cards_.size()); }

private:
    HandCard* findMutable(int position);

    std::vector<HandCard> cards_;  // index k - 1 is place k
};

}  // namespace tess
