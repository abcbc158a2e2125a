// Card faces, the card back and the empty-place markers of the card list.
#include <QLinearGradient>
#include <QPainter>
#include <QRadialGradient>
#include <array>

#include "assets/pictures/drawing.h"
#include "assets/pictures/pictures.h"

namespace tess::pictures::detail {
namespace {

const QRectF cardRect(0, 0, cardWidth, cardHeight);
constexpr qreal cornerRadius = 4.5;
const QColor faceColour(0xfd, 0xfb, 0xf3);
const QColor edgeColour(0x7a, 0x76, 0x6c);
const QColor gold(0xd9, 0xa7, 0x2b);
const QColor darkGold(0x8a, 0x63, 0x10);

QString rankText(int rank) {
    switch (rank) {
        case 1:
            return QStringLiteral("A");
        case 11:
            return QStringLiteral("J");
        case 12:
            return QStringLiteral("Q");
        case 13:
            return QStringLiteral("K");
        default:
            return QString::number(rank);
    }
}

void paintBlank(QPainter& p) {
    p.setPen(QPen(edgeColour, 0.8));
    p.setBrush(faceColour);
    p.drawRoundedRect(cardRect.adjusted(0.4, 0.4, -0.4, -0.4), cornerRadius, cornerRadius);
}

// Rank and small suit in the top-left corner and, turned, in the bottom-right one.
void paintIndices(QPainter& p, Suit suit, int rank) {
    const QPainterPath text =
        fittedText(rankText(rank), sansFont(20), QRectF(2, 3.5, 11, 11.5), 0.62);
    for (int turn = 0; turn < 2; ++turn) {
        p.save();
        if (turn == 1) {
            p.translate(cardWidth, cardHeight);
            p.rotate(180);
        }
        p.fillPath(text, suitColour(suit));
        fillSuit(p, suit, QRectF(3.5, 17, 8, 8.5));
        p.restore();
    }
}

// Pip centres in columns left/centre/right and rows 0..1 from top to bottom.
struct Pip {
    qreal column, row;
};

std::vector<Pip> pipLayout(int rank) {
    const qreal L = 0, C = 1, R = 2;
    switch (rank) {
        case 2:
            return {{C, 0}, {C, 1}};
        case 3:
            return {{C, 0}, {C, 0.5}, {C, 1}};
        case 4:
            return {{L, 0}, {R, 0}, {L, 1}, {R, 1}};
        case 5:
            return {{L, 0}, {R, 0}, {C, 0.5}, {L, 1}, {R, 1}};
        case 6:
            return {{L, 0}, {R, 0}, {L, 0.5}, {R, 0.5}, {L, 1}, {R, 1}};
        case 7:
            return {{L, 0}, {R, 0}, {C, 0.25}, {L, 0.5}, {R, 0.5}, {L, 1}, {R, 1}};
        case 8:
            return {{L, 0}, {R, 0}, {C, 0.25}, {L, 0.5}, {R, 0.5}, {C, 0.75}, {L, 1}, {R, 1}};
        case 9:
            return {{L, 0},       {R, 0},       {L, 1.0 / 3}, {R, 1.0 / 3}, {C, 0.5},
                    {L, 2.0 / 3}, {R, 2.0 / 3}, {L, 1},       {R, 1}};
        case 10:
            return {{L, 0},       {R, 0},       {C, 1.0 / 6}, {L, 1.0 / 3}, {R, 1.0 / 3},
                    {L, 2.0 / 3}, {R, 2.0 / 3}, {C, 5.0 / 6}, {L, 1},       {R, 1}};
        default:
            return {};
    }
}

void paintPips(QPainter& p, Suit suit, int rank) {
    constexpr qreal left = 19, step = 11, top = 15, bottom = 67;
    // Nine and ten need a little more room between the pips.
    const qreal w = rank >= 9 ? 9.5 : 10.5, h = rank >= 9 ? 10.5 : 11.5;
    for (const Pip& pip : pipLayout(rank)) {
        const QPointF c(left + pip.column * step, top + pip.row * (bottom - top));
        fillSuit(p, suit, QRectF(c.x() - w / 2, c.y() - h / 2, w, h), pip.row > 0.5);
    }
}

void paintAce(QPainter& p, Suit suit) {
    const QRectF big(14, 23, 32, 36);
    if (suit == Suit::spades) {
        // The traditional large, ringed ace of spades.
        p.setPen(QPen(darkGold, 0.9));
        p.setBrush(Qt::NoBrush);
        p.drawEllipse(big.center(), 20, 22);
        p.drawEllipse(big.center(), 18.5, 20.5);
        fillSuit(p, suit, big.adjusted(0, 1, 0, -1));
        return;
    }
    fillSuit(p, suit, big.adjusted(4, 5, -4, -5));
}

}  // namespace

void paintFace(QPainter& p, int cardNumber) {
    const Suit suit = suitOf(cardNumber);
    const int rank = rankOf(cardNumber);
    paintBlank(p);
    paintIndices(p, suit, rank);
    if (rank == 1)
        paintAce(p, suit);
    else if (rank >= 11)
        paintCourt(p, suit, rank);
    else
        paintPips(p, suit, rank);
}

void paintBack(QPainter& p) {
    paintBlank(p);
    const QRectF inner = cardRect.adjusted(3.5, 3.5, -3.5, -3.5);
    QPainterPath clip;
    clip.addRoundedRect(inner, 2.5, 2.5);
    QLinearGradient bg(inner.topLeft(), inner.bottomRight());
    bg.setColorAt(0, QColor(0x1e, 0x3f, 0x94));
    bg.setColorAt(1, QColor(0x12, 0x2a, 0x6b));
    p.fillPath(clip, bg);

    p.save();
    p.setClipPath(clip);
    p.setPen(QPen(QColor(0x6f, 0x8f, 0xe0, 200), 0.7));
    constexpr qreal gap = 6;
    for (qreal d = -cardHeight; d < cardWidth + cardHeight; d += gap) {
        p.drawLine(QPointF(d, 0), QPointF(d + cardHeight, cardHeight));
        p.drawLine(QPointF(d, cardHeight), QPointF(d + cardHeight, 0));
    }
    // A small bead on every other crossing of the lattice (they fall on a 6 px grid).
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0xc9, 0xd6, 0xff));
    for (qreal y = 5; y <= cardHeight; y += gap)
        for (qreal x = 1; x <= cardWidth; x += gap)
            p.drawEllipse(QPointF(x, y), 0.75, 0.75);
    p.restore();

    // A medallion in the middle.
    const QPointF mid = cardRect.center();
    QPainterPath medal;
    medal.addEllipse(mid, 13, 17);
    p.fillPath(medal, QColor(0x12, 0x25, 0x5c));
    p.setPen(QPen(QColor(0xf2, 0xe6, 0xc4), 1.2));
    p.setBrush(Qt::NoBrush);
    p.drawPath(medal);
    p.setPen(QPen(gold, 0.8));
    p.drawEllipse(mid, 10.5, 14.5);
    QPainterPath rhomb;
    rhomb.moveTo(mid + QPointF(0, -9));
    rhomb.lineTo(mid + QPointF(6, 0));
    rhomb.lineTo(mid + QPointF(0, 9));
    rhomb.lineTo(mid + QPointF(-6, 0));
    rhomb.closeSubpath();
    p.fillPath(rhomb, gold);
    p.setPen(QPen(QColor(0xf2, 0xe6, 0xc4), 0.9));
    p.drawRoundedRect(inner.adjusted(1.5, 1.5, -1.5, -1.5), 2, 2);
}

