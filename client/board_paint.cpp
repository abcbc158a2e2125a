// Drawing the table: the felt, the cards on the board, the seats' pictures, the time
// bar and the local hand, all from the table model.
#include <QPaintEvent>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <QRegion>
#include <algorithm>

#include "assets/pictures/pictures.h"
#include "client/board_view.h"
#include "client/model/table_model.h"

namespace tess {

namespace {

QPoint at(layout::Point p) { return {p.left, p.top}; }
QRect cardAt(layout::Point p) { return {p.left, p.top, layout::cardWidth, layout::cardHeight}; }
QRect rectOf(layout::Rect r) { return {r.left, r.top, r.width, r.height}; }

// The tab spots (either card), the foundations, the draw pile and every selection frame.
QRect boardPiecesArea() {
    QRect r = cardAt(layout::topcard);
    for (int i = 0; i < wire::spotCount; ++i) {
        r |= cardAt(layout::tabFirst[i]) | cardAt(layout::tabTop[i]);
        r |= rectOf(layout::highlight(i + 1, false)) | rectOf(layout::highlight(i + 1, true));
    }
    for (const layout::Point& f : layout::foundation)
        r |= cardAt(f);
    return r;
}

// Every place of the local hand, raised or not, sorted or not.
QRect handArea() {
    const int left = std::min(layout::handLeft(1), layout::sortedLeft(1));
    const int right = layout::handLeft(HandModel::places) + layout::cardWidth;
    return {left, layout::raisedTop, right - left,
            layout::handTop + layout::cardHeight - layout::raisedTop};
}

// A seat's pictures at one screen position: the widest fan, arrow, eyes, banners.
QRect seatPicturesArea(const layout::SeatPlace& place) {
    return QRect(at(place.hand), pictures::handFanSize(pictures::maxFanCount)) |
           QRect(at(place.turn), pictures::turnArrowSize) |
           QRect(at(place.eyes), pictures::eyesSize) |
           QRect(at(place.playing), pictures::notPlayingSize) |
           QRect(at(place.winner), pictures::winnerSize);
}

}  // namespace

QRegion BoardView::paintedRegion(unsigned areas) const {
    QRegion design;
    if (areas & (areaBoard | areaSelection)) design += boardPiecesArea();
    if (areas & areaHand) design += handArea();
    if (areas & areaSeats)
        for (const layout::SeatPlace& place : layout::seatPlaces)
            design += seatPicturesArea(place);
    if (areas & areaCountdown) design += rectOf(layout::timerBar);
    QRegion painted;
    for (const QRect& r : design)
        painted += scaledArea(r);
    return painted;
}

// A pixel more on each side for smoothed edges at a fractional scale.
QRect BoardView::scaledArea(const QRect& design) const {
    return scaled(design).adjusted(-1, -1, 1, 1);
}

void BoardView::paintEvent(QPaintEvent* event) {
    QPainter p(this);
    // The felt and its boxes change only with the size: drawn once, then copied where
    // the board is repainted.
    const qreal ratio = devicePixelRatioF();
    if (felt_.size() != size() * ratio || felt_.devicePixelRatio() != ratio) {
        felt_ = QPixmap(size() * ratio);
        felt_.setDevicePixelRatio(ratio);
        QPainter f(&felt_);
        f.setRenderHint(QPainter::Antialiasing);
        f.scale(scale_, scale_);
        paintFelt(f);
    }
    p.drawPixmap(0, 0, felt_);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    // Everything below is in design units; pictures are drawn for the scaled size. Only
    // the pieces the repainted region reaches: drawing clipped away is not free.
    p.scale(scale_, scale_);
    const QRegion& dirty = event->region();
    if (dirty.intersects(paintedRegion(areaBoard))) paintBoardCards(p);
    for (int position = 1; position <= wire::seatCount; ++position)
        if (dirty.intersects(scaledArea(seatPicturesArea(layout::seatPlaces[position - 1]))))
            paintSeat(p, position);
    if (dirty.intersects(paintedRegion(areaCountdown))) paintCountdown(p);
    if (dirty.intersects(paintedRegion(areaHand))) paintHand(p);
    if (hint_) paintHint(p);
    if (markerShown()) paintFocus(p);
    if (hasFocus()) paintKeyBadges(p);
}

void BoardView::paintFelt(QPainter& p) {
    // A wooden rim around green felt, lit from the middle of the play area.
    const QSizeF whole = QSizeF(size()) / scale_;
    const QSizeF felt = QSizeF(boardSize) + QSizeF(spare()) / scale_;
    pictures::paintFelt(p, QRectF(QPointF(0, 0), whole), QRectF(QPointF(2, 2), felt));

    // The seats' column and the pot's box with its caption.
    p.setPen(QPen(QColor(255, 255, 255, 40), 1));
    p.setBrush(QColor(0, 0, 0, 28));
    p.drawRoundedRect(QRectF(268, 40, 194, 384), 10, 10);
    p.setPen(QPen(QColor(196, 160, 84), 1.5));
    p.setBrush(QColor(10, 90, 40));
    p.drawRoundedRect(QRectF(162, 330, 92, 70), 8, 8);
    p.setPen(QColor(244, 230, 180));
    QFont caption(QStringLiteral("Arial"));
    caption.setPixelSize(10);
    caption.setBold(true);
    p.setFont(caption);
    p.drawText(QRectF(162, 384, 92, 14), Qt::AlignCenter, tr("POT SCORE"));
}

void BoardView::paintBoardCards(QPainter& p) {
    const qreal ratio = devicePixelRatioF() * scale_;
    // The fixed markers beneath the tab spots and the draw pile show when they empty.
    for (const layout::Point& spot : layout::tabFirst)
        p.drawPixmap(at(spot), pictures::card(layout::pictureEmptyTab, ratio));
    p.drawPixmap(at(layout::topcard), pictures::card(layout::pictureEmptyPile, ratio));
    if (!model_.drawPileEmpty())
        p.drawPixmap(at(layout::topcard), pictures::card(layout::pictureBack, ratio));
    for (int spot = 1; spot <= wire::spotCount; ++spot) {
        const TabSpotView& tab = model_.tab(spot);
        if (tab.first != 0)
            p.drawPixmap(at(layout::tabFirst[spot - 1]), pictures::card(tab.first, ratio));
        if (tab.top != 0)
            p.drawPixmap(at(layout::tabTop[spot - 1]), pictures::card(tab.top, ratio));
    }
    for (int f = 1; f <= wire::foundationCount; ++f) {
        const int card = model_.foundation(f);
        p.drawPixmap(at(layout::foundation[f - 1]),
                     pictures::card(card != 0 ? card : layout::pictureEmptyFoundation, ratio));
    }
    if (model_.input().highlightVisible()) {
        const layout::Rect& r = model_.input().highlight();
        p.drawPixmap(r.left, r.top, pictures::highlightFrame(QSize(r.width, r.height), ratio));
    }
}

void BoardView::paintSeat(QPainter& p, int position) {
    const qreal ratio = devicePixelRatioF() * scale_;
    const layout::SeatPlace& place = layout::seatPlaces[position - 1];
    const SeatView& seat = model_.atPosition(position);
    if (seat.fanBacks > 0) p.drawPixmap(at(place.hand), pictures::handFan(seat.fanBacks, ratio));
    if (seat.notPlaying)
        p.drawPixmap(at(place.playing), pictures::banner(pictures::Banner::notPlaying, ratio));
    if (seat.winner)
        p.drawPixmap(at(place.winner), pictures::banner(pictures::Banner::winner, ratio));
    if (seat.turn) p.drawPixmap(at(place.turn), pictures::turnArrow(ratio));
    if (seat.eyes) p.drawPixmap(at(place.eyes), pictures::eyes(ratio));
}

void BoardView::paintCountdown(QPainter& p) {
    const layout::Rect& box = layout::timerBar;
    p.setPen(QPen(QColor(255, 255, 255, 110), 1));
    p.setBrush(QColor(0, 0, 0, 70));
    p.drawRoundedRect(QRectF(box.left, box.top, box.width, box.height), 4, 4);
    const int width = model_.countdown().barWidth();
    if (width <= 0) return;
    QLinearGradient fill(0, box.top, 0, box.top + box.height);
    const bool late = model_.countdown().white();
    fill.setColorAt(0, late ? QColor(235, 90, 60) : QColor(250, 220, 90));
    fill.setColorAt(1, late ? QColor(160, 30, 20) : QColor(200, 150, 30));
    p.setPen(Qt::NoPen);
    p.setBrush(fill);
    p.drawRoundedRect(QRectF(box.left + 1, box.top + 1, width - 2, box.height - 2), 3, 3);
}

void BoardView::paintHand(QPainter& p) {
    const qreal ratio = devicePixelRatioF() * scale_;
    for (const HandCard& card : model_.hand().cards())
        p.drawPixmap(card.left, card.top, pictures::card(card.card, ratio));
}

}  // namespace tess
