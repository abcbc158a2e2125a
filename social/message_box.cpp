#include "social/message_box.h"

#include <QApplication>
#include <QLoggingCategory>
#include <QMessageBox>
#include <QTimer>

Q_LOGGING_CATEGORY(lcMessages, "tessarine.messages")

namespace tess {

void showMessage(QWidget* parent, const QString& text, std::function<void()> dismissed) {
    qCInfo(lcMessages).noquote() << "message:" << text;
    auto* box = new QMessageBox(QMessageBox::NoIcon, QApplication::applicationName(), text,
                                QMessageBox::Ok, parent);
    box->setTextFormat(Qt::PlainText);  // the text may hold a peer's name
    box->setAttribute(Qt::WA_DeleteOnClose);
    if (dismissed) QObject::connect(box, &QDialog::finished, box, [dismissed] { dismissed(); });
    box->open();
    bool ok = false;
    const int dismissMs = qEnvironmentVariableIntValue("TESSARINE_DISMISS_MS", &ok);
    if (ok) QTimer::singleShot(dismissMs, box, &QDialog::accept);
}

}  // namespace tess
