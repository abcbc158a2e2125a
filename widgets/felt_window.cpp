#include "widgets/felt_window.h"

#include <QEvent>
#include <QPainter>
#include <QWidget>

#include "assets/pictures/pictures.h"

namespace tess {

namespace {

class FeltOnFirstPaint : public QObject {
public:
    FeltOnFirstPaint(QWidget* window, QSize size) : QObject(window), size_(size) {}

    // Qt polishes every window soon after it is made, shown or not: the first paint
    // (on the screen or into a grab) is the first moment the felt is needed. That
    // paint's background is already filled, so it draws the felt itself once.
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() != QEvent::Paint) return false;
        auto* window = static_cast<QWidget*>(watched);
        window->removeEventFilter(this);
        const QPixmap felt = pictures::feltBackground(size_, window->devicePixelRatioF());
        QPalette p = window->palette();
        p.setBrush(QPalette::Window, QBrush(felt));
        window->setPalette(p);
        QPainter(window).drawPixmap(0, 0, felt);
        deleteLater();
        return false;
    }

private:
    QSize size_;
};

}  // namespace

void useFeltBackground(QWidget* window, QSize size) {
    window->setAutoFillBackground(true);
    window->installEventFilter(new FeltOnFirstPaint(window, size));
}

}  // namespace tess
