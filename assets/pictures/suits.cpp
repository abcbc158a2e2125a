// Suit symbols and text as vector paths, so they scale cleanly to any ratio.
#include <QFontDatabase>
#include <QPainter>
#include <QTransform>
#include <array>

#include "assets/pictures/drawing.h"

namespace tess::pictures::detail {
namespace {

// Each path is drawn in a unit box (0..1 on both axes).
QPainterPath heart() {
    QPainterPath p;
    p.moveTo(0.5, 0.97);
    p.cubicTo(0.36, 0.78, 0.0, 0.6, 0.0, 0.3);
    p.cubicTo(0.0, 0.1, 0.14, 0.0, 0.28, 0.0);
    p.cubicTo(0.4, 0.0, 0.47, 0.08, 0.5, 0.19);
    p.cubicTo(0.53, 0.08, 0.6, 0.0, 0.72, 0.0);
    p.cubicTo(0.86, 0.0, 1.0, 0.1, 1.0, 0.3);
    p.cubicTo(1.0, 0.6, 0.64, 0.78, 0.5, 0.97);
    p.closeSubpath();
    return p;
}

QPainterPath diamond() {
    QPainterPath p;
    p.moveTo(0.5, 0.0);
    p.quadTo(0.68, 0.3, 0.9, 0.5);
    p.quadTo(0.68, 0.7, 0.5, 1.0);
    p.quadTo(0.32, 0.7, 0.1, 0.5);
    p.quadTo(0.32, 0.3, 0.5, 0.0);
    p.closeSubpath();
    return p;
}

void addStem(QPainterPath& p) {
    QPainterPath stem;
    stem.moveTo(0.47, 0.62);
    stem.cubicTo(0.47, 0.84, 0.42, 0.95, 0.32, 1.0);
    stem.lineTo(0.68, 1.0);
    stem.cubicTo(0.58, 0.95, 0.53, 0.84, 0.53, 0.62);
    stem.closeSubpath();
    p = p.united(stem);
}

QPainterPath spade() {
    QPainterPath p;
    p.moveTo(0.5, 0.0);
    p.cubicTo(0.64, 0.2, 1.0, 0.36, 1.0, 0.6);
    p.cubicTo(1.0, 0.76, 0.88, 0.84, 0.75, 0.84);
    p.cubicTo(0.64, 0.84, 0.55, 0.78, 0.5, 0.7);
    p.cubicTo(0.45, 0.78, 0.36, 0.84, 0.25, 0.84);
    p.cubicTo(0.12, 0.84, 0.0, 0.76, 0.0, 0.6);
    p.cubicTo(0.0, 0.36, 0.36, 0.2, 0.5, 0.0);
    p.closeSubpath();
    addStem(p);
    return p;
}

QPainterPath club() {
    QPainterPath p;
    p.addEllipse(QPointF(0.5, 0.25), 0.24, 0.24);
    QPainterPath left, right, middle;
    left.addEllipse(QPointF(0.24, 0.6), 0.24, 0.24);
    right.addEllipse(QPointF(0.76, 0.6), 0.24, 0.24);
    middle.addRect(QRectF(0.4, 0.35, 0.2, 0.3));
    p = p.united(left).united(right).united(middle);
    addStem(p);
    return p;
}

const QPainterPath& unitPath(Suit suit) {
    static const std::array<QPainterPath, 4> paths{club(), heart(), spade(), diamond()};
    return paths[static_cast<size_t>(suit)];
}

QString firstFamily(std::initializer_list<const char*> wanted) {
    const QStringList families = QFontDatabase::families();
    for (const char* name : wanted)
        if (families.contains(QLatin1String(name), Qt::CaseInsensitive)) return QLatin1String(name);
    return {};
}

}  // namespace

Suit suitOf(int cardNumber) { return static_cast<Suit>((cardNumber - 1) / 13); }
int rankOf(int cardNumber) { return (cardNumber - 1) % 13 + 1; }

QColor suitColour(Suit suit) {
    return (suit == Suit::hearts || suit == Suit::diamonds) ? QColor(0xc4, 0x12, 0x2a)
                                                            : QColor(0x16, 0x16, 0x1c);
}

void fillSuit(QPainter& p, Suit suit, const QRectF& box, bool upsideDown) {
    QTransform t;
    if (upsideDown) {
        t.translate(box.right(), box.bottom());
        t.scale(-box.width(), -box.height());
    } else {
        t.translate(box.left(), box.top());
        t.scale(box.width(), box.height());
    }
    p.fillPath(t.map(unitPath(suit)), suitColour(suit));
}

QPainterPath fittedText(const QString& text, const QFont& font, const QRectF& box, qreal squeeze) {
    QPainterPath path;
    path.addText(0, 0, font, text);
    const QRectF bounds = path.boundingRect();
    if (bounds.isEmpty()) return path;
    const qreal sy = box.height() / bounds.height();
    const qreal sx = std::min(sy, box.width() / bounds.width());
    // Narrow glyphs a little rather than shrink them when the box is tight.
    const qreal scaleY = std::min(sy, sx / squeeze);
    QTransform t;
    t.translate(box.center().x(), box.center().y());
    t.scale(sx, scaleY);
    t.translate(-bounds.center().x(), -bounds.center().y());
    return t.map(path);
}

QFont sansFont(int pixelSize, bool bold) {
    static const QString family = firstFamily({"DejaVu Sans", "Liberation Sans", "Arial"});
    QFont f(family);
    f.setPixelSize(pixelSize);
    f.setBold(bold);
    f.setHintingPreference(QFont::PreferNoHinting);
    return f;
}

QFont serifFont(int pixelSize) {
    static const QString family = firstFamily({"DejaVu Serif", "Liberation Serif", "Georgia"});
    QFont f(family);
    f.setPixelSize(pixelSize);
    f.setBold(true);
    f.setHintingPreference(QFont::PreferNoHinting);
    return f;
}

QPainterPath crownPath(const QRectF& b) {
    auto at = [&b](qreal x, qreal y) {
        return QPointF(b.left() + x * b.width(), b.top() + y * b.height());
    };
    QPainterPath p;
    p.moveTo(at(0.08, 0.86));
    p.lineTo(at(0.0, 0.28));
    p.lineTo(at(0.3, 0.55));
    p.lineTo(at(0.5, 0.12));
    p.lineTo(at(0.7, 0.55));
    p.lineTo(at(1.0, 0.28));
    p.lineTo(at(0.92, 0.86));
    p.closeSubpath();
    const qreal r = b.width() * 0.075;
    for (QPointF tip : {at(0.0, 0.22), at(0.5, 0.07), at(1.0, 0.22)}) {
        QPainterPath ball;
        ball.addEllipse(tip, r, r);
        p = p.united(ball);
    }
    QPainterPath band;
    band.addRect(QRectF(at(0.08, 0.88), at(0.92, 1.0)));
    return p.united(band);
}

}  // namespace tess::pictures::detail
