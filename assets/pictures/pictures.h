// Every picture of the table, drawn in code so it is sharp at any screen scale. Each
// function takes the device pixel ratio of the screen it is drawn on and returns a
// pixmap of the logical size times that ratio, with the ratio set. Pictures are cached
// per picture and ratio. Needs a QGuiApplication; call from the GUI thread only.
#pragma once

#include <QPixmap>
#include <QRectF>
#include <QSize>

class QPainter;

namespace tess::pictures {

constexpr int cardWidth = 60, cardHeight = 82;

// The card picture list: 0 the back, 1..52 the faces (clubs, hearts, spades, diamonds
// in blocks of 13, ace first), then the empty foundation, the empty tab spot and the
// empty draw pile.
constexpr int cardListSize = 56;
constexpr int backIndex = 0;
constexpr int emptyFoundationIndex = 53;  // a crown
constexpr int emptyTabSpotIndex = 54;
constexpr int emptyPileIndex = 55;  // a red cross

// Another seat's fan of backs: each further card is this many pixels to the right.
constexpr int fanStep = 3;
constexpr int maxFanCount = 52;

constexpr QSize notPlayingSize{99, 21}, winnerSize{150, 32};
constexpr QSize turnArrowSize{21, 27}, eyesSize{23, 10};
constexpr QSize startGameSize{135, 29}, doneSize{65, 29}, okSize{65, 29};
constexpr QSize phraseButtonSize{27, 23};

// A null pixmap for an index outside 0..55.
QPixmap card(int index, qreal dpr);
// A null pixmap for a card number outside 1..52.
QPixmap cardFace(int cardNumber, qreal dpr);
QPixmap back(qreal dpr);

enum class Spot { emptyFoundation, emptyTabSpot, emptyPile };
// The same pictures as card 53, 54 and 55.
QPixmap spotMarker(Spot spot, qreal dpr);

// Width 57 + fanStep × count, height 82; a null pixmap for a count outside 1..maxFanCount.
QSize handFanSize(int count);
QPixmap handFan(int count, qreal dpr);

enum class Banner { notPlaying, winner };
QPixmap banner(Banner which, qreal dpr);
QPixmap turnArrow(qreal dpr);
QPixmap eyes(qreal dpr);

enum class Button { startGame, done, ok };
QSize buttonSize(Button which);
// The words on a button's picture, in the user's language.
QString buttonText(Button which);
QPixmap button(Button which, bool pressed, qreal dpr);
// Phrase buttons P1..P9; a null pixmap for n outside 1..9.
QPixmap phraseButton(int n, bool pressed, qreal dpr);
// The chatter sounds button: a musical symbol on a phrase button.
QPixmap musicSymbol(bool pressed, qreal dpr);

// The lime frame (3 px border, clear inside) around a selected tab spot, and the
// background of the kings message panel; null for an empty or oversized size.
QPixmap highlightFrame(QSize size, qreal dpr);
QPixmap messagePanel(QSize size, qreal dpr);

// The main window's background: `whole` in the wooden rim colour and, inside it, the
// green felt lit from its play area. The board paints itself with it; the program's
// other windows take it as their background picture (feltBackground).
void paintFelt(QPainter& p, const QRectF& whole, const QRectF& felt);
// The same picture for a window of `size`; null for an empty or oversized size.
QPixmap feltBackground(QSize size, qreal dpr);

}  // namespace tess::pictures
