#include "online/secret_library.h"

#include <QCoreApplication>
#include <QLibrary>

namespace tess {

SecretLibrary SecretLibrary::load(const QString& name, int version) {
    SecretLibrary lib;
    // Never unloaded: glib's types, once registered, stay.
    QLibrary library(name, version);
    library.setLoadHints(QLibrary::PreventUnloadHint);
    if (!library.load()) {
        lib.error = QCoreApplication::translate("tess::PasswordStore",
                                                "The secret store's library could not be "
                                                "loaded: %1")
                        .arg(library.errorString());
        return lib;
    }
    lib.lookup = reinterpret_cast<Lookup>(library.resolve("secret_password_lookup_sync"));
    lib.store = reinterpret_cast<Store>(library.resolve("secret_password_store_sync"));
    lib.clear = reinterpret_cast<Clear>(library.resolve("secret_password_clear_sync"));
    lib.freePassword = reinterpret_cast<FreePassword>(library.resolve("secret_password_free"));
    // glib's, found through the library's own dependencies.
    lib.freeError = reinterpret_cast<FreeError>(library.resolve("g_error_free"));
    if (!lib.lookup || !lib.store || !lib.clear || !lib.freePassword || !lib.freeError) {
        lib = SecretLibrary();
        lib.error = QCoreApplication::translate("tess::PasswordStore",
                                                "The secret store's library %1 lacks a "
                                                "function it should have.")
                        .arg(library.fileName());
    }
    return lib;
}

const SecretLibrary& SecretLibrary::system() {
    static const SecretLibrary lib = load(QStringLiteral("secret-1"), 0);
    return lib;
}

}  // namespace tess
