// The desktop's secret store's library (libsecret), loaded when a password is first
// looked up or kept: it brings GIO, GObject and libgcrypt with it, which most sessions,
// never going online, do without.
#pragma once

// Before any Qt header that defines the keyword "signals": glib names a field so.
#include <libsecret/secret.h>

#include <QString>

namespace tess {

struct SecretLibrary {
    using Lookup = gchar* (*)(const SecretSchema*, GCancellable*, GError**, ...);
    using Store = gboolean (*)(const SecretSchema*, const gchar*, const gchar*, const gchar*,
                               GCancellable*, GError**, ...);
    using Clear = gboolean (*)(const SecretSchema*, GCancellable*, GError**, ...);
    using FreePassword = void (*)(gchar*);
    using FreeError = void (*)(GError*);

    Lookup lookup = nullptr;
    Store store = nullptr;
    Clear clear = nullptr;
    FreePassword freePassword = nullptr;
    FreeError freeError = nullptr;
    // Empty when every function above was found; otherwise why the store cannot be used.
    QString error;

    // Loads the library `name` (with its major version) and finds its functions.
    static SecretLibrary load(const QString& name, int version);
    // The system's libsecret, loaded once for the whole program on first use.
    static const SecretLibrary& system();
};

}  // namespace tess
