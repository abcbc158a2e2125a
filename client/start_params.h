// What the command line asks for: no arguments plays solo; the lobby passes the
// player's name, the host's address and "true" to host the table.
#pragma once

#include <QString>
#include <QStringList>

namespace tess {

struct StartParams {
    enum class Mode { solo, host, join, incomplete };
    Mode mode = Mode::solo;
    QString name = QStringLiteral("You");
    QString host = QStringLiteral("127.0.0.1");
};

// `args` without the program's own name; arguments after the third are ignored.
StartParams parseStartParams(const QStringList& args);

}  // namespace tess
