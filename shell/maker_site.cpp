#include "shell/maker_site.h"

#include <QDesktopServices>
#include <QMessageBox>
#include <QMouseEvent>

namespace tess {

QUrl makerWebAddress() { return QUrl(QStringLiteral("https://www.orvane.com/")); }

QString makerWebAddressText() { return QStringLiteral("www.orvane.com"); }

bool openWebAddress(const QUrl& url) {
    const QString scheme = url.scheme().toLower();
    if (!url.isValid() || url.host().isEmpty() ||
        (scheme != QLatin1String("http") && scheme != QLatin1String("https")))
        return false;
    return QDesktopServices::openUrl(url);
}

void openMakerSite(QWidget* parent) {
    if (openWebAddress(makerWebAddress())) return;
    auto* box = new QMessageBox(QMessageBox::NoIcon, QStringLiteral("Tessarine"),
                                ClickLabel::tr("Cannot open Webpage"), QMessageBox::Ok, parent);
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->open();
}

ClickLabel::ClickLabel(QWidget* parent) : QLabel(parent) { setCursor(Qt::PointingHandCursor); }

void ClickLabel::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit clicked();
    QLabel::mouseReleaseEvent(event);
}

}  // namespace tess
