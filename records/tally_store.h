// Reading and writing the tally file on disk. Everything is coded in memory, saves
// replace the file atomically, and reads take no more than the stored size can need.
#pragma once

#include <QString>
#include <optional>

#include "records/tally_file.h"

namespace tess {

// Beside the program when that folder is writable, else the user's configuration folder.
QString tallyFilePath();

// Nothing when the file does not exist; else the table or the error text to report.
std::optional<TallyReadResult> loadTallyFile(const QString& path);

// Writes the whole file at once. On failure the old file is untouched and error (when
// given) receives the text.
bool saveTallyFile(const QString& path, const TallyTable& table, QString* error = nullptr);

}  // namespace tess
