// What a screen reader finds on the card table: the board itself, and inside it every
// piece the user plays with (the hand's cards, the tab spots, the foundations and the
// draw pile), each named as the keyboard marker describes it and placed where it is drawn.
#pragma once

class QAccessibleInterface;
class QObject;
class QString;

namespace tess {

// Installed once: the board answers screen readers with its pieces as children.
void installBoardAccessibility();

}  // namespace tess
