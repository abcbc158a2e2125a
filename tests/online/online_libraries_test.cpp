// The libraries only going online needs (libstrophe with OpenSSL, libsecret with GIO) are
// loaded on first use rather than at the program's start.
// Before any Qt header: glib names a field "signals", which Qt's keyword macro rewrites.
#include "online/secret_library.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QTcpServer>
#include <QTimer>
#include <cstdlib>
#include <fstream>
#include <string>

#include "online/online_lobby.h"
#include "online/password_store.h"
#include "online/strophe_library.h"

namespace tess {
namespace {

// Whether a shared library is mapped into this process now.
bool mapped(const std::string& name) {
    std::ifstream maps("/proc/self/maps");
    for (std::string line; std::getline(maps, line);)
        if (line.find(name) != std::string::npos) return true;
    return false;
}

TEST(OnlineLibraries, TheSystemsAreFoundWithEveryFunction) {
    EXPECT_EQ(checkStropheLibrary(QStringLiteral("strophe"), 0).toStdString(), "");
    const SecretLibrary secret = SecretLibrary::load(QStringLiteral("secret-1"), 0);
    EXPECT_TRUE(secret.error.isEmpty()) << secret.error.toStdString();
    EXPECT_NE(secret.lookup, nullptr);
    EXPECT_NE(secret.store, nullptr);
    EXPECT_NE(secret.clear, nullptr);
    EXPECT_NE(secret.freePassword, nullptr);
    EXPECT_NE(secret.freeError, nullptr);
}

// A library that is not there, or another library under the name, is told in words that
// name it; nothing of it is offered.
TEST(OnlineLibraries, OnesThatWillNotDoSaySo) {
    struct Case {
        QString name;
        QString says;
    };
    const Case stropheCases[] = {
        {QStringLiteral("no-such-xmpp-library"), QStringLiteral("could not be loaded")},
        {QStringLiteral("secret-1"), QStringLiteral("lacks the function xmpp_")},
    };
    for (const Case& c : stropheCases) {
        const QString error = checkStropheLibrary(c.name, 0);
        EXPECT_TRUE(error.contains(c.says) && error.contains(c.name)) << error.toStdString();
    }
    const Case secretCases[] = {
        {QStringLiteral("no-such-secret-store"), QStringLiteral("could not be loaded")},
        {QStringLiteral("strophe"), QStringLiteral("lacks a function")},
    };
    for (const Case& c : secretCases) {
        const SecretLibrary lib = SecretLibrary::load(c.name, 0);
        EXPECT_TRUE(lib.error.contains(c.says) && lib.error.contains(c.name))
            << lib.error.toStdString();
        EXPECT_EQ(lib.lookup, nullptr);
        EXPECT_EQ(lib.freeError, nullptr);
    }
}

// In a process started afresh (the tests above load the libraries into theirs): neither
// library is there at the start; asking for a password loads libsecret and gets an answer
// (here why the store could not help: the session bus named is not there); going online
// loads libstrophe and gets as far as a refused connection.
int goOnlineInFreshProgram() {
    int argc = 1;
    char name[] = "online_libraries_test";
    char* argv[] = {name, nullptr};
    QCoreApplication app(argc, argv);
    qputenv("DBUS_SESSION_BUS_ADDRESS", "unix:path=/nonexistent/online-libraries-test-bus");
    if (mapped("libsecret-1.so") || mapped("libstrophe.so") || mapped("libssl.so")) return 2;
    QTimer::singleShot(60000, &app, &QCoreApplication::quit);

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
    store.lookup(QStringLiteral("someone@example.org"));
    app.exec();
    if (result != 0) return result;
    if (!mapped("libsecret-1.so")) return 5;

    // A port nobody listens on.
    QTcpServer closed;
    if (!closed.listen(QHostAddress::LocalHost)) return 6;
    const quint16 port = closed.serverPort();
    closed.close();
    OnlineLobby lobby;
    bool connecting = false;
    QObject::connect(&lobby, &OnlineLobby::stateChanged, &app, [&](OnlineLobby::State state) {
        if (state == OnlineLobby::State::connecting) connecting = true;
        if (state == OnlineLobby::State::offline && connecting) app.quit();
    });
    lobby.start({QStringLiteral("example.org"),
                 {},
                 {},
                 QStringLiteral("127.0.0.1"),
                 port,
                 QStringLiteral("room@conference.example.org"),
                 QStringLiteral("Tess")});
    app.exec();
    if (lobby.state() != OnlineLobby::State::offline || !connecting) return 7;
    return mapped("libstrophe.so") ? 0 : 8;
}

TEST(OnlineLibraries, LoadedOnFirstUse) {
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_EXIT(std::exit(goOnlineInFreshProgram()), ::testing::ExitedWithCode(0), "");
}

}  // namespace
}  // namespace tess
