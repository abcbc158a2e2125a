// What the command line asks for: no arguments plays solo; the lobby passes the
// player's name, the host's address and "true" to host the table. A person at a
// terminal may ask for --help or --version instead.
#pragma once

#include <QString>
#include <QStringList>

namespace tess {

struct StartParams {
    // invited: started with an invitation link, whose text `host` holds.
    enum class Mode { solo, host, join, incomplete, invited };
    Mode mode = Mode::solo;
    QString name = QStringLiteral("You");
    QString host = QStringLiteral("127.0.0.1");
};

// `args` without the program's own name; arguments after the third are ignored.
StartParams parseStartParams(const QStringList& args);

// What to do before any window exists: start the table, or print a text and end.
struct CommandLine {
    enum class Action { start, help, version, misuse };
    Action action = Action::start;
    QString text;  // the help or version text for standard output, or one line of misuse
};

// Exit status for a command line that asks for nothing we can do.
constexpr int misuseExitCode = 2;

// `args` without the program's own name, before Qt has taken its own options out of
// them (so that --help works without a display).
CommandLine readCommandLine(const QStringList& args);

}  // namespace tess
