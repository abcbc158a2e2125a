#include "records/felt_window.h"

#include <QEvent>
#include <QWidget>

#include "assets/pictures/pictures.h"

namespace tess {

namespace {

class FeltOnPolish : public QObject {
public:
    FeltOnPolish(QWidget* window, QSize size) : QObject(window), size_(size) {}

    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() != QEvent::Polish) return false;
        auto* window = static_cast<QWidget*>(watched);
        QPalette p = window->palette();
        p.setBrush(QPalette::Window,
                   QBrush(pictures::feltBackground(size_, window->devicePixelRatioF())));
        window->setPalette(p);
        window->removeEventFilter(this);
        return false;
    }

private:
    QSize size_;
};

}  // namespace

void useFeltBackground(QWidget* window, QSize size) {
    window->setAutoFillBackground(true);
    window->installEventFilter(new FeltOnPolish(window, size));
}

}  // namespace tess
