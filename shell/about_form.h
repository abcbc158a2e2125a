// The about window: the maker's logo and web address, and the program's version.
#pragma once

#include <QDialog>

namespace tess {

class Tabout : public QDialog {
    Q_OBJECT
public:
    // The version as the window shows it: the program's version and its build number.
    static QString versionText();

    // Centred on `mainWindow` when first shown.
    explicit Tabout(QWidget* mainWindow = nullptr);

protected:
    void showEvent(QShowEvent* event) override;

private:
    bool placed_ = false;
};

}  // namespace tess
