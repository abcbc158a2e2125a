#include "social/chat_scroll_bar.h"

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

void ChatScrollBar::paintEvent(QPaintEvent* event) {
    painted_ = look();
    everPainted_ = true;
    QScrollBar::paintEvent(event);
}

}  // namespace tess
