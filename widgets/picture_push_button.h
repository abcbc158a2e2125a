// A flat button drawn from one of the table's pictures (START GAME, DONE, OK), crisp at
// the screen's scale.
#pragma once

#include <QAbstractButton>

#include "assets/pictures/pictures.h"

namespace tess {

class PicturePushButton : public QAbstractButton {
    Q_OBJECT
public:
    PicturePushButton(pictures::Button kind, const QString& name, QWidget* parent);
    QSize sizeHint() const override;
    // Drawn `scale` times its picture's size (the table grows with its window).
    void setScale(qreal scale);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    pictures::Button kind_;
    qreal scale_ = 1;
};

}  // namespace tess