namespace {

// An empty place: a faint rounded outline on the table cloth.
void paintPlace(QPainter& p, const QColor& fill, const QColor& edge) {
    p.setPen(QPen(edge, 1.4));
    p.setBrush(fill);
    p.drawRoundedRect(cardRect.adjusted(1, 1, -1, -1), cornerRadius, cornerRadius);
}

}  // namespace

void paintEmptyFoundation(QPainter& p) {
    paintPlace(p, QColor(0, 0, 0, 60), QColor(0xe8, 0xc5, 0x5a, 220));
    const QRectF box(12, 26, 36, 28);
    const QPainterPath crown = crownPath(box);
    QLinearGradient shine(box.topLeft(), box.bottomLeft());
    shine.setColorAt(0, QColor(0xff, 0xe2, 0x7a));
    shine.setColorAt(1, QColor(0xc8, 0x8c, 0x12));
    p.fillPath(crown, shine);
    p.setPen(QPen(darkGold, 0.9));
    p.setBrush(Qt::NoBrush);
    p.drawPath(crown);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0xb3, 0x16, 0x2c));
    p.drawEllipse(QPointF(30, 49), 2.2, 2.2);
    p.setBrush(QColor(0x1d, 0x4f, 0xa8));
    p.drawEllipse(QPointF(21, 49), 1.7, 1.7);
    p.drawEllipse(QPointF(39, 49), 1.7, 1.7);
}

void paintEmptyTabSpot(QPainter& p) {
    paintPlace(p, QColor(0, 0, 0, 45), QColor(255, 255, 255, 150));
    p.setPen(QPen(QColor(255, 255, 255, 110), 1.2, Qt::DashLine));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(cardRect.adjusted(6, 6, -6, -6), 3, 3);
    QPainterPath ring;
    ring.addEllipse(cardRect.center(), 9, 9);
    p.setPen(QPen(QColor(255, 255, 255, 120), 1.4));
    p.drawPath(ring);
}

void paintEmptyPile(QPainter& p) {
    paintPlace(p, QColor(0, 0, 0, 45), QColor(255, 255, 255, 150));
    QPen pen(QColor(0xd8, 0x1e, 0x1e), 6, Qt::SolidLine, Qt::RoundCap);
    p.setPen(pen);
    p.drawLine(QPointF(15, 22), QPointF(45, 60));
    p.drawLine(QPointF(45, 22), QPointF(15, 60));
}

}  // namespace tess::pictures::detail
