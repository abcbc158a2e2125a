#include "assets/pictures/pictures.h"

#include <QCoreApplication>

#include <QImage>
#include <QPainter>
#include <QPixmapCache>
#include <cmath>
#include <functional>

#include "assets/pictures/drawing.h"

namespace tess::pictures {
namespace {

using detail::Suit;

// Ratios beyond any real screen would only cost memory.
constexpr qreal maxRatio = 8.0;
constexpr int maxFreeSide = 1024;

qreal saneRatio(qreal dpr) {
    if (!std::isfinite(dpr) || dpr <= 0) return 1.0;
    return std::min(dpr, maxRatio);
}

QPixmap render(const QSize& logical, qreal dpr, const std::function<void(QPainter&)>& paint) {
    const QSize pixels(qCeil(logical.width() * dpr), qCeil(logical.height() * dpr));
    QImage image(pixels, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    image.setDevicePixelRatio(dpr);
    {
        QPainter p(&image);
        p.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing |
                         QPainter::SmoothPixmapTransform);
        paint(p);
    }
    return QPixmap::fromImage(std::move(image));
}

// Drawn once per picture and ratio; later calls share the cached pixmap.
QPixmap cached(const QString& name, const QSize& logical, qreal dpr,
               const std::function<void(QPainter&)>& paint) {
    dpr = saneRatio(dpr);
    // The ratio in thousandths: formatting a double goes through the locale, which cost
    // more than the lookup itself on every draw.
    const QString key = QStringLiteral("tess-pictures/") + name + QLatin1Char('@') +
                        QString::number(qRound64(dpr * 1000));
    QPixmap pixmap;
    if (QPixmapCache::find(key, &pixmap)) return pixmap;
    pixmap = render(logical, dpr, paint);
    QPixmapCache::insert(key, pixmap);
    return pixmap;
}

constexpr QSize cardSize{cardWidth, cardHeight};

bool freeSizeOk(const QSize& size) {
    return size.width() > 0 && size.height() > 0 && size.width() <= maxFreeSide &&
           size.height() <= maxFreeSide;
}

}  // namespace

QPixmap card(int index, qreal dpr) {
    if (index < 0 || index >= cardListSize) return {};
    return cached(QStringLiteral("card%1").arg(index), cardSize, dpr, [index](QPainter& p) {
        switch (index) {
            case backIndex:
                detail::paintBack(p);
                break;
            case emptyFoundationIndex:
                detail::paintEmptyFoundation(p);
                break;
            case emptyTabSpotIndex:
                detail::paintEmptyTabSpot(p);
                break;
            case emptyPileIndex:
                detail::paintEmptyPile(p);
                break;
            default:
                detail::paintFace(p, index);
                break;
        }
    });
}

QPixmap cardFace(int cardNumber, qreal dpr) {
    if (cardNumber < 1 || cardNumber > 52) return {};
    return card(cardNumber, dpr);
}

QPixmap back(qreal dpr) { return card(backIndex, dpr); }

QPixmap spotMarker(Spot spot, qreal dpr) {
    switch (spot) {
        case Spot::emptyFoundation:
            return card(emptyFoundationIndex, dpr);
        case Spot::emptyTabSpot:
            return card(emptyTabSpotIndex, dpr);
        case Spot::emptyPile:
            return card(emptyPileIndex, dpr);
    }
    return {};
}

QSize handFanSize(int count) {
    if (count < 1 || count > maxFanCount) return {};
    return {cardWidth - fanStep + fanStep * count, cardHeight};
}

QPixmap handFan(int count, qreal dpr) {
    const QSize size = handFanSize(count);
    if (size.isEmpty()) return {};
    const QPixmap cardBack = back(saneRatio(dpr));
    return cached(QStringLiteral("fan%1").arg(count), size, dpr, [&](QPainter& p) {
        for (int i = 0; i < count; ++i)
            p.drawPixmap(QPointF(fanStep * i, 0), cardBack);
    });
}

QPixmap banner(Banner which, qreal dpr) {
    if (which == Banner::winner)
        return cached(QStringLiteral("winner"), winnerSize, dpr, detail::paintWinner);
    return cached(QStringLiteral("notplaying"), notPlayingSize, dpr, detail::paintNotPlaying);
}

QPixmap turnArrow(qreal dpr) {
    return cached(QStringLiteral("turnarrow"), turnArrowSize, dpr, detail::paintTurnArrow);
}

QPixmap eyes(qreal dpr) { return cached(QStringLiteral("eyes"), eyesSize, dpr, detail::paintEyes); }

QSize buttonSize(Button which) {
    switch (which) {
        case Button::startGame:
            return startGameSize;
        case Button::done:
            return doneSize;
        case Button::ok:
            return okSize;
    }
    return {};
}

QString buttonText(Button which) {
    switch (which) {
        case Button::startGame:
            return QCoreApplication::translate("tess::Pictures", "START GAME");
        case Button::done:
            return QCoreApplication::translate("tess::Pictures", "DONE");
        case Button::ok:
            return QCoreApplication::translate("tess::Pictures", "OK");
    }
    return {};
}

QPixmap button(Button which, bool pressed, qreal dpr) {
    const QString text = buttonText(which);
    const QSize size = buttonSize(which);
    const QString name = QStringLiteral("button-%1-%2").arg(text).arg(pressed);
    return cached(name, size, dpr,
                  [&](QPainter& p) { detail::paintTextButton(p, size, text, pressed); });
}

QPixmap phraseButton(int n, bool pressed, qreal dpr) {
    if (n < 1 || n > 9) return {};
    const QString name = QStringLiteral("phrase%1-%2").arg(n).arg(pressed);
    return cached(name, phraseButtonSize, dpr,
                  [&](QPainter& p) { detail::paintPhraseButton(p, n, pressed); });
}

QPixmap musicSymbol(bool pressed, qreal dpr) {
    return cached(QStringLiteral("music-%1").arg(pressed), phraseButtonSize, dpr,
                  [&](QPainter& p) { detail::paintMusicButton(p, pressed); });
}

QPixmap highlightFrame(QSize size, qreal dpr) {
    if (!freeSizeOk(size)) return {};
    const QString name = QStringLiteral("frame%1x%2").arg(size.width()).arg(size.height());
    return cached(name, size, dpr, [&](QPainter& p) { detail::paintHighlightFrame(p, size); });
}

QPixmap messagePanel(QSize size, qreal dpr) {
    if (!freeSizeOk(size)) return {};
    const QString name = QStringLiteral("panel%1x%2").arg(size.width()).arg(size.height());
    return cached(name, size, dpr, [&](QPainter& p) { detail::paintMessagePanel(p, size); });
}

}  // namespace tess::pictures
