// Seat markers, banners and picture buttons of the table.
#include <QCoreApplication>
#include <QLinearGradient>
#include <QPainter>
#include <QRadialGradient>
#include <cmath>
#include <numbers>

#include "assets/pictures/drawing.h"
#include "assets/pictures/pictures.h"

namespace tess::pictures::detail {
namespace {

QRectF rectOf(const QSize& size) { return QRectF(QPointF(0, 0), QSizeF(size)); }

void fillText(QPainter& p, const QPainterPath& text, const QColor& colour, const QColor& shadow,
              qreal offset = 0.8) {
    p.fillPath(text.translated(offset, offset), shadow);
    p.fillPath(text, colour);
}

// Glossy rounded body shared by every picture button.
void paintButtonBody(QPainter& p, const QRectF& r, const QColor& top, const QColor& bottom,
                     const QColor& edge, bool pressed) {
    const qreal radius = std::min(r.height() / 2 - 1, 6.0);
    const QRectF body = r.adjusted(0.75, 0.75, -0.75, -0.75);
    QLinearGradient g(body.topLeft(), body.bottomLeft());
    g.setColorAt(0, pressed ? bottom : top);
    g.setColorAt(1, pressed ? top.darker(115) : bottom);
    p.setPen(QPen(edge, 1.2));
    p.setBrush(g);
    p.drawRoundedRect(body, radius, radius);
    if (!pressed) {
        QPainterPath gloss;
        const QRectF shine = body.adjusted(2, 1.5, -2, -body.height() / 2);
        gloss.addRoundedRect(shine, radius - 1, radius - 1);
        p.fillPath(gloss, QColor(255, 255, 255, 70));
    }
}

}  // namespace

void paintNotPlaying(QPainter& p) {
    const QRectF r = rectOf(notPlayingSize);
    QLinearGradient g(r.topLeft(), r.bottomLeft());
    g.setColorAt(0, QColor(0x5a, 0x5f, 0x66));
    g.setColorAt(1, QColor(0x2f, 0x33, 0x38));
    p.setPen(QPen(QColor(0xd9, 0xdc, 0xe0), 1));
    p.setBrush(g);
    p.drawRoundedRect(r.adjusted(0.5, 0.5, -0.5, -0.5), 4, 4);
    const QPainterPath text =
        fittedText(QCoreApplication::translate("tess::Pictures", "NOT PLAYING"), sansFont(24),
                   r.adjusted(7, 5, -7, -5), 0.8);
    fillText(p, text, QColor(0xf4, 0xf4, 0xf4), QColor(0, 0, 0, 140));
}

void paintWinner(QPainter& p) {
    const QRectF r = rectOf(winnerSize);
    QLinearGradient g(r.topLeft(), r.bottomLeft());
    g.setColorAt(0, QColor(0xff, 0xe9, 0x8a));
    g.setColorAt(0.5, QColor(0xf0, 0xb8, 0x2c));
    g.setColorAt(1, QColor(0xb9, 0x7a, 0x0c));
    p.setPen(QPen(QColor(0x6e, 0x45, 0x05), 1.4));
    p.setBrush(g);
    p.drawRoundedRect(r.adjusted(0.7, 0.7, -0.7, -0.7), 7, 7);
    p.setPen(QPen(QColor(255, 255, 255, 150), 0.8));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(r.adjusted(3, 3, -3, -3), 5, 5);
    const QPainterPath text =
        fittedText(QCoreApplication::translate("tess::Pictures", "WINNER"), serifFont(40),
                   QRectF(r.left() + 30, 7, r.width() - 60, 18));
    fillText(p, text, QColor(0x5c, 0x1a, 0x00), QColor(255, 240, 190, 200), 0.9);
    // A star at each side of the word.
    for (qreal cx : {17.0, r.width() - 17}) {
        QPainterPath star;
        for (int i = 0; i < 10; ++i) {
            const qreal a = std::numbers::pi / 2 + i * std::numbers::pi / 5;
            const qreal rad = (i % 2 == 0) ? 8.0 : 3.4;
            const QPointF pt(cx + rad * std::cos(a), 16 - rad * std::sin(a));
            i == 0 ? star.moveTo(pt) : star.lineTo(pt);
        }
        star.closeSubpath();
        p.setPen(QPen(QColor(0x6e, 0x45, 0x05), 0.8));
        p.setBrush(QColor(0xff, 0xfb, 0xe6));
        p.drawPath(star);
    }
}

void paintTurnArrow(QPainter& p) {
    // Points right, towards the seat's name.
    QPainterPath arrow;
    arrow.moveTo(1.5, 9);
    arrow.lineTo(9.5, 9);
    arrow.lineTo(9.5, 2);
    arrow.lineTo(19.5, 13.5);
    arrow.lineTo(9.5, 25);
    arrow.lineTo(9.5, 18);
    arrow.lineTo(1.5, 18);
    arrow.closeSubpath();
    QLinearGradient g(0, 2, 0, 25);
    g.setColorAt(0, QColor(0x8c, 0xf0, 0x5a));
    g.setColorAt(1, QColor(0x1f, 0x9a, 0x1c));
    p.setPen(QPen(QColor(0x0c, 0x45, 0x0c), 1.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(g);
    p.drawPath(arrow);
}

void paintEyes(QPainter& p) {
    for (qreal cx : {6.0, 17.0}) {
        p.setPen(QPen(QColor(0x20, 0x20, 0x20), 0.9));
        p.setBrush(Qt::white);
        p.drawEllipse(QPointF(cx, 5), 5.2, 4.3);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0x3a, 0x6e, 0xc8));
        p.drawEllipse(QPointF(cx + 1.2, 5.4), 2.4, 2.4);
        p.setBrush(QColor(0x10, 0x10, 0x10));
        p.drawEllipse(QPointF(cx + 1.2, 5.4), 1.2, 1.2);
        p.setBrush(Qt::white);
        p.drawEllipse(QPointF(cx + 0.5, 4.5), 0.55, 0.55);
    }
}

void paintTextButton(QPainter& p, const QSize& size, const QString& text, bool pressed) {
    const QRectF r = rectOf(size);
    paintButtonBody(p, r, QColor(0xff, 0xd8, 0x6a), QColor(0xd9, 0x86, 0x12),
                    QColor(0x6b, 0x3c, 0x05), pressed);
    const qreal shift = pressed ? 0.8 : 0;
    const QRectF box = r.adjusted(8 + shift, 8 + shift, -8 + shift, -8 + shift);
    fillText(p, fittedText(text, sansFont(30), box, 0.85), QColor(0x3d, 0x1f, 0x00),
             QColor(255, 245, 210, 170));
}

namespace {

void paintSmallButton(QPainter& p, bool pressed) {
    paintButtonBody(p, rectOf(phraseButtonSize), QColor(0x7d, 0xb4, 0xf2), QColor(0x24, 0x5f, 0xb8),
                    QColor(0x0e, 0x2a, 0x5c), pressed);
}

}  // namespace

void paintPhraseButton(QPainter& p, int n, bool pressed) {
    paintSmallButton(p, pressed);
    const qreal shift = pressed ? 0.7 : 0;
    const QRectF box(4.5 + shift, 6 + shift, 18, 11);
    fillText(p, fittedText(QStringLiteral("P%1").arg(n), sansFont(30), box, 0.85), Qt::white,
             QColor(0, 0, 40, 150));
}

void paintMusicButton(QPainter& p, bool pressed) {
    paintSmallButton(p, pressed);
    p.save();
    if (pressed) p.translate(0.7, 0.7);
    // Two beamed quavers.
    QPainterPath notes;
    notes.addEllipse(QPointF(9.5, 16.2), 2.7, 2.0);
    notes.addEllipse(QPointF(17.5, 14.7), 2.7, 2.0);
    notes.addRect(QRectF(11.4, 5.8, 1.1, 10.2));
    notes.addRect(QRectF(19.4, 4.3, 1.1, 10.2));
    QPainterPath beam;
    beam.moveTo(11.4, 5.8);
    beam.lineTo(20.5, 4.3);
    beam.lineTo(20.5, 6.8);
    beam.lineTo(11.4, 8.3);
    beam.closeSubpath();
    notes = notes.united(beam);
    p.fillPath(notes.translated(0.7, 0.7), QColor(0, 0, 40, 150));
    p.fillPath(notes, Qt::white);
    p.restore();
}

void paintHighlightFrame(QPainter& p, const QSize& size) {
    p.setPen(QPen(QColor(0x00, 0xff, 0x00), 3, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    p.setBrush(Qt::NoBrush);
    p.drawRect(rectOf(size).adjusted(1.5, 1.5, -1.5, -1.5));
}

void paintMessagePanel(QPainter& p, const QSize& size) {
    const QRectF r = rectOf(size).adjusted(1, 1, -1, -1);
    QLinearGradient g(r.topLeft(), r.bottomLeft());
    g.setColorAt(0, QColor(0xfd, 0xf6, 0xe0));
    g.setColorAt(1, QColor(0xf0, 0xdc, 0xaa));
    p.setPen(QPen(QColor(0x8a, 0x63, 0x10), 2));
    p.setBrush(g);
    p.drawRoundedRect(r, 8, 8);
    p.setPen(QPen(QColor(0xd9, 0xa7, 0x2b), 1));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(r.adjusted(3, 3, -3, -3), 6, 6);
}

}  // namespace tess::pictures::detail
