// Drawing the table: the felt, the cards on the board, the seats' pictures, the time
// bar and the local hand, all from the table model.
#include <QPaintEvent>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <QRegion>
#include <QtMath>
#include <algorithm>
#include <functional>

#include "assets/pictures/pictures.h"
#include "client/model/table_model.h"
#include "client/table/board_view.h"

namespace tess {

namespace {

QPoint at(layout::Point p) { return {p.left, p.top}; }
QRect rectOf(layout::Rect r) { return {r.left, r.top, r.width, r.height}; }

}  // namespace

QRect BoardView::scaledArea(const QRect& design) const {
    return scaled(design).adjusted(-1, -1, 1, 1);  // a pixel more for smoothed edges
}

// A picture's pixels are rounded up from its scaled size; it stands at its scaled corner.
QRect BoardView::pictureArea(const QRect& design) const {
    return {scaled(design.topLeft()),
            QSize(qCeil(design.width() * scale_), qCeil(design.height() * scale_))};
}

// The pictures are drawn for the board's scale and the screen's ratio, and put on whole
// widget pixels with no transformation left: copied as they are, crisp and cheap.
const QPixmap& BoardView::picture(int key, const std::function<QPixmap(qreal)>& draw) {
    const qreal ratio = devicePixelRatioF();
    if (picturesRatio_ != ratio * scale_) {  // a new scale: nothing kept is of use
        pictures_.clear();
        picturesRatio_ = ratio * scale_;
    }
    auto it = pictures_.find(key);
    if (it == pictures_.end()) {
        QPixmap pixmap = draw(ratio * scale_);
        pixmap.setDevicePixelRatio(ratio);
        it = pictures_.emplace(key, std::move(pixmap)).first;
    }
    return it->second;
}

void BoardView::drawPicture(QPainter& p, const QRegion& dirty, QPoint design,
                            const QPixmap& pixmap) {
    const QPoint where = scaled(design);
    if (dirty.intersects(QRect(where, pixmap.deviceIndependentSize().toSize())))
        p.drawPixmap(where, pixmap);
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
    const QRegion& dirty = event->region();
    // Rectangle by rectangle, each its own clip: a picture copied into one rectangle is
    // a plain copy of its rows, where a clip of many rectangles would blend it span by
    // span (and hand large pictures to other threads).
    for (const QRect& r : dirty) {
        p.setClipRect(r);
        p.drawPixmap(r, felt_, QRectF(QPointF(r.topLeft()) * ratio, QSizeF(r.size()) * ratio));
        // Only the pieces the rectangle reaches: drawing clipped away is not free.
        const QRegion here(r);
        paintBoardCards(p, here);
        for (int position = 1; position <= wire::seatCount; ++position)
            paintSeat(p, here, position);
        paintHand(p, here);
    }
    p.setClipping(false);
    // The rest is drawn in design units.
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(scale_, scale_);
    if (dirty.intersects(scaledArea(rectOf(layout::timerBar)))) paintCountdown(p);
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

QPixmap BoardView::cardPicture(int index) {
    return picture(index, [index](qreal r) { return pictures::card(index, r); });
}

void BoardView::paintBoardCards(QPainter& p, const QRegion& dirty) {
    // The fixed markers beneath the tab spots and the draw pile show when they empty.
    for (const layout::Point& spot : layout::tabFirst)
        drawPicture(p, dirty, at(spot), cardPicture(layout::pictureEmptyTab));
    drawPicture(p, dirty, at(layout::topcard), cardPicture(layout::pictureEmptyPile));
    if (!model_.drawPileEmpty())
        drawPicture(p, dirty, at(layout::topcard), cardPicture(layout::pictureBack));
    for (int spot = 1; spot <= wire::spotCount; ++spot) {
        const TabSpotView& tab = model_.tab(spot);
        if (tab.first != 0)
            drawPicture(p, dirty, at(layout::tabFirst[spot - 1]), cardPicture(tab.first));
        if (tab.top != 0) drawPicture(p, dirty, at(layout::tabTop[spot - 1]), cardPicture(tab.top));
    }
    for (int f = 1; f <= wire::foundationCount; ++f) {
        const int card = model_.foundation(f);
        drawPicture(p, dirty, at(layout::foundation[f - 1]),
                    cardPicture(card != 0 ? card : layout::pictureEmptyFoundation));
    }
    if (model_.input().highlightVisible()) {
        const layout::Rect& r = model_.input().highlight();
        const QSize size(r.width, r.height);
        drawPicture(p, dirty, QPoint(r.left, r.top),
                    picture(keyFrame + r.width * 1000 + r.height,
                            [size](qreal ratio) { return pictures::highlightFrame(size, ratio); }));
    }
}

void BoardView::paintSeat(QPainter& p, const QRegion& dirty, int position) {
    const layout::SeatPlace& place = layout::seatPlaces[position - 1];
    const SeatView& seat = model_.atPosition(position);
    if (seat.fanBacks > 0) {
        const int n = seat.fanBacks;
        drawPicture(p, dirty, at(place.hand),
                    picture(keyFan + n, [n](qreal r) { return pictures::handFan(n, r); }));
    }
    if (seat.notPlaying)
        drawPicture(p, dirty, at(place.playing), picture(keyNotPlaying, [](qreal r) {
                        return pictures::banner(pictures::Banner::notPlaying, r);
                    }));
    if (seat.winner)
        drawPicture(p, dirty, at(place.winner), picture(keyWinner, [](qreal r) {
                        return pictures::banner(pictures::Banner::winner, r);
                    }));
    if (seat.turn) drawPicture(p, dirty, at(place.turn), picture(keyArrow, pictures::turnArrow));
    if (seat.eyes) drawPicture(p, dirty, at(place.eyes), picture(keyEyes, pictures::eyes));
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

void BoardView::paintHand(QPainter& p, const QRegion& dirty) {
    const auto& cards = model_.hand().cards();
    const std::vector<QRect> shown = handRects();
    for (std::size_t i = 0; i < cards.size(); ++i)
        drawPicture(p, dirty, shown[i].topLeft(), cardPicture(cards[i].card));
}

}  // namespace tess
