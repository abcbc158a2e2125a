#include "client/joining/offer_box.h"

#include <QApplication>
#include <QLoggingCategory>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <utility>

Q_LOGGING_CATEGORY(lcOffers, "tessarine.messages")

namespace tess {

QMessageBox* offer(QWidget* parent, const QString& text, const QString& action,
                   std::function<void()> taken, std::function<void()> declined) {
    return offer(parent, text, {{action, std::move(taken)}}, std::move(declined));
}

QMessageBox* offer(QWidget* parent, const QString& text, const std::vector<OfferChoice>& choices,
                   std::function<void()> declined) {
    qCInfo(lcOffers).noquote() << "message:" << text;
    auto* box =
        new QMessageBox(QMessageBox::NoIcon, QApplication::applicationName(), text, {}, parent);
    box->setTextFormat(Qt::PlainText);  // the text may hold an address someone typed
    box->setAttribute(Qt::WA_DeleteOnClose);
    std::vector<std::pair<QPushButton*, std::function<void()>>> buttons;
    for (const OfferChoice& choice : choices) {
        QPushButton* button = box->addButton(choice.action, QMessageBox::AcceptRole);
        button->setObjectName(buttons.empty()
                                  ? QStringLiteral("button_offer")
                                  : QStringLiteral("button_offer%1").arg(buttons.size() + 1));
        buttons.emplace_back(button, choice.taken);
    }
    QPushButton* no = box->addButton(QMessageBox::Close);
    if (!buttons.empty()) box->setDefaultButton(buttons.front().first);
    box->setEscapeButton(no);
    QObject::connect(box, &QDialog::finished, box, [box, buttons, declined] {
        for (const auto& [button, taken] : buttons)
            if (box->clickedButton() == button) {
                if (taken) taken();
                return;
            }
        if (declined) declined();
    });
    box->open();
    bool ok = false;
    const int dismissMs = qEnvironmentVariableIntValue("TESSARINE_DISMISS_MS", &ok);
    if (ok && !buttons.empty())
        QTimer::singleShot(dismissMs, buttons.front().first, &QPushButton::click);
    return box;
}

}  // namespace tess
