// Starting the lobby installer or the installed lobby, behind an interface so that tests
// see what would be started without running anything.
#pragma once

#include <QString>
#include <QStringList>

namespace tess {

class InstallerLauncher {
public:
    virtual ~InstallerLauncher() = default;
    // Asks the system to start `file` with `args`; false when it could not.
    virtual bool start(const QString& file, const QStringList& args) = 0;
};

// Windows starts the program itself with its arguments. Elsewhere an executable file
// (an installed lobby) is started the same way and any other file goes to the desktop's
// opener, which cannot take arguments; a downloaded installer is never made executable.
class SystemLauncher : public InstallerLauncher {
public:
    bool start(const QString& file, const QStringList& args) override;
};

}  // namespace tess
