// The real program, started as a separate process from a copy in a fresh folder (its
// settings and tally then live there), and what the tests need around it.
#pragma once

#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTimer>
#include <functional>
#include <initializer_list>
#include <string>
#include <string_view>

#include "tests/support/test_client.h"

namespace tess::testing {

constexpr quint16 tablePort = 7772;

// Lines as they go over the wire, each with its terminator.
inline std::string framed(std::initializer_list<std::string_view> lines) {
    std::string bytes;
    for (std::string_view line : lines) {
        bytes += line;
        bytes += '\xFF';
    }
    return bytes;
}

// Like waitUntil, for conditions nothing in this process announces (another process's
// windows): the loop wakes every 50 ms to ask again.
inline bool pollUntil(const std::function<bool()>& done, int ms) {
    QTimer tick;
    tick.start(50);
    return waitUntil(done, ms);
}

struct ProgramOptions {
    QString platform = QStringLiteral("offscreen");
    QByteArray settings;  // the settings file beside the copy, when not empty
    int dismissMs = 200;  // message boxes close themselves after this long
};

class Program {
public:
    explicit Program(const QStringList& args, const ProgramOptions& options = {}) {
        const QString copy = dir.filePath("tessarine");
        QFile::copy(QStringLiteral(TESSARINE_BINARY), copy);
        if (!options.settings.isEmpty()) {
            QFile ini(dir.filePath("orvanelobby.ini"));
            if (ini.open(QIODevice::WriteOnly)) ini.write(options.settings);
        }
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("QT_QPA_PLATFORM", options.platform);
        env.insert("TESSARINE_DISMISS_MS", QString::number(options.dismissMs));
        // Hosted tables here run on the machine's own network: no multicast, no router.
        env.insert("TESSARINE_NO_REACH", "1");
        process.setProcessEnvironment(env);
        process.setWorkingDirectory(dir.path());
        QObject::connect(&process, &QProcess::readyReadStandardError,
                         [this] { log += process.readAllStandardError(); });
        process.start(copy, args);
        process.waitForStarted();
    }
    ~Program() {
        if (process.state() != QProcess::NotRunning) {
            process.kill();
            process.waitForFinished();
        }
    }
    Program(const Program&) = delete;
    Program& operator=(const Program&) = delete;

    bool logged(const char* text, int ms = 10000) {
        return waitUntil([&] { return log.contains(text); }, ms);
    }
    bool running() const { return process.state() == QProcess::Running; }
    bool ended(int ms = 10000) {
        return waitUntil([&] { return process.state() == QProcess::NotRunning; }, ms);
    }

    QTemporaryDir dir;
    QProcess process;
    QByteArray log;
};

}  // namespace tess::testing
