#include "shell/window_place.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>
#include <algorithm>

namespace tess {

namespace {

// The start of a span of `length` inside [begin, begin + room), as near to `wanted` as
// possible; at `begin` when it does not fit.
int fitSpan(qint64 wanted, int length, int begin, int room) {
    const qint64 last = static_cast<qint64>(begin) + room - length;
    return static_cast<int>(std::max<qint64>(begin, std::min(wanted, last)));
}

const QScreen* screenFor(const QWidget* window, int left, int top, int width, int height) {
    const qint64 x = static_cast<qint64>(left) + std::max(width, 0) / 2;
    const qint64 y = static_cast<qint64>(top) + std::max(height, 0) / 2;
    const auto inInt = [](qint64 v) {
        return static_cast<int>(std::clamp<qint64>(v, std::numeric_limits<int>::min(),
                                                   std::numeric_limits<int>::max()));
    };
    if (const QScreen* at = QGuiApplication::screenAt(QPoint(inInt(x), inInt(y)))) return at;
    if (const QScreen* own = window->screen()) return own;
    return QGuiApplication::primaryScreen();
}

}  // namespace

void centreWindow(QWidget* window, const QWidget* over) {
    QRect frame = window->frameGeometry();
    if (over && over->window()->isVisible()) {
        frame.moveCenter(over->window()->frameGeometry().center());
    } else if (const QScreen* screen = window->screen()) {
        frame.moveCenter(screen->availableGeometry().center());
    } else {
        return;
    }
    // A window larger than the one it is centred over stays on that screen.
    const QScreen* screen = over ? over->window()->screen() : window->screen();
    if (screen) {
        const QRect area = screen->availableGeometry();
        frame =
            fitInto(area, frame.left(), frame.top(), frame.width(), frame.height(), frame.size());
    }
    window->move(frame.topLeft());
}

QRect fitInto(const QRect& area, int left, int top, int width, int height, QSize least) {
    const int w = std::max({std::min(width, area.width()), least.width(), 1});
    const int h = std::max({std::min(height, area.height()), least.height(), 1});
    return QRect(fitSpan(left, w, area.left(), area.width()),
                 fitSpan(top, h, area.top(), area.height()), w, h);
}

void placeWindow(QWidget* window, int left, int top, int width, int height) {
    const QScreen* screen = screenFor(window, left, top, width, height);
    if (!screen) {
        window->setGeometry(fitInto(QRect(0, 0, 32767, 32767), left, top, width, height));
        return;
    }
    // The frame too stays on the screen, once the window has one; a window manager would
    // move a window whose title bar is off the screen anyway.
    const QRect frame = window->frameGeometry(), inner = window->geometry();
    const QRect area = screen->availableGeometry().marginsRemoved(
        QMargins(inner.left() - frame.left(), inner.top() - frame.top(),
                 frame.right() - inner.right(), frame.bottom() - inner.bottom()));
    // The size first: the window's smallest size may make it larger than asked.
    window->setGeometry(fitInto(area, left, top, width, height));
    window->setGeometry(fitInto(area, left, top, width, height, window->size()));
}

}  // namespace tess
