// The quick instructions panel laid over the card table: hidden at start, shown and
// raised from the Help menu (and once on a first run), hidden by its DONE button. It is
// drawn at the board's scale and grows beyond its design size where its texts need it.
#pragma once

#include <QFrame>

class QToolButton;

namespace tess {

class QuickInstructionsPanel : public QFrame {
    Q_OBJECT
public:
    static constexpr QPoint boardPosition{40, 64};
    static constexpr QSize designSize{625, 361};

    // Placed at boardPosition on `board`.
    explicit QuickInstructionsPanel(QWidget* board = nullptr);

    void setVisible(bool visible) override;
    // Texts, pictures and the panel itself `scale` times their design size.
    void setScale(qreal scale);
    qreal scale() const { return scale_; }

public slots:
    void showQuickInstructions();
    void button_doneClick();

protected:
    bool event(QEvent* event) override;

private:
    void build();
    void rebuild();
    void fit();

    bool built_ = false;
    qreal scale_ = 1;
};

}  // namespace tess
