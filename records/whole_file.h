// Replacing a file in one step: the new content goes to a temporary file beside it and
// takes the file's place only when every byte is on disk, so a failed save (a full disk,
// a read-only folder) leaves the old file exactly as it was.
#pragma once

#include <QString>
#include <string_view>

namespace tess {

enum class WholeFileResult { written, openFailed, writeFailed };

// `error` receives the system's reason when the file was not replaced.
WholeFileResult writeWholeFile(const QString& path, std::string_view bytes, QString& error);

// Whether files can be made in `folder`. On Windows the folder's access rights are asked:
// Qt looks only at the read-only attribute there, which a folder under Program Files lacks.
bool folderIsWritable(const QString& folder);

}  // namespace tess
