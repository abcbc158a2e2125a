// The quick instructions panel laid over the card table: hidden at start, shown and
// raised from the Help menu (and once on a first run), hidden by its DONE button.
#pragma once

#include <QFrame>

class QToolButton;

namespace tess {

class QuickInstructionsPanel : public QFrame {
    Q_OBJECT
public:
    static constexpr QPoint boardPosition{40, 64};

    // Placed at boardPosition on `board`.
    explicit QuickInstructionsPanel(QWidget* board = nullptr);

    void setVisible(bool visible) override;

public slots:
    void showQuickInstructions();
    void button_doneClick();

private:
    void build();

    bool built_ = false;
};

}  // namespace tess
