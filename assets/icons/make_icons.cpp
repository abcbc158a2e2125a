// Draws the program's icon, an ace of spades fanned over a king of hearts on a green
// rounded square, as PNGs for the hicolor icon theme.
// Usage: tess-make-icons <output folder> <size>...
// Writes <output folder>/hicolor/<size>x<size>/apps/tessarine.png for every size.
#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <cstdio>

#include "assets/pictures/pictures.h"

namespace pics = tess::pictures;

namespace {

constexpr int aceOfSpades = 27, kingOfHearts = 26;  // card numbers in the picture list
constexpr int minSide = 8, maxSide = 1024;

void paintFelt(QPainter& p, qreal side) {
    const qreal inset = side / 32.0;
    const QRectF box(inset, inset, side - 2 * inset, side - 2 * inset);
    const qreal radius = side * 0.18;
    QLinearGradient felt(box.topLeft(), box.bottomRight());
    felt.setColorAt(0, QColor(0x2e, 0x9a, 0x4f));
    felt.setColorAt(1, QColor(0x0f, 0x5c, 0x2b));
    p.setPen(QPen(QColor(0x0a, 0x3d, 0x1c), std::max(1.0, side / 48.0)));
    p.setBrush(felt);
    p.drawRoundedRect(box, radius, radius);
}

// One card turned by `degrees` about `centre`, with a soft shadow beneath it.
void paintCard(QPainter& p, int cardNumber, qreal cardHeight, QPointF centre, qreal degrees) {
    const qreal ratio = cardHeight / pics::cardHeight;
    const QPixmap face = pics::cardFace(cardNumber, ratio);
    const QSizeF size(pics::cardWidth * ratio, pics::cardHeight * ratio);
    const QRectF box(QPointF(-size.width() / 2, -size.height() / 2), size);
    p.save();
    p.translate(centre);
    p.rotate(degrees);
    const qreal lift = std::max(1.0, cardHeight / 40.0);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 70));
    p.drawRoundedRect(box.translated(lift, lift), size.width() / 12, size.width() / 12);
    p.drawPixmap(box, face, QRectF(face.rect()));
    p.restore();
}

// At the smallest size a card face is mush; a bare suit symbol on white reads better.
void paintTinyCard(QPainter& p, const QString& suit, QColor ink, qreal cardHeight, QPointF centre,
                   qreal degrees) {
    const QSizeF size(cardHeight * pics::cardWidth / pics::cardHeight, cardHeight);
    const QRectF box(QPointF(-size.width() / 2, -size.height() / 2), size);
    p.save();
    p.translate(centre);
    p.rotate(degrees);
    p.setPen(QPen(QColor(0x55, 0x55, 0x55), 0.6));
    p.setBrush(QColor(0xfb, 0xf8, 0xee));
    p.drawRoundedRect(box, 1.2, 1.2);
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(qRound(size.width() * 1.05));
    QPainterPath glyph;
    glyph.addText(0, 0, font, suit);
    const QRectF bounds = glyph.boundingRect();
    p.translate(-bounds.center());
    p.setPen(Qt::NoPen);
    p.setBrush(ink);
    p.drawPath(glyph);
    p.restore();
}

QImage drawIcon(int side) {
    QImage image(side, side, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHints(QPainter::Antialiasing | QPainter::SmoothPixmapTransform);
    paintFelt(p, side);
    if (side < 24) {
        const qreal cardHeight = side * 0.72, spread = side * 0.16;
        const QPointF centre(side / 2.0, side / 2.0);
        paintTinyCard(p, QStringLiteral("\u2665"), QColor(0xd0, 0x10, 0x20), cardHeight,
                      centre - QPointF(spread, 0), -12);
        paintTinyCard(p, QStringLiteral("\u2660"), Qt::black, cardHeight,
                      centre + QPointF(spread, 0), 8);
        return image;
    }
    // Small icons get bigger cards: detail matters less than a readable shape.
    const qreal cardHeight = side * (side <= 32 ? 0.74 : 0.64);
    const qreal spread = side * 0.13;
    const QPointF centre(side / 2.0, side * 0.52);
    paintCard(p, kingOfHearts, cardHeight, centre - QPointF(spread, 0), -14);
    paintCard(p, aceOfSpades, cardHeight, centre + QPointF(spread, side * 0.02), 10);
    return image;
}

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (argc < 3) {
        std::fprintf(stderr, "usage: tess-make-icons <output folder> <size>...\n");
        return 2;
    }
    const QDir out(QString::fromLocal8Bit(argv[1]));
    for (int i = 2; i < argc; ++i) {
        bool ok = false;
        const int side = QString::fromLocal8Bit(argv[i]).toInt(&ok);
        if (!ok || side < minSide || side > maxSide) {
            std::fprintf(stderr, "tess-make-icons: bad size %s\n", argv[i]);
            return 2;
        }
        const QString folder = QStringLiteral("hicolor/%1x%1/apps").arg(side);
        const QString file = out.filePath(folder + QStringLiteral("/tessarine.png"));
        if (!out.mkpath(folder) || !drawIcon(side).save(file, "PNG")) {
            std::fprintf(stderr, "tess-make-icons: cannot write %s\n", qPrintable(file));
            return 1;
        }
    }
    return 0;
}
