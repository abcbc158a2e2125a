#include "shell/window_place.h"

#include <QScreen>
#include <QWidget>

namespace tess {

void centreWindow(QWidget* window, const QWidget* over) {
    QRect frame = window->frameGeometry();
    if (over && over->window()->isVisible()) {
        frame.moveCenter(over->window()->frameGeometry().center());
    } else if (const QScreen* screen = window->screen()) {
        frame.moveCenter(screen->availableGeometry().center());
    } else {
        return;
    }
    window->move(frame.topLeft());
}

}  // namespace tess
