// Painting routines behind pictures.h. Each paints in logical pixels on a painter that
// has antialiasing on and is already scaled to the device pixel ratio.
#pragma once

#include <QColor>
#include <QFont>
#include <QPainterPath>
#include <QRectF>
#include <QString>

class QPainter;

namespace tess::pictures::detail {

enum class Suit { clubs, hearts, spades, diamonds };

Suit suitOf(int cardNumber);
int rankOf(int cardNumber);
QColor suitColour(Suit suit);

// The suit symbol filling `box`, turned upside down for the lower half of a card.
void fillSuit(QPainter& p, Suit suit, const QRectF& box, bool upsideDown = false);
// Text as a path scaled to fit `box` (keeping its proportions unless `squeeze` allows
// narrowing it), centred in the box.
QPainterPath fittedText(const QString& text, const QFont& font, const QRectF& box,
                        qreal squeeze = 1.0);
QFont sansFont(int pixelSize, bool bold = true);
QFont serifFont(int pixelSize);

// Ornaments shared by the court cards and the empty foundation.
QPainterPath crownPath(const QRectF& box);

void paintFace(QPainter& p, int cardNumber);
void paintCourt(QPainter& p, Suit suit, int rank);
void paintBack(QPainter& p);
void paintEmptyFoundation(QPainter& p);
void paintEmptyTabSpot(QPainter& p);
void paintEmptyPile(QPainter& p);

void paintNotPlaying(QPainter& p);
void paintWinner(QPainter& p);
void paintTurnArrow(QPainter& p);
void paintEyes(QPainter& p);
void paintTextButton(QPainter& p, const QSize& size, const QString& text, bool pressed);
void paintPhraseButton(QPainter& p, int n, bool pressed);
void paintMusicButton(QPainter& p, bool pressed);
void paintHighlightFrame(QPainter& p, const QSize& size);
void paintMessagePanel(QPainter& p, const QSize& size);

}  // namespace tess::pictures::detail
