#include "client/model/board_cursor.h"

#include <gtest/gtest.h>

#include <vector>

namespace tess {
namespace {

using Kind = BoardItem::Kind;
using Direction = BoardCursor::Direction;

struct Walk {
    const char* name;
    BoardItem from;
    int handSize;
    std::vector<Direction> steps;
    BoardItem to;
};

TEST(BoardCursor, ArrowsWalkTheBoardAsDrawnAndTheHandBeneathIt) {
    const std::vector<Walk> walks{
        {"around the pile", {Kind::pile, 0}, 7, {Direction::up}, {Kind::tab, 3}},
        {"to the top left corner",
         {Kind::pile, 0},
         7,
         {Direction::up, Direction::left},
         {Kind::foundation, 2}},
        {"to the bottom right corner",
         {Kind::pile, 0},
         7,
         {Direction::down, Direction::right},
         {Kind::foundation, 4}},
        {"left of spot 2 stays", {Kind::tab, 2}, 7, {Direction::left}, {Kind::tab, 2}},
        {"above spot 3 stays", {Kind::tab, 3}, 7, {Direction::up}, {Kind::tab, 3}},
        {"down from the bottom row into the hand",
         {Kind::tab, 1},
         7,
         {Direction::down},
         {Kind::hand, 1}},
        {"no hand to go down to", {Kind::tab, 1}, 0, {Direction::down}, {Kind::tab, 1}},
        {"along the hand, stopping at its end",
         {Kind::hand, 5},
         7,
         {Direction::right, Direction::right, Direction::right},
         {Kind::hand, 7}},
        {"up from the hand to spot 1", {Kind::hand, 4}, 7, {Direction::up}, {Kind::tab, 1}},
        {"back down to the card it left",
         {Kind::hand, 4},
         7,
         {Direction::up, Direction::down},
         {Kind::hand, 4}},
        {"a place the hand no longer has", {Kind::hand, 9}, 3, {}, {Kind::hand, 3}},
        {"an emptied hand leaves the marker on the pile", {Kind::hand, 2}, 0, {}, {Kind::pile, 0}},
    };
    for (const Walk& w : walks) {
        BoardCursor cursor;
        cursor.jump(w.from, 7);
        for (Direction d : w.steps)
            cursor.move(d, w.handSize);
        cursor.fit(w.handSize);
        EXPECT_EQ(cursor.item(), w.to) << w.name;
    }
}

}  // namespace
}  // namespace tess
