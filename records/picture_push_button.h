// A flat button drawn from one of the table's pictures, for the small windows around
// the table (the game start window's start button, the spy list's Done).
#pragma once

#include <QAbstractButton>

#include "assets/pictures/pictures.h"

namespace tess {

class PicturePushButton : public QAbstractButton {
    Q_OBJECT
public:
    PicturePushButton(pictures::Button kind, const QString& name, QWidget* parent);
    QSize sizeHint() const override { return pictures::buttonSize(kind_); }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    pictures::Button kind_;
};

}  // namespace tess
