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
    QSize sizeHint() const override { return pictures::buttonSize(kind_); }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    pictures::Button kind_;
};

}  // namespace tess
