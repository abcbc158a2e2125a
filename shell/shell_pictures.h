// Pictures of the download, help and about windows, drawn by the program.
#pragma once

#include <QPixmap>
#include <QRect>
#include <QSize>

class QWidget;

namespace tess {

// 436 x 360: a card table under a sign; the caption goes in lobbyPictureCaptionArea().
QPixmap lobbyPicture();
QRect lobbyPictureCaptionArea();

// 158 x 209 times `scale`: foundations in the corners, four tab spots and the draw pile;
// the captions go at the three returned places (at scale 1).
QPixmap tableLayoutPicture(qreal scale = 1);
QRect tableLayoutFoundationsCaption();
QRect tableLayoutTabSpotsCaption();
QRect tableLayoutDrawPileCaption();

// The maker's logo at any size (264 x 75 in the about window, 243 x 24 on the table).
QPixmap makerLogo(QSize size);

// A 65 x 29 picture button face with the word DONE, times `scale`.
QPixmap doneButtonPicture(qreal scale = 1);

// The felt the game's windows are painted with; a tile that repeats.
QPixmap feltTile();
// Paints `widget`'s background with `tile` repeated.
void applyBackground(QWidget* widget, const QPixmap& tile);

}  // namespace tess
