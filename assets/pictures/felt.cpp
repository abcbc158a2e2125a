// The main window's background: green felt in a wooden rim, lit from the play area.
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

#include "assets/pictures/pictures.h"

namespace tess::pictures {

void paintFelt(QPainter& p, const QRectF& whole, const QRectF& felt) {
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.fillRect(whole, QColor(74, 44, 22));
    // The light sits at the same place of any felt as on the board (764 x 526).
    const QPointF light(felt.left() + felt.width() * 228 / 764,
                        felt.top() + felt.height() * 248 / 526);
    QRadialGradient gradient(light, 520 * felt.width() / 764);
    gradient.setColorAt(0, QColor(24, 128, 62));
    gradient.setColorAt(1, QColor(8, 70, 34));
    QPainterPath cloth;
    cloth.addRoundedRect(felt.adjusted(3, 3, -3, -3), 14, 14);
    p.fillPath(cloth, gradient);
    p.setPen(QPen(QColor(196, 160, 84), 2));
    p.drawPath(cloth);
    p.restore();
}

QPixmap feltBackground(QSize size, qreal dpr) {
    if (size.isEmpty() || size.width() > 4096 || size.height() > 4096) return {};
    QPixmap pix(size * dpr);
    pix.setDevicePixelRatio(dpr);
    QPainter p(&pix);
    const QRectF whole(QPointF(0, 0), QSizeF(size));
    paintFelt(p, whole, whole.adjusted(2, 2, -2, -2));
    return pix;
}

}  // namespace tess::pictures
