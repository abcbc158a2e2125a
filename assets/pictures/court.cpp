// Jack, queen and king: a framed, double-ended centre with the rank letter and a
// headpiece for each rank.
#include <QLinearGradient>
#include <QPainter>

#include "assets/pictures/drawing.h"

namespace tess::pictures::detail {
namespace {

const QColor gold(0xd9, 0xa7, 0x2b);
const QColor darkGold(0x8a, 0x63, 0x10);
const QColor paleGold(0xfb, 0xf1, 0xd2);
const QColor deepGold(0xf0, 0xd8, 0x96);

// Accent colour of the robes: the suit colour for red suits, royal blue for black ones.
QColor accentOf(Suit suit) {
    return (suit == Suit::hearts || suit == Suit::diamonds) ? suitColour(suit)
                                                            : QColor(0x1f, 0x3c, 0x7a);
}

void outlineFill(QPainter& p, const QPainterPath& path, const QBrush& fill, const QColor& edge) {
    p.fillPath(path, fill);
    p.setPen(QPen(edge, 0.6));
    p.setBrush(Qt::NoBrush);
    p.drawPath(path);
}

void paintKingCrown(QPainter& p, const QRectF& box, Suit suit) {
    outlineFill(p, crownPath(box), gold, darkGold);
    p.setPen(Qt::NoPen);
    p.setBrush(accentOf(suit));
    p.drawEllipse(QPointF(box.center().x(), box.bottom() - box.height() * 0.32), 1.3, 1.3);
}

void paintQueenCoronet(QPainter& p, const QRectF& box, Suit suit) {
    QPainterPath band;
    band.moveTo(box.left(), box.bottom());
    band.quadTo(box.center().x(), box.top() + box.height() * 0.2, box.right(), box.bottom());
    band.quadTo(box.center().x(), box.top() + box.height() * 0.62, box.left(), box.bottom());
    band.closeSubpath();
    outlineFill(p, band, gold, darkGold);
    p.setPen(QPen(darkGold, 0.4));
    p.setBrush(gold);
    for (qreal t : {0.15, 0.32, 0.5, 0.68, 0.85}) {
        const qreal x = box.left() + t * box.width();
        const qreal lift = 1.0 - 4 * (t - 0.5) * (t - 0.5);
        const qreal y = box.bottom() - box.height() * (0.3 + 0.55 * lift);
        p.drawEllipse(QPointF(x, y), 1.1, 1.1);
    }
    p.setPen(Qt::NoPen);
    p.setBrush(accentOf(suit));
    p.drawEllipse(QPointF(box.center().x(), box.top() + box.height() * 0.62), 1.4, 1.4);
}

void paintJackCap(QPainter& p, const QRectF& box, Suit suit) {
    QPainterPath cap;
    cap.moveTo(box.left() + 1, box.bottom());
    cap.cubicTo(box.left() + 1, box.top() - 2.5, box.right() - 1, box.top() - 2.5, box.right() - 1,
                box.bottom());
    cap.closeSubpath();
    outlineFill(p, cap, accentOf(suit), darkGold);
    p.fillRect(QRectF(box.left(), box.bottom() - 1.6, box.width(), 1.6), gold);
    // A feather sweeping back from the cap.
    QPainterPath feather;
    const QPointF root(box.right() - 4, box.bottom() - 3);
    feather.moveTo(root);
    feather.cubicTo(root + QPointF(2, -4), root + QPointF(6, -7), root + QPointF(8, -6));
    feather.cubicTo(root + QPointF(5, -4), root + QPointF(3, -2), root);
    outlineFill(p, feather, paleGold, darkGold);
}

// One end of the court picture, drawn in the upper half of `frame`.
void paintCourtHalf(QPainter& p, Suit suit, int rank, const QRectF& frame) {
    const qreal cx = frame.center().x();
    const QRectF head(cx - 8, frame.top() + 3, 16, 8);
    switch (rank) {
        case 11:
            paintJackCap(p, head, suit);
            break;
        case 12:
            paintQueenCoronet(p, head, suit);
            break;
        default:
            paintKingCrown(p, head, suit);
            break;
    }
    const QString letter = rank == 11   ? QStringLiteral("J")
                           : rank == 12 ? QStringLiteral("Q")
                                        : QStringLiteral("K");
    const QRectF letterBox(cx - 9, head.bottom() + 1.5, 18, frame.height() / 2 - 14.5);
    p.fillPath(fittedText(letter, serifFont(40), letterBox), suitColour(suit));
    fillSuit(p, suit, QRectF(frame.left() + 2.5, frame.top() + 2.5, 6, 6.5));
    fillSuit(p, suit, QRectF(frame.right() - 8.5, frame.top() + 2.5, 6, 6.5));
}

}  // namespace

void paintCourt(QPainter& p, Suit suit, int rank) {
    const QRectF frame(14, 11, 32, 60);
    QLinearGradient bg(frame.topLeft(), frame.bottomRight());
    bg.setColorAt(0, paleGold);
    bg.setColorAt(0.5, deepGold);
    bg.setColorAt(1, paleGold);
    p.setPen(QPen(accentOf(suit), 1));
    p.setBrush(bg);
    p.drawRect(frame);
    p.setPen(QPen(gold, 0.7));
    p.setBrush(Qt::NoBrush);
    p.drawRect(frame.adjusted(1.6, 1.6, -1.6, -1.6));

    for (int turn = 0; turn < 2; ++turn) {
        p.save();
        if (turn == 1) {
            p.translate(frame.center() * 2);
            p.rotate(180);
        }
        paintCourtHalf(p, suit, rank, frame);
        p.restore();
    }
    const qreal midY = frame.center().y();
    p.setPen(QPen(accentOf(suit), 0.7));
    p.drawLine(QPointF(frame.left() + 3, midY), QPointF(frame.right() - 3, midY));
}

}  // namespace tess::pictures::detail
