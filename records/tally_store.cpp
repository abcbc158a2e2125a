#include "records/tally_store.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QStandardPaths>
#include <QtDebug>
#include <algorithm>
#include <string_view>

#include "records/whole_file.h"

namespace tess {

namespace {

TallyReadResult failed(std::string_view text, const std::string& name) {
    return {std::nullopt, std::string(text) + name};
}

QString withName(std::string_view text, const QString& path) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())) + path;
}

}  // namespace

QString tallyFilePath() {
    const QString name = QString::fromLatin1(tallyfile::fileName.data(),
                                             static_cast<qsizetype>(tallyfile::fileName.size()));
    const QString beside = QCoreApplication::applicationDirPath();
    if (!beside.isEmpty() && folderIsWritable(beside)) return QDir(beside).filePath(name);
    const QString config = QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation);
    QDir().mkpath(config);
    return QDir(config).filePath(name);
}

std::optional<TallyReadResult> loadTallyFile(const QString& path) {
    if (!QFile::exists(path)) return std::nullopt;
    const std::string name = path.toStdString();
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return failed(tallyfile::failedToOpenInput, name);
    QByteArray bytes = file.read(8);
    const std::size_t limit =
        tallyFileReadLimit({bytes.constData(), static_cast<std::size_t>(bytes.size())});
    const qint64 wanted = std::min<qint64>(static_cast<qint64>(limit), file.size());
    if (wanted > bytes.size()) bytes += file.read(wanted - bytes.size());
    if (bytes.size() < wanted) return failed(tallyfile::errorReading, name);
    return decodeTallyFile({bytes.constData(), static_cast<std::size_t>(bytes.size())}, name);
}

bool saveTallyFile(const QString& path, const TallyTable& table, QString* error) {
    const std::string bytes = encodeTallyFile(table);
    QString reason, text;
    switch (writeWholeFile(path, bytes, reason)) {
        case WholeFileResult::written:
            break;
        case WholeFileResult::openFailed:
            text = withName(tallyfile::failedToOpenOutput, path);
            break;
        case WholeFileResult::writeFailed:
            text = withName(tallyfile::errorWriting, path);
            break;
    }
    if (!text.isEmpty()) qWarning().noquote() << text + QStringLiteral(" (") + reason + u')';
    if (error) *error = text;
    return text.isEmpty();
}

}  // namespace tess
