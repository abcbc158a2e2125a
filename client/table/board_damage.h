// What the board last drew from the table model, piece by piece, so that a change
// repaints only the pieces it touched: the card that left, the pile it joined, a seat's
// fan, the countdown bar. Rectangles are in the board's design units.
#pragma once

#include <QRect>
#include <array>
#include <vector>

#include "wire/limits.h"

namespace tess {

class TableModel;

class BoardDamage {
public:
    // The pieces as the model shows them now, the hand's cards at `hand` (design units,
    // in place order).
    static BoardDamage of(const TableModel& model, const std::vector<QRect>& hand);
    // A piece's place in design units. Pictures stand on whole pixels and cover their
    // scaled place exactly; what is drawn smoothed in design units may touch a pixel more.
    struct Area {
        QRect rect;
        bool smoothed = false;
    };
    // Where the board looks different from `before`: every piece that changed, at its
    // old place and at its new one.
    std::vector<Area> changedSince(const BoardDamage& before) const;

private:
    struct Seat {
        int fanBacks = 0;
        bool turn = false, eyes = false, notPlaying = false, winner = false;
        bool operator==(const Seat&) const = default;
    };
    std::array<int, wire::spotCount> tabFirst_{}, tabTop_{};
    std::array<int, wire::foundationCount> foundations_{};
    bool pileShown_ = false;
    QRect highlight_;  // empty while no selection frame shows
    struct HandPiece {
        int card = 0;
        QRect at;
        bool operator==(const HandPiece&) const = default;
    };
    std::vector<HandPiece> hand_;
    std::array<Seat, wire::seatCount> seats_{};
    int barWidth_ = -1;
    bool barLate_ = false;
};

}  // namespace tess
