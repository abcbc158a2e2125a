#include "social/chat_scroll_bar.h"

#include <QDataStream>
#include <QIODevice>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionSlider>

namespace tess {

ChatScrollBar::Look ChatScrollBar::look() const {
    QStyleOptionSlider option;
    initStyleOption(&option);
    Look now;
    now.handle =
        style()->subControlRect(QStyle::CC_ScrollBar, &option, QStyle::SC_ScrollBarSlider, this);
    now.atMinimum = value() == minimum();
    now.atMaximum = value() == maximum();
    now.empty = minimum() == maximum();
    return now;
}

void ChatScrollBar::sliderChange(SliderChange change) {
    // Other changes (steps, orientation) and every event still repaint as usual.
    const bool moved = change == SliderRangeChange || change == SliderValueChange;
    if (moved && held_) {
        changedWhileHeld_ = true;
        return;
    }
    if (moved && everPainted_ && look() == painted_) return;
    QScrollBar::sliderChange(change);
}

void ChatScrollBar::release() {
    held_ = false;
    if (!changedWhileHeld_) return;
    changedWhileHeld_ = false;
    if (!everPainted_ || look() != painted_) update();
}

bool ChatScrollBar::paintKept() {
    if (underMouse() || isSliderDown()) return false;
    QStyleOptionSlider option;
    initStyleOption(&option);
    option.subControls = QStyle::SC_All;
    option.activeSubControls = QStyle::SC_None;
    const qreal ratio = devicePixelRatioF();
    QByteArray key;
    {
        QDataStream out(&key, QIODevice::WriteOnly);
        out << option.rect << int(option.state) << option.direction << option.palette.cacheKey()
            << option.fontMetrics.height() << option.minimum << option.maximum
            << option.sliderPosition << option.sliderValue << option.pageStep << option.singleStep
            << option.upsideDown << ratio << quintptr(style()) << int(option.orientation);
    }
    if (key != keptFor_ || kept_.isNull()) {
        QPixmap picture((QSizeF(size()) * ratio).toSize());
        picture.setDevicePixelRatio(ratio);
        picture.fill(Qt::transparent);
        QPainter painter(&picture);
        style()->drawComplexControl(QStyle::CC_ScrollBar, &option, &painter, this);
        painter.end();
        kept_ = picture;
        keptFor_ = key;
    }
    QPainter(this).drawPixmap(0, 0, kept_);
    return true;
}

void ChatScrollBar::paintEvent(QPaintEvent* event) {
    painted_ = look();
    everPainted_ = true;
    if (!paintKept()) QScrollBar::paintEvent(event);
}

}  // namespace tess
