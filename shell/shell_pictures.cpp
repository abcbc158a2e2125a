#include "shell/shell_pictures.h"

#include <QGuiApplication>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <QRandomGenerator>
#include <QWidget>

namespace tess {

namespace {

const QColor feltDark(0x0b, 0x4f, 0x2a), feltLight(0x2e, 0x8b, 0x57);

void drawCard(QPainter& p, const QRectF& r, bool faceUp, const QString& face = {},
              bool red = false) {
    p.save();
    p.setPen(QPen(QColor(40, 40, 40), 1));
    p.setBrush(faceUp ? QColor(250, 250, 245) : QColor(0x23, 0x3f, 0x8f));
    p.drawRoundedRect(r, 4, 4);
    if (!faceUp) {
        p.setPen(QPen(QColor(200, 210, 240), 1));
        p.setBrush(Qt::NoBrush);
        p.drawRoundedRect(r.adjusted(3, 3, -3, -3), 3, 3);
    } else if (!face.isEmpty()) {
        p.setPen(red ? QColor(190, 0, 0) : Qt::black);
        QFont f = p.font();
        f.setBold(true);
        f.setPixelSize(qMax(8, int(r.height() / 3)));
        p.setFont(f);
        p.drawText(r, Qt::AlignCenter, face);
    }
    p.restore();
}

// A picture of `design` size drawn `scale` times as large, sharp on the screen's pixels.
QPixmap scaledCanvas(QSize design, qreal scale) {
    const qreal ratio = qApp ? qApp->devicePixelRatio() : 1.0;
    QPixmap pix((QSizeF(design) * scale * ratio).toSize());
    pix.setDevicePixelRatio(ratio);
    return pix;
}

void drawSlot(QPainter& p, const QRectF& r) {
    p.save();
    p.setPen(QPen(QColor(230, 230, 200, 160), 1, Qt::DashLine));
    p.setBrush(QColor(0, 0, 0, 40));
    p.drawRoundedRect(r, 4, 4);
    p.restore();
}

}  // namespace

QPixmap lobbyPicture() {
    QPixmap pix(436, 360);
    QPainter p(&pix);
    p.setRenderHint(QPainter::Antialiasing);
    QRadialGradient felt(218, 230, 300);
    felt.setColorAt(0, feltLight);
    felt.setColorAt(1, feltDark);
    p.fillRect(pix.rect(), felt);

    // A table edge and a few cards left lying on it.
    p.setPen(QPen(QColor(0x5a, 0x32, 0x14), 14));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(QRectF(28, 170, 380, 170));
    const char* faces[] = {"K\u2663", "Q\u2665", "J\u2660", "10\u2666"};
    for (int i = 0; i < 4; ++i) {
        p.save();
        p.translate(150 + i * 38, 255);
        p.rotate(-18 + i * 12);
        drawCard(p, QRectF(-22, -30, 44, 60), true, QString::fromUtf8(faces[i]), i % 2 == 1);
        p.restore();
    }
    drawCard(p, QRectF(300, 230, 44, 60), false);
    drawCard(p, QRectF(304, 226, 44, 60), false);

    // The sign the caption is written on, hanging from two cords.
    const QRectF sign(68, 40, 300, 110);
    p.setPen(QPen(QColor(60, 40, 20), 2));
    p.drawLine(QPointF(118, 0), QPointF(118, sign.top()));
    p.drawLine(QPointF(318, 0), QPointF(318, sign.top()));
    QLinearGradient wood(sign.topLeft(), sign.bottomLeft());
    wood.setColorAt(0, QColor(0xf5, 0xe6, 0xc4));
    wood.setColorAt(1, QColor(0xd9, 0xc0, 0x8c));
    p.setBrush(wood);
    p.setPen(QPen(QColor(0x5a, 0x32, 0x14), 4));
    p.drawRoundedRect(sign, 10, 10);
    QFont f = p.font();
    f.setBold(true);
    f.setPixelSize(20);
    p.setFont(f);
    p.setPen(QColor(0x3a, 0x24, 0x10));
    p.drawText(QRectF(sign.left(), sign.top() + 8, sign.width(), 30), Qt::AlignCenter,
               QCoreApplication::translate("tess::ShellPictures", "ONLINE PLAY"));
    return pix;
}

QRect lobbyPictureCaptionArea() { return QRect(72, 82, 292, 60); }

QPixmap tableLayoutPicture(qreal scale) {
    const QRect design(0, 0, 158, 209);
    QPixmap pix = scaledCanvas(design.size(), scale);
    QPainter p(&pix);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(scale, scale);
    p.fillRect(design, feltDark);
    p.setPen(QPen(QColor(0xc8, 0xb4, 0x6e), 2));
    p.setBrush(Qt::NoBrush);
    p.drawRect(design.adjusted(1, 1, -2, -2));

    const QSizeF card(26, 36);
    // Foundations in the four corners, each started with a king.
    const QPointF corners[] = {{8, 22}, {124, 22}, {8, 150}, {124, 150}};
    const char* kings[] = {"K\u2663", "K\u2665", "K\u2660", "K\u2666"};
    for (int i = 0; i < 4; ++i)
        drawCard(p, QRectF(corners[i], card), true, QString::fromUtf8(kings[i]), i % 2 == 1);
    // Four tab spots in the middle, and the draw pile between them.
    const QPointF spots[] = {{40, 62}, {92, 62}, {40, 112}, {92, 112}};
    const char* tops[] = {"9\u2665", "", "4\u2660", "J\u2666"};
    for (int i = 0; i < 4; ++i) {
        if (*tops[i]) {
            drawCard(p, QRectF(spots[i], card), true, QString::fromUtf8(tops[i]), i != 2);
        } else {
            drawSlot(p, QRectF(spots[i], card));
        }
    }
    drawCard(p, QRectF(66, 164, 26, 36), false);
    drawCard(p, QRectF(68, 162, 26, 36), false);
    return pix;
}

QRect tableLayoutFoundationsCaption() { return QRect(0, 2, 158, 16); }
QRect tableLayoutTabSpotsCaption() { return QRect(20, 98, 118, 14); }
QRect tableLayoutDrawPileCaption() { return QRect(0, 148, 158, 14); }

QPixmap makerLogo(QSize size) {
    QPixmap pix(size);
    pix.fill(Qt::transparent);
    QPainter p(&pix);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF r(0.5, 0.5, size.width() - 1, size.height() - 1);
    QLinearGradient back(r.topLeft(), r.bottomLeft());
    back.setColorAt(0, QColor(0x1d, 0x3c, 0x78));
    back.setColorAt(1, QColor(0x0c, 0x1d, 0x40));
    p.setBrush(back);
    p.setPen(QPen(QColor(0xe8, 0xc5, 0x5a), 1));
    p.drawRoundedRect(r, size.height() / 6.0, size.height() / 6.0);

    QFont f(QStringLiteral("Sans Serif"));
    f.setBold(true);
    f.setLetterSpacing(QFont::PercentageSpacing, 115);
    f.setPixelSize(int(size.height() * (size.height() < 40 ? 0.7 : 0.42)));
    p.setFont(f);
    QPainterPath text;
    text.addText(0, 0, f, QStringLiteral("ORVANE"));
    const QRectF bounds = text.boundingRect();
    const qreal scale = qMin(1.0, (size.width() * 0.8) / bounds.width());
    p.translate(size.width() / 2.0 - bounds.center().x() * scale,
                (size.height() < 40 ? size.height() / 2.0 : size.height() * 0.42) -
                    bounds.center().y() * scale);
    p.scale(scale, scale);
    QLinearGradient gold(0, bounds.top(), 0, bounds.bottom());
    gold.setColorAt(0, QColor(0xff, 0xe9, 0x9c));
    gold.setColorAt(1, QColor(0xc8, 0x93, 0x1e));
    p.fillPath(text, gold);
    p.resetTransform();
    if (size.height() >= 40) {
        QFont small = f;
        small.setLetterSpacing(QFont::PercentageSpacing, 100);
        small.setBold(false);
        small.setPixelSize(int(size.height() * 0.16));
        p.setFont(small);
        p.setPen(QColor(0xdd, 0xe4, 0xf0));
        p.drawText(QRectF(0, size.height() * 0.68, size.width(), size.height() * 0.25),
                   Qt::AlignCenter,
                   QCoreApplication::translate("tess::ShellPictures", "GAMES TO PLAY TOGETHER"));
    }
    return pix;
}

QPixmap doneButtonPicture(qreal scale) {
    QPixmap pix = scaledCanvas(QSize(65, 29), scale);
    pix.fill(Qt::transparent);
    QPainter p(&pix);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(scale, scale);
    QLinearGradient g(0, 0, 0, 29);
    g.setColorAt(0, QColor(0xf6, 0xd3, 0x65));
    g.setColorAt(1, QColor(0xc0, 0x88, 0x18));
    p.setBrush(g);
    p.setPen(QPen(QColor(0x5a, 0x32, 0x14), 1.5));
    p.drawRoundedRect(QRectF(1, 1, 63, 27), 7, 7);
    QFont f = p.font();
    f.setBold(true);
    f.setPixelSize(14);
    p.setFont(f);
    p.setPen(QColor(0x3a, 0x24, 0x10));
    // The board's DONE button says the same, in every language.
    p.drawText(QRectF(0, 0, 65, 29), Qt::AlignCenter,
               QCoreApplication::translate("tess::Pictures", "DONE"));
    return pix;
}

QPixmap feltTile() {
    QImage tile(64, 64, QImage::Format_RGB32);
    // A fixed seed: the same felt every run.
    QRandomGenerator noise(7772);
    for (int y = 0; y < tile.height(); ++y)
        for (int x = 0; x < tile.width(); ++x) {
            const int d = int(noise.bounded(13)) - 6;
            tile.setPixelColor(x, y, QColor(0x1f + d, 0x6e + d, 0x42 + d));
        }
    return QPixmap::fromImage(tile);
}

void applyBackground(QWidget* widget, const QPixmap& tile) {
    QPalette palette = widget->palette();
    palette.setBrush(QPalette::Window, QBrush(tile));
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
}

}  // namespace tess
