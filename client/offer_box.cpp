#include "client/offer_box.h"

#include <QApplication>
#include <QLoggingCategory>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>

Q_LOGGING_CATEGORY(lcOffers, "tessarine.messages")

namespace tess {

QMessageBox* offer(QWidget* parent, const QString& text, const QString& action,
                   std::function<void()> taken, std::function<void()> declined) {
    qCInfo(lcOffers).noquote() << "message:" << text;
    auto* box =
        new QMessageBox(QMessageBox::NoIcon, QApplication::applicationName(), text, {}, parent);
    box->setTextFormat(Qt::PlainText);  // the text may hold an address someone typed
    box->setAttribute(Qt::WA_DeleteOnClose);
    QPushButton* yes = box->addButton(action, QMessageBox::AcceptRole);
    yes->setObjectName(QStringLiteral("button_offer"));
    QPushButton* no = box->addButton(QMessageBox::Close);
    box->setDefaultButton(yes);
    box->setEscapeButton(no);
    QObject::connect(box, &QDialog::finished, box, [box, yes, taken, declined] {
        if (box->clickedButton() == yes) {
            if (taken) taken();
        } else if (declined) {
            declined();
        }
    });
    box->open();
    bool ok = false;
    const int dismissMs = qEnvironmentVariableIntValue("TESSARINE_DISMISS_MS", &ok);
    if (ok) QTimer::singleShot(dismissMs, yes, &QPushButton::click);
    return box;
}

}  // namespace tess
