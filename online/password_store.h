// The password of the user's own XMPP account, kept in the desktop's secret store (the
// Secret Service), never in the settings file. Asking the store can block on the
// session bus, so every call runs on a short-lived thread and answers by signal.
#pragma once

#include <QObject>
#include <QString>

namespace tess {

class PasswordStore : public QObject {
    Q_OBJECT
public:
    explicit PasswordStore(QObject* parent = nullptr) : QObject(parent) {}

    void lookup(const QString& account);
    // An empty password removes what is kept for the account.
    void store(const QString& account, const QString& password);

signals:
    // `password` is empty when nothing is kept; `error` says why the store could not help.
    void found(const QString& account, const QString& password, const QString& error);
    void stored(const QString& account, const QString& error);
};

}  // namespace tess
