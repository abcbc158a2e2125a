// The help window: page buttons on a white side panel, the pages in the main panel. It
// keeps the last chosen page while the program runs.
#pragma once

#include <QDialog>

class QLabel;
class QStackedWidget;
class QTextBrowser;

namespace tess {

class Thelp : public QDialog {
    Q_OBJECT
public:
    // Centred on `mainWindow` when first shown.
    explicit Thelp(QWidget* mainWindow = nullptr);

    int pageCount() const;
    int currentPage() const;  // 1-based, as the buttons are numbered
    QString heading() const;
    QTextBrowser* page(int number) const;

signals:
    // The window's "About" button: the about window should be shown.
    void aboutRequested();

public slots:
    // Brings page `number` (1-based) to the front; other numbers are ignored.
    void SelButton1Click(int number);

protected:
    void showEvent(QShowEvent* event) override;

private:
    QLabel* heading_ = nullptr;
    QStackedWidget* pages_ = nullptr;
    bool placed_ = false;
};

}  // namespace tess
