#include "client/picture_button.h"

#include <QPainter>

namespace tess {

PictureButton::PictureButton(pictures::Button kind, const QString& name, QWidget* parent)
    : QAbstractButton(parent), kind_(kind) {
    setObjectName(name);
    setText(name);
    resize(sizeHint());
    setCursor(Qt::PointingHandCursor);
    setFocusPolicy(Qt::NoFocus);
}

void PictureButton::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.drawPixmap(0, 0, pictures::button(kind_, isDown(), devicePixelRatioF()));
}

}  // namespace tess
