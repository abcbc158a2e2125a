#include "widgets/picture_push_button.h"

#include <QPainter>

namespace tess {

PicturePushButton::PicturePushButton(pictures::Button kind, const QString& name, QWidget* parent)
    : QAbstractButton(parent), kind_(kind) {
    setObjectName(name);
    setText(pictures::buttonText(kind));  // what a screen reader says of it
    resize(sizeHint());
    setCursor(Qt::PointingHandCursor);
    setFocusPolicy(Qt::NoFocus);
}

QSize PicturePushButton::sizeHint() const {
    const QSize design = pictures::buttonSize(kind_);
    return {qRound(design.width() * scale_), qRound(design.height() * scale_)};
}

void PicturePushButton::setScale(qreal scale) {
    if (scale == scale_) return;
    scale_ = scale;
    resize(sizeHint());
    updateGeometry();
    update();
}

void PicturePushButton::paintEvent(QPaintEvent*) {
    QPainter p(this);
    // Redrawn at the scaled size rather than a stretched bitmap.
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    p.scale(scale_, scale_);
    p.drawPixmap(0, 0, pictures::button(kind_, isDown(), devicePixelRatioF() * scale_));
}

}  // namespace tess
