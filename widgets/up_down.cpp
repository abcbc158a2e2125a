#include "widgets/up_down.h"

#include <QIntValidator>
#include <QKeyEvent>
#include <QLineEdit>
#include <QToolButton>
#include <algorithm>

namespace tess {

UpDown::UpDown(QLineEdit* field, int minimum, int maximum, int step, int value, QWidget* parent)
    : QWidget(parent),
      field_(field),
      up_(new QToolButton(this)),
      down_(new QToolButton(this)),
      minimum_(minimum),
      maximum_(maximum),
      step_(step),
      value_(std::clamp(value, minimum, maximum)) {
    field_->setValidator(new QIntValidator(0, 9999, field_));
    field_->setMaxLength(4);
    field_->setText(QString::number(value_));
    connect(field_, &QLineEdit::editingFinished, this, &UpDown::commitTyped);
    field_->installEventFilter(this);
    setGeometry(field_->x() + field_->width(), field_->y(), arrowWidth, field_->height());

    const int half = field_->height() / 2;
    up_->setObjectName(QStringLiteral("up"));
    up_->setArrowType(Qt::UpArrow);
    up_->setGeometry(0, 0, arrowWidth, half);
    down_->setObjectName(QStringLiteral("down"));
    down_->setArrowType(Qt::DownArrow);
    down_->setGeometry(0, half, arrowWidth, field_->height() - half);
    up_->setAccessibleName(tr("Up"));
    down_->setAccessibleName(tr("Down"));
    for (QToolButton* b : {up_, down_}) {
        b->setAutoRepeat(true);
        b->setFocusPolicy(Qt::NoFocus);
    }
    connect(up_, &QToolButton::clicked, this, &UpDown::stepUp);
    connect(down_, &QToolButton::clicked, this, &UpDown::stepDown);
}

void UpDown::commitTyped() {
    bool ok = false;
    const int typed = field_->text().toInt(&ok);
    if (ok) setValue(typed);
    field_->setText(QString::number(value_));  // what was taken, clamped
}

void UpDown::setValue(int value) {
    value = std::clamp(value, minimum_, maximum_);
    if (value == value_) return;
    value_ = value;
    field_->setText(QString::number(value_));
    emit valueChanged(value_);
}

bool UpDown::eventFilter(QObject* watched, QEvent* event) {
    if (watched == field_ && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Up) {
            commitTyped();
            stepUp();
            return true;
        }
        if (key == Qt::Key_Down) {
            commitTyped();
            stepDown();
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

}  // namespace tess
