// Where the keyboard points on the table: one of the board's nine places (the draw
// pile in the middle, tab spots beside it, foundations in the corners) or a card of the
// local hand beneath them. The arrow keys walk the board as it is drawn, three rows of
// three with the hand as a fourth row.
#pragma once

namespace tess {

struct BoardItem {
    enum class Kind { hand, tab, foundation, pile };
    Kind kind = Kind::hand;
    int number = 1;  // a hand place 1-25 (left to right), a tab spot or foundation 1-4
    bool operator==(const BoardItem&) const = default;
};

class BoardCursor {
public:
    enum class Direction { left, right, up, down };

    const BoardItem& item() const { return item_; }
    // One step; the hand holds `handSize` cards. Steps off the board's edge stay put.
    void move(Direction direction, int handSize);
    // Straight to an item (a hand place is fitted to the hand).
    void jump(BoardItem item, int handSize);
    // A hand place beyond the hand moves to its last card, or to the draw pile when the
    // hand is empty.
    void fit(int handSize);

private:
    BoardItem item_;
    int handPlace_ = 1;  // the hand place to come back to from the board
};

}  // namespace tess
