// An up-down spinner attached to a field: its arrows (and the arrow keys in the field)
// move the value by a step and stop at the ends of the range, no wrapping. Digits typed
// in the field are taken when the field is left or Enter is pressed, clamped to the range.
#pragma once

#include <QWidget>

class QLineEdit;
class QToolButton;

namespace tess {

class UpDown : public QWidget {
    Q_OBJECT
public:
    static constexpr int arrowWidth = 17;

    // Shows its value in `field`, which takes digits only, and places itself beside it.
    UpDown(QLineEdit* field, int minimum, int maximum, int step, int value, QWidget* parent);

    int value() const { return value_; }
    int minimum() const { return minimum_; }
    int maximum() const { return maximum_; }
    int step() const { return step_; }
    // Clamped to the range; a value between two steps is kept as it is.
    void setValue(int value);
    void stepUp() { setValue(value_ + step_); }
    void stepDown() { setValue(value_ - step_); }
    // Takes what was typed in the field (clamped; nothing typed keeps the value).
    void commitTyped();

    QToolButton* upButton() const { return up_; }
    QToolButton* downButton() const { return down_; }

signals:
    void valueChanged(int value);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QLineEdit* field_;
    QToolButton* up_;
    QToolButton* down_;
    int minimum_, maximum_, step_;
    int value_;
};

}  // namespace tess
