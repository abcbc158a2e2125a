#pragma once

#include <QRect>

class QWidget;

namespace tess {

// Centres `window` over `over`'s top-level window, or on its screen when `over` is null.
void centreWindow(QWidget* window, const QWidget* over);

// A window of at most `area`'s size that lies inside `area`, as near to the stored
// placement as that allows. Any stored numbers are taken, however large or negative;
// `least` is the smallest size the window can take (then it may be larger than the
// area, and starts at the area's top-left corner).
QRect fitInto(const QRect& area, int left, int top, int width, int height, QSize least = {});

// Places a top-level window at a stored placement (its geometry without the frame),
// kept with its frame inside the available area of the screen the placement lies on
// (else the window's own screen).
void placeWindow(QWidget* window, int left, int top, int width, int height);

}  // namespace tess
