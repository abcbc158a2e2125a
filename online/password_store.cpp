// Before any Qt header: glib names a field "signals", which Qt's keyword macro rewrites.
#include <libsecret/secret.h>

#include "online/password_store.h"

#include <QPointer>
#include <QThread>
#include <memory>

namespace tess {

namespace {

const SecretSchema* schema() {
    static const SecretSchema s = {
        "org.tessarine.OnlineAccount",
        SECRET_SCHEMA_NONE,
        {{"account", SECRET_SCHEMA_ATTRIBUTE_STRING}, {nullptr, SECRET_SCHEMA_ATTRIBUTE_STRING}},
        0,
        nullptr,
        nullptr,
        nullptr,
        nullptr,
        nullptr,
        nullptr,
        nullptr};
    return &s;
}

QString takeError(GError* error) {
    if (error == nullptr) return {};
    const QString text = QString::fromUtf8(error->message);
    g_error_free(error);
    return text;
}

struct Outcome {
    QString password;
    QString error;
};

// Runs `work` on a thread of its own and `done` on the store's thread, if it still exists.
template <typename Work, typename Done>
void offThread(PasswordStore* store, Work work, Done done) {
    auto outcome = std::make_shared<Outcome>();
    QThread* thread = QThread::create([outcome, work] { *outcome = work(); });
    QObject::connect(thread, &QThread::finished, thread, &QObject::deleteLater);
    QObject::connect(thread, &QThread::finished, store,
                     [store, outcome, done] { done(store, *outcome); });
    thread->start();
}

}  // namespace

void PasswordStore::lookup(const QString& account) {
    const QByteArray key = account.toUtf8();
    offThread(
        this,
        [key] {
            GError* error = nullptr;
            gchar* secret = secret_password_lookup_sync(schema(), nullptr, &error, "account",
                                                        key.constData(), nullptr);
            Outcome o{secret ? QString::fromUtf8(secret) : QString(), takeError(error)};
            if (secret) secret_password_free(secret);
            return o;
        },
        [account](PasswordStore* s, const Outcome& o) {
            emit s->found(account, o.password, o.error);
        });
}

void PasswordStore::store(const QString& account, const QString& password) {
    const QByteArray key = account.toUtf8();
    const QByteArray secret = password.toUtf8();
    offThread(
        this,
        [key, secret] {
            GError* error = nullptr;
            if (secret.isEmpty())
                secret_password_clear_sync(schema(), nullptr, &error, "account", key.constData(),
                                           nullptr);
            else
                secret_password_store_sync(
                    schema(), SECRET_COLLECTION_DEFAULT, ("Tessarine online: " + key).constData(),
                    secret.constData(), nullptr, &error, "account", key.constData(), nullptr);
            return Outcome{{}, takeError(error)};
        },
        [account](PasswordStore* s, const Outcome& o) { emit s->stored(account, o.error); });
}

}  // namespace tess
