#include "records/picture_push_button.h"

#include <QPainter>

namespace tess {

PicturePushButton::PicturePushButton(pictures::Button kind, const QString& name, QWidget* parent)
    : QAbstractButton(parent), kind_(kind) {
    setObjectName(name);
    setText(name);
    resize(sizeHint());
    setCursor(Qt::PointingHandCursor);
    setFocusPolicy(Qt::NoFocus);
}

void PicturePushButton::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.drawPixmap(0, 0, pictures::button(kind_, isDown(), devicePixelRatioF()));
}

}  // namespace tess
