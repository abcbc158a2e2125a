#include "records/settings_file.h"

#include <SimpleIni.h>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QStandardPaths>
#include <functional>

#include "records/whole_file.h"
#include "wire/fields.h"

namespace tess {

namespace {

// The whole file or why it cannot be trusted. A NUL byte would end the parse early and
// a later save would drop everything after it, other programs' sections included; a
// file this large is not one we wrote, and reading it would take a lot of memory.
std::optional<QString> readIni(const QString& path, CSimpleIniA& ini) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return QStringLiteral("%1 could not be read (%2)").arg(path, file.errorString());
    // Read in pieces up to one byte past the cap, so a small file costs no more than
    // its size and a huge one no more than the cap.
    QByteArray bytes;
    char piece[16 * 1024];
    while (bytes.size() <= SettingsFile::maxFileBytes) {
        const qint64 got = file.read(piece, sizeof piece);
        if (got <= 0) break;
        bytes.append(piece, got);
    }
    if (file.error() != QFileDevice::NoError)
        return QStringLiteral("%1 could not be read (%2)").arg(path, file.errorString());
    if (bytes.size() > SettingsFile::maxFileBytes)
        return QStringLiteral("%1 is larger than 1 MiB").arg(path);
    if (bytes.contains('\0')) return QStringLiteral("%1 holds a NUL byte").arg(path);
    if (ini.LoadData(bytes.constData(), static_cast<size_t>(bytes.size())) < 0)
        return QStringLiteral("%1 could not be read").arg(path);
    return std::nullopt;
}

bool writeIni(const QString& path, const CSimpleIniA& ini, QString& error) {
    std::string text;
    if (ini.Save(text) < 0) {
        error = QStringLiteral("the settings could not be put into words");
        return false;
    }
    if (writeWholeFile(path, text, error) == WholeFileResult::written) return true;
    error = QStringLiteral("%1 could not be written (%2)").arg(path, error);
    return false;
}

// Reads, changes and writes the file in one go.
bool update(const QString& path, QString& error, const std::function<void(CSimpleIniA&)>& edit) {
    CSimpleIniA ini(false, false, false);
    ini.SetSpaces(false);  // "key=value", as other programs write it
    if (QFile::exists(path)) {
        if (auto unreadable = readIni(path, ini)) {
            error = *unreadable;
            return false;
        }
    }
    edit(ini);
    return writeIni(path, ini, error);
}

}  // namespace

QString SettingsFile::defaultPath() {
    const QString beside = QCoreApplication::applicationDirPath();
    if (!beside.isEmpty() && folderIsWritable(beside))
        return QDir(beside).filePath(QString::fromLatin1(fileName));
    const QString config = QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation);
    QDir().mkpath(config);
    return QDir(config).filePath(QString::fromLatin1(fileName));
}

Settings SettingsFile::load() {
    Settings s;
    CSimpleIniA ini(false, false, false);
    if (QFile::exists(path_) && !unreadable_) {
        if (auto why = readIni(path_, ini)) {
            unreadable_ = why;
            ini.Reset();  // nothing of a file we could not fully read
        }
    }
    const auto text = [&](const char* key) -> std::optional<std::string> {
        const char* value = ini.GetValue(section, key, nullptr);
        if (value == nullptr) return std::nullopt;
        return std::string(value);
    };
    const auto number = [&](const char* key, int fallback) {
        int value = 0;
        const auto raw = text(key);
        return raw && wire::parseNumber(*raw, value) ? value : fallback;
    };
    const auto spinner = [&](const char* key, std::optional<int> fallback) -> std::optional<int> {
        const auto raw = text(key);
        if (!raw) return fallback;
        int value = 0;
        return wire::parseNumber(*raw, value) ? std::optional<int>(value) : std::nullopt;
    };

    s.textSize = number("Textsize", s.textSize);
    s.top = number("Top", s.top);
    s.left = number("Left", s.left);
    s.width = number("Width", s.width);
    s.height = number("Height", s.height);
    s.textColor = colourFromText(text("Textcolor").value_or("clblack")).value_or(clBlack);
    s.playToScore = spinner("Playtoscore", s.playToScore);
    s.timePerTurn = spinner("Timeperturn", s.timePerTurn);
    s.tablePlayers = spinner("TablePlayers", s.tablePlayers);
    const std::string bot = text("Botspeed").value_or("");
    s.botSpeedMs = bot == "2000" ? 2000 : bot == "500" ? 500 : 1000;
    s.turnSound = text("Turnsound").value_or("0") == "1" ? 1 : 0;
    for (int i = 0; i < 9; ++i)
        s.phrases[i] = text(("Phrase" + std::to_string(i + 1)).c_str()).value_or("");
    s.playSounds = text("Playsounds").value_or("true") != "false";
    s.playerPhraseSounds = text("Playerphrasesounds").value_or("true") != "false";
    s.showHelp = text("Help").value_or("1") == "1";

    // Written once: rewriting the same value at every start would cost a disk sync.
    if (!unreadable_ && text("Help") != std::optional<std::string>("2")) writeKey("Help", "2");
    return s;
}

std::string SettingsFile::language() const {
    CSimpleIniA ini(false, false, false);
    if (!QFile::exists(path_) || readIni(path_, ini)) return {};
    return ini.GetValue(section, languageKey, "");
}

bool SettingsFile::refuseWhenUnreadable() {
    if (!unreadable_) return false;
    lastError_ = *unreadable_;
    return true;
}

bool SettingsFile::save(const Settings& s) {
    if (refuseWhenUnreadable()) return false;
    return update(path_, lastError_, [&](CSimpleIniA& ini) {
        const auto put = [&](const char* key, const std::string& value) {
            ini.SetValue(section, key, value.c_str());
        };
        put("Textsize", std::to_string(s.textSize));
        put("Top", std::to_string(s.top));
        put("Left", std::to_string(s.left));
        put("Width", std::to_string(s.width));
        put("Height", std::to_string(s.height));
        put("Textcolor", colourToText(s.textColor));
        if (s.playToScore) put("Playtoscore", std::to_string(*s.playToScore));
        if (s.timePerTurn) put("Timeperturn", std::to_string(*s.timePerTurn));
        put("Botspeed", std::to_string(s.botSpeedMs));
        put("Turnsound", std::to_string(s.turnSound));
        put("Playerphrasesounds", s.playerPhraseSounds ? "true" : "false");
        put("Playsounds", s.playSounds ? "true" : "false");
        if (s.tablePlayers) put("TablePlayers", std::to_string(*s.tablePlayers));
    });
}

bool SettingsFile::writeKey(const std::string& key, const std::string& value) {
    if (refuseWhenUnreadable()) return false;
    return update(path_, lastError_,
                  [&](CSimpleIniA& ini) { ini.SetValue(section, key.c_str(), value.c_str()); });
}

}  // namespace tess
