// The secret store's library, loaded on first use rather than at the program's start.
#include "online/secret_library.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QTimer>
#include <cstdlib>
#include <fstream>
#include <string>

#include "online/password_store.h"

namespace tess {
namespace {

// Whether a shared library is mapped into this process now.
bool mapped(const std::string& name) {
    std::ifstream maps("/proc/self/maps");
    for (std::string line; std::getline(maps, line);)
        if (line.find(name) != std::string::npos) return true;
    return false;
}

TEST(SecretLibrary, TheSystemsIsFoundWithEveryFunction) {
    const SecretLibrary lib = SecretLibrary::load(QStringLiteral("secret-1"), 0);
    EXPECT_TRUE(lib.error.isEmpty()) << lib.error.toStdString();
    EXPECT_NE(lib.lookup, nullptr);
    EXPECT_NE(lib.store, nullptr);
    EXPECT_NE(lib.clear, nullptr);
    EXPECT_NE(lib.freePassword, nullptr);
    EXPECT_NE(lib.freeError, nullptr);
}

TEST(SecretLibrary, OneThatCannotBeLoadedSaysSoAndOffersNothing) {
    const SecretLibrary lib = SecretLibrary::load(QStringLiteral("no-such-secret-store"), 0);
    EXPECT_TRUE(lib.error.contains(QStringLiteral("could not be loaded")))
        << lib.error.toStdString();
    EXPECT_TRUE(lib.error.contains(QStringLiteral("no-such-secret-store")))
        << lib.error.toStdString();
    EXPECT_EQ(lib.lookup, nullptr);
    EXPECT_EQ(lib.freeError, nullptr);
}

// The program starts without it; asking for a password loads it and gets an answer: here
// why the store could not help, as the session bus named is not there. In a process of
// its own (started afresh), as the tests above load the library into theirs.
int lookupInFreshProgram() {
    int argc = 1;
    char name[] = "secret_library_test";
    char* argv[] = {name, nullptr};
    QCoreApplication app(argc, argv);
    qputenv("DBUS_SESSION_BUS_ADDRESS", "unix:path=/nonexistent/secret-library-test-bus");
    if (mapped("libsecret-1.so")) return 2;
    PasswordStore store;
    int result = 3;  // no answer
    QObject::connect(&store, &PasswordStore::found, &app,
                     [&](const QString& account, const QString& password, const QString& error) {
                         const bool told = account == QStringLiteral("someone@example.org") &&
                                           password.isEmpty() && !error.isEmpty() &&
                                           !error.contains(QStringLiteral("could not be loaded"));
                         result = told ? 0 : 4;
                         app.quit();
                     });
    QTimer::singleShot(60000, &app, &QCoreApplication::quit);
    store.lookup(QStringLiteral("someone@example.org"));
    app.exec();
    if (result == 0 && !mapped("libsecret-1.so")) return 5;
    return result;
}

TEST(SecretLibrary, PasswordStoreLoadsItOnFirstLookup) {
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_EXIT(std::exit(lookupInFreshProgram()), ::testing::ExitedWithCode(0), "");
}

}  // namespace
}  // namespace tess
