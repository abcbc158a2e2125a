// The maker's web address, and opening web addresses in the system's browser.
#pragma once

#include <QLabel>
#include <QUrl>

namespace tess {

QUrl makerWebAddress();
// The address as the about window shows it.
QString makerWebAddressText();

// Opens only http and https addresses; false for anything else or when the system
// could not.
bool openWebAddress(const QUrl& url);
// Opens the maker's address; a failure shows "Cannot open Webpage" over `parent`.
void openMakerSite(QWidget* parent);

// A label that reports a left click, with the hand cursor.
class ClickLabel : public QLabel {
    Q_OBJECT
public:
    explicit ClickLabel(QWidget* parent = nullptr);

signals:
    void clicked();

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
};

}  // namespace tess
