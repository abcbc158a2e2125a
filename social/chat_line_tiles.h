// Pictures of chat lines as last painted, one per line and pen colour. A sender who
// changes colour recolours every line of theirs on screen; with the pictures kept, going
// back to an earlier colour costs a copy per line instead of drawing its text again.
#pragma once

#include <QCache>
#include <QColor>
#include <QPixmap>
#include <QRect>

class QPainter;
class QTextBlock;

namespace tess {

class ChatLineTiles {
public:
    // At most this many bytes of pictures are kept; the least recently shown go first.
    static constexpr qsizetype maxBytes = 4 * 1024 * 1024;

    ChatLineTiles() : tiles_(maxBytes) {}

    // Draws `block`'s line, laid out within `bounds`, with `pen` on `background`.
    void draw(QPainter& painter, const QTextBlock& block, const QRectF& bounds, QColor pen,
              const QBrush& background, qreal pixelRatio);
    // Lines changed their layout (size, width, cleared): the pictures are stale.
    void clear() { tiles_.clear(); }

private:
    struct Key {
        int block;
        QRgb pen, background;
        QRect place;
        qreal pixelRatio;
        bool operator==(const Key&) const = default;
        friend size_t qHash(const Key& key, size_t seed = 0) {
            return qHashMulti(seed, key.block, key.pen, key.background, key.place.x(),
                              key.place.y(), key.place.width(), key.place.height(), key.pixelRatio);
        }
    };

    QCache<Key, QPixmap> tiles_;
};

}  // namespace tess
