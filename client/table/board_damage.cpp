#include "client/table/board_damage.h"

#include <algorithm>

#include "assets/pictures/pictures.h"
#include "client/model/table_layout.h"
#include "client/model/table_model.h"

namespace tess {

namespace {

QRect cardAt(layout::Point p) { return {p.left, p.top, layout::cardWidth, layout::cardHeight}; }
QRect pictureAt(layout::Point p, QSize size) { return {QPoint(p.left, p.top), size}; }

// Adds the piece's rectangle where `was` and `is` differ.
template <typename T>
void ifChanged(std::vector<BoardDamage::Area>& out, const T& was, const T& is, const QRect& where) {
    if (!(was == is)) out.push_back({where});
}

}  // namespace

BoardDamage BoardDamage::of(const TableModel& model, const std::vector<QRect>& hand) {
    BoardDamage d;
    for (int spot = 1; spot <= wire::spotCount; ++spot) {
        d.tabFirst_[spot - 1] = model.tab(spot).first;
        d.tabTop_[spot - 1] = model.tab(spot).top;
    }
    for (int f = 1; f <= wire::foundationCount; ++f)
        d.foundations_[f - 1] = model.foundation(f);
    d.pileShown_ = !model.drawPileEmpty();
    if (model.input().highlightVisible()) {
        const layout::Rect& r = model.input().highlight();
        d.highlight_ = QRect(r.left, r.top, r.width, r.height);
    }
    const auto& cards = model.hand().cards();
    for (std::size_t i = 0; i < cards.size() && i < hand.size(); ++i)
        d.hand_.push_back({cards[i].card, hand[i]});
    for (int position = 1; position <= wire::seatCount; ++position) {
        const SeatView& seat = model.atPosition(position);
        d.seats_[position - 1] = {seat.fanBacks, seat.turn, seat.eyes, seat.notPlaying,
                                  seat.winner};
    }
    d.barWidth_ = model.countdown().barWidth();
    d.barLate_ = model.countdown().white();
    return d;
}

std::vector<BoardDamage::Area> BoardDamage::changedSince(const BoardDamage& before) const {
    std::vector<Area> out;
    for (int i = 0; i < wire::spotCount; ++i) {
        ifChanged(out, before.tabFirst_[i], tabFirst_[i], cardAt(layout::tabFirst[i]));
        ifChanged(out, before.tabTop_[i], tabTop_[i], cardAt(layout::tabTop[i]));
    }
    for (int i = 0; i < wire::foundationCount; ++i)
        ifChanged(out, before.foundations_[i], foundations_[i], cardAt(layout::foundation[i]));
    ifChanged(out, before.pileShown_, pileShown_, cardAt(layout::topcard));
    if (before.highlight_ != highlight_) {
        if (!before.highlight_.isEmpty()) out.push_back({before.highlight_});
        if (!highlight_.isEmpty()) out.push_back({highlight_});
    }
    // A hand card that moved, left or came: where it was and where it is.
    for (const HandPiece& c : before.hand_)
        if (std::find(hand_.begin(), hand_.end(), c) == hand_.end()) out.push_back({c.at});
    for (const HandPiece& c : hand_)
        if (std::find(before.hand_.begin(), before.hand_.end(), c) == before.hand_.end())
            out.push_back({c.at});
    for (int i = 0; i < wire::seatCount; ++i) {
        const Seat& was = before.seats_[i];
        const Seat& is = seats_[i];
        const layout::SeatPlace& place = layout::seatPlaces[i];
        const int fan = std::max(was.fanBacks, is.fanBacks);
        if (was.fanBacks != is.fanBacks && fan > 0)
            out.push_back({pictureAt(place.hand, pictures::handFanSize(fan))});
        ifChanged(out, was.turn, is.turn, pictureAt(place.turn, pictures::turnArrowSize));
        ifChanged(out, was.eyes, is.eyes, pictureAt(place.eyes, pictures::eyesSize));
        ifChanged(out, was.notPlaying, is.notPlaying,
                  pictureAt(place.playing, pictures::notPlayingSize));
        ifChanged(out, was.winner, is.winner, pictureAt(place.winner, pictures::winnerSize));
    }
    if (before.barWidth_ != barWidth_ || before.barLate_ != barLate_)
        out.push_back({QRect(layout::timerBar.left, layout::timerBar.top, layout::timerBar.width,
                             layout::timerBar.height),
                       true});
    return out;
}

}  // namespace tess
