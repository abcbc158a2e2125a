#include "records/settings_file.h"

#include <SimpleIni.h>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QStandardPaths>

#include "records/ini_text.h"
#include "records/whole_file.h"
#include "wire/fields.h"

namespace tess {

namespace {

// The whole file or why it cannot be trusted. A NUL byte would end the parse early and
// a later save would drop everything after it, other programs' sections included; a
// file this large is not one we wrote, and reading it would take a lot of memory.
std::optional<QString> readBytes(const QString& path, QByteArray& bytes) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return QStringLiteral("%1 could not be read (%2)").arg(path, file.errorString());
    // Read in pieces up to one byte past the cap, so a small file costs no more than
    // its size and a huge one no more than the cap.
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
    return std::nullopt;
}

std::optional<QString> readIni(const QString& path, CSimpleIniA& ini) {
    QByteArray bytes;
    if (auto why = readBytes(path, bytes)) return why;
    if (ini.LoadData(bytes.constData(), static_cast<size_t>(bytes.size())) < 0)
        return QStringLiteral("%1 could not be read").arg(path);
    return std::nullopt;
}

// What the reader makes of a value: one line, without blanks at either end. A line break
// in a value would start a line of its own, even a section header.
std::string oneLine(std::string value) {
    for (char& c : value)
        if (c == '\0' || c == '\r' || c == '\n') c = ' ';
    const auto blank = [](char c) { return c == ' ' || c == '\t'; };
    while (!value.empty() && blank(value.back()))
        value.pop_back();
    std::size_t lead = 0;
    while (lead < value.size() && blank(value[lead]))
        ++lead;
    return value.substr(lead);
}

// Whether the reader will take the new text whole and read back every value written.
std::optional<QString> unreadableResult(const std::string& text, const ini::Values& values) {
    if (text.size() > static_cast<std::size_t>(SettingsFile::maxFileBytes))
        return QStringLiteral("it would grow larger than 1 MiB");
    CSimpleIniA ini(false, false, false);
    if (ini.LoadData(text.data(), text.size()) < 0)
        return QStringLiteral("it could not be read back");
    for (const auto& [key, value] : values) {
        const char* back = ini.GetValue(SettingsFile::section, key.c_str(), nullptr);
        if (back == nullptr || value != back)
            return QStringLiteral("its lines around our section would not read back");
    }
    return std::nullopt;
}

// Reads the file, sets the values of our section and writes it back in one step; the
// rest of the file is copied byte for byte.
bool update(const QString& path, QString& error, ini::Values values,
            ini::Values wherePresent = {}) {
    QByteArray bytes;
    if (QFile::exists(path)) {
        if (auto unreadable = readBytes(path, bytes)) {
            error = *unreadable;
            return false;
        }
    }
    for (auto& [key, value] : values)
        value = oneLine(std::move(value));
    const std::string text = ini::setValues(std::string_view(bytes.constData(), bytes.size()),
                                            SettingsFile::section, values, wherePresent);
    if (auto why = unreadableResult(text, values)) {
        error = QStringLiteral("%1 is left as it was: %2").arg(path, *why);
        return false;
    }
    if (writeWholeFile(path, text, error) == WholeFileResult::written) return true;
    error = QStringLiteral("%1 could not be written (%2)").arg(path, error);
    return false;
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
    s.strongBot = QString::fromStdString(text("Botlevel").value_or(""))
                      .compare(QLatin1String("Strong"), Qt::CaseInsensitive) == 0;
    s.turnSound = text("Turnsound").value_or("0") == "1" ? 1 : 0;
    for (int i = 0; i < 9; ++i)
        s.phrases[i] = text(("Phrase" + std::to_string(i + 1)).c_str()).value_or("");
    s.playSounds = text("Playsounds").value_or("true") != "false";
    s.playerPhraseSounds = text("Playerphrasesounds").value_or("true") != "false";
    s.showHelp = text("Help").value_or("1") == "1";
    s.openRouterPort = text(openRouterPortKey).value_or("true") != "false";

    // Written once: rewriting the same value at every start would cost a disk sync.
    if (!unreadable_ && text("Help") != std::optional<std::string>("2")) writeKey("Help", "2");
    return s;
}

std::string SettingsFile::language() const { return value(languageKey); }

std::string SettingsFile::value(const char* key) const {
    CSimpleIniA ini(false, false, false);
    if (!QFile::exists(path_) || readIni(path_, ini)) return {};
    return ini.GetValue(section, key, "");
}

bool SettingsFile::openRouterPort() const {
    CSimpleIniA ini(false, false, false);
    if (!QFile::exists(path_) || readIni(path_, ini)) return true;
    return std::string(ini.GetValue(section, openRouterPortKey, "true")) != "false";
}

bool SettingsFile::refuseWhenUnreadable() {
    if (!unreadable_) return false;
    lastError_ = *unreadable_;
    return true;
}

bool SettingsFile::save(const Settings& s) {
    if (refuseWhenUnreadable()) return false;
    ini::Values values{
        {"Textsize", std::to_string(s.textSize)}, {"Top", std::to_string(s.top)},
        {"Left", std::to_string(s.left)},         {"Width", std::to_string(s.width)},
        {"Height", std::to_string(s.height)},     {"Textcolor", colourToText(s.textColor)},
    };
    if (s.playToScore) values.emplace_back("Playtoscore", std::to_string(*s.playToScore));
    if (s.timePerTurn) values.emplace_back("Timeperturn", std::to_string(*s.timePerTurn));
    values.emplace_back("Botspeed", std::to_string(s.botSpeedMs));
    // Written only when not the default, so a classic table saves the keys it always did.
    ini::Values wherePresent;
    if (s.strongBot)
        values.emplace_back("Botlevel", "Strong");
    else
        wherePresent.emplace_back("Botlevel", "Classic");
    values.emplace_back("Turnsound", std::to_string(s.turnSound));
    values.emplace_back("Playerphrasesounds", s.playerPhraseSounds ? "true" : "false");
    values.emplace_back("Playsounds", s.playSounds ? "true" : "false");
    if (s.tablePlayers) values.emplace_back("TablePlayers", std::to_string(*s.tablePlayers));
    if (s.openRouterPort)
        wherePresent.emplace_back(openRouterPortKey, "true");
    else
        values.emplace_back(openRouterPortKey, "false");
    return update(path_, lastError_, std::move(values), std::move(wherePresent));
}

bool SettingsFile::writeKey(const std::string& key, const std::string& value) {
    if (refuseWhenUnreadable()) return false;
    return update(path_, lastError_, {{key, value}});
}

}  // namespace tess
