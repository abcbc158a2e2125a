// The main window's felt as the background of one of the program's other windows.
#pragma once

#include <QSize>

class QWidget;

namespace tess {

// `window` (of client size `size`) fills its background with the felt. The picture is
// drawn when the window is first painted, as it is shown or grabbed, so a window that
// is never opened costs neither the drawing nor the memory.
void useFeltBackground(QWidget* window, QSize size);

}  // namespace tess
