#include "shell/installer_launcher.h"

#include <QDesktopServices>
#include <QFileInfo>
#include <QProcess>
#include <QUrl>

namespace tess {

bool SystemLauncher::start(const QString& file, const QStringList& args) {
#ifdef Q_OS_WIN
    return QProcess::startDetached(file, args);
#else
    const QFileInfo info(file);
    if (info.isFile() && info.isExecutable()) return QProcess::startDetached(file, args);
    return QDesktopServices::openUrl(QUrl::fromLocalFile(info.absoluteFilePath()));
#endif
}

}  // namespace tess
