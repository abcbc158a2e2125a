#include "social/chat_line_tiles.h"

#include <QPainter>
#include <QTextBlock>
#include <QTextLayout>
#include <memory>

namespace tess {

void ChatLineTiles::draw(QPainter& painter, const QTextBlock& block, const QRectF& bounds,
                         QColor pen, const QBrush& background, qreal pixelRatio) {
    // Whole pixels, so that neighbouring lines meet without a seam.
    const QRect place(QPoint(qRound(bounds.left()), qRound(bounds.top())),
                      QPoint(qRound(bounds.right()) - 1, qRound(bounds.bottom()) - 1));
    if (place.isEmpty()) return;
    const Key key{block.blockNumber(), pen.rgba(), background.color().rgba(), place, pixelRatio};
    if (const QPixmap* tile = tiles_.object(key)) {
        painter.drawPixmap(place.topLeft(), *tile);
        return;
    }
    auto tile = std::make_unique<QPixmap>(place.size() * pixelRatio);
    tile->setDevicePixelRatio(pixelRatio);
    {
        QPainter p(tile.get());
        p.fillRect(QRect(QPoint(), place.size()), background);
        p.translate(-place.topLeft());
        p.setPen(pen);
        // A block's layout holds its own position in the document.
        block.layout()->draw(&p, QPointF(), {}, QRectF(place));
    }
    painter.drawPixmap(place.topLeft(), *tile);
    const qsizetype bytes = static_cast<qsizetype>(tile->width()) * tile->height() * 4;
    tiles_.insert(key, tile.release(), bytes);
}

}  // namespace tess
