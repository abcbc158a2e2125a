// Before any Qt header: glib names a field "signals", which Qt's keyword macro rewrites.
#include "online/secret_library.h"

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

QString takeError(const SecretLibrary& lib, GError* error) {
    if (error == nullptr) return {};
    const QString text = QString::fromUtf8(error->message);
    lib.freeError(error);
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
            const SecretLibrary& lib = SecretLibrary::system();
            if (!lib.error.isEmpty()) return Outcome{{}, lib.error};
            GError* error = nullptr;
            gchar* secret =
                lib.lookup(schema(), nullptr, &error, "account", key.constData(), nullptr);
            Outcome o{secret ? QString::fromUtf8(secret) : QString(), takeError(lib, error)};
            if (secret) lib.freePassword(secret);
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
            const SecretLibrary& lib = SecretLibrary::system();
            if (!lib.error.isEmpty()) return Outcome{{}, lib.error};
            GError* error = nullptr;
            if (secret.isEmpty())
                lib.clear(schema(), nullptr, &error, "account", key.constData(), nullptr);
            else
                lib.store(schema(), SECRET_COLLECTION_DEFAULT,
                          ("Tessarine online: " + key).constData(), secret.constData(), nullptr,
                          &error, "account", key.constData(), nullptr);
            return Outcome{{}, takeError(lib, error)};
        },
        [account](PasswordStore* s, const Outcome& o) { emit s->stored(account, o.error); });
}

}  // namespace tess
