#include "records/whole_file.h"

#include <QFileInfo>
#include <QSaveFile>

#ifdef Q_OS_WIN
extern Q_CORE_EXPORT int qt_ntfs_permission_lookup;
#endif

namespace tess {

bool folderIsWritable(const QString& folder) {
#ifdef Q_OS_WIN
    ++qt_ntfs_permission_lookup;
    const bool writable = QFileInfo(folder).isWritable();
    --qt_ntfs_permission_lookup;
    return writable;
#else
    return QFileInfo(folder).isWritable();
#endif
}

WholeFileResult writeWholeFile(const QString& path, std::string_view bytes, QString& error) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        error = file.errorString();
        return WholeFileResult::openFailed;
    }
    const auto size = static_cast<qint64>(bytes.size());
    // commit() flushes the last buffered bytes itself but does not notice when that
    // flush fails, and would put a short file in place of the old one: flush first.
    if (file.write(bytes.data(), size) != size || !file.flush()) {
        error = file.errorString();
        file.cancelWriting();
        return WholeFileResult::writeFailed;
    }
    if (!file.commit()) {
        error = file.errorString();
        return WholeFileResult::writeFailed;
    }
    error.clear();
    return WholeFileResult::written;
}

}  // namespace tess
