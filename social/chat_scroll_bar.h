// The chat view's scroll bar. A line added to a long chat moves the handle by less than a
// pixel, so the bar looks the same; it repaints only when what it shows has changed.
#pragma once

#include <QPixmap>
#include <QRect>
#include <QScrollBar>

namespace tess {

class ChatScrollBar : public QScrollBar {
public:
    explicit ChatScrollBar(QWidget* parent = nullptr) : QScrollBar(Qt::Vertical, parent) {}

    // Adding a line first grows the range and then moves to the end, which together often
    // change nothing on screen: while held, the bar repaints only once, after release.
    void hold() { held_ = true; }
    void release();

protected:
    void sliderChange(SliderChange change) override;
    void paintEvent(QPaintEvent* event) override;

private:
    // What a change of range or value can alter on screen.
    struct Look {
        QRect handle;
        bool atMinimum = false, atMaximum = false, empty = false;
        bool operator==(const Look&) const = default;
    };
    Look look() const;
    // The bar at rest (not under the mouse, not held down), drawn by the style once and
    // shown again until anything it depends on changes: a tall bar's gradients cost
    // milliseconds to draw, and a whole window's repaint draws it unchanged.
    bool paintKept();

    Look painted_;
    bool everPainted_ = false;
    bool held_ = false;
    bool changedWhileHeld_ = false;
    QPixmap kept_;
    QByteArray keptFor_;
};

}  // namespace tess
