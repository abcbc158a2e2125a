#include "client/model/board_cursor.h"

#include <algorithm>
#include <array>

namespace tess {

namespace {

using Kind = BoardItem::Kind;

// The board as drawn: foundation 2, spot 3, foundation 3 on top; spot 2, the pile and
// spot 4 in the middle; foundation 1, spot 1, foundation 4 at the bottom.
constexpr int rows = 3, columns = 3;
constexpr std::array<std::array<BoardItem, columns>, rows> grid{{
    {{{Kind::foundation, 2}, {Kind::tab, 3}, {Kind::foundation, 3}}},
    {{{Kind::tab, 2}, {Kind::pile, 0}, {Kind::tab, 4}}},
    {{{Kind::foundation, 1}, {Kind::tab, 1}, {Kind::foundation, 4}}},
}};

struct Cell {
    int row;
    int column;
};

Cell cellOf(const BoardItem& item) {
    for (int r = 0; r < rows; ++r)
        for (int c = 0; c < columns; ++c)
            if (grid[r][c] == item) return {r, c};
    return {1, 1};
}

}  // namespace

void BoardCursor::fit(int handSize) {
    if (item_.kind != Kind::hand) return;
    if (handSize <= 0) {
        item_ = {Kind::pile, 0};
        return;
    }
    item_.number = std::clamp(item_.number, 1, handSize);
    handPlace_ = item_.number;
}

void BoardCursor::jump(BoardItem item, int handSize) {
    item_ = item;
    fit(handSize);
}

void BoardCursor::move(Direction direction, int handSize) {
    fit(handSize);
    if (item_.kind == Kind::hand) {
        switch (direction) {
            case Direction::left:
                item_.number = std::max(1, item_.number - 1);
                break;
            case Direction::right:
                item_.number = std::min(handSize, item_.number + 1);
                break;
            case Direction::up:
                handPlace_ = item_.number;
                item_ = grid[rows - 1][1];
                return;
            case Direction::down:
                break;
        }
        handPlace_ = item_.number;
        return;
    }
    Cell cell = cellOf(item_);
    switch (direction) {
        case Direction::left:
            cell.column = std::max(0, cell.column - 1);
            break;
        case Direction::right:
            cell.column = std::min(columns - 1, cell.column + 1);
            break;
        case Direction::up:
            cell.row = std::max(0, cell.row - 1);
            break;
        case Direction::down:
            if (cell.row == rows - 1) {
                if (handSize > 0) item_ = {Kind::hand, std::min(handPlace_, handSize)};
                return;
            }
            ++cell.row;
            break;
    }
    item_ = grid[cell.row][cell.column];
}

}  // namespace tess
