// The user's preferences in "orvanelobby.ini", section "Tessarine". The file is shared
// with the lobby program: every section, key and comment this program does not own is
// kept as it was, and every save replaces the file atomically.
#pragma once

#include <QString>
#include <array>
#include <optional>
#include <string>

#include "records/colour_text.h"

namespace tess {

struct Settings {
    static constexpr int defaultLeft = 3, defaultTop = 3, defaultWidth = 772, defaultHeight = 535;

    int textSize = 8;
    int top = defaultTop;
    int left = defaultLeft;
    int width = defaultWidth;
    int height = defaultHeight;
    ColourValue textColor = clBlack;
    // The game start window's spinners; nothing when the file holds no number.
    std::optional<int> playToScore = 100;
    std::optional<int> timePerTurn = 60;
    std::optional<int> tablePlayers = 2;
    int botSpeedMs = 1000;                 // 2000 Slow, 1000 Normal, 500 Fast
    bool strongBot = false;                // Botlevel: Classic (absent) or Strong
    int turnSound = 0;                     // 0 Classic, 1 New
    std::array<std::string, 9> phrases{};  // empty: the button keeps its phrase
    bool playSounds = true;
    bool playerPhraseSounds = true;
    bool showHelp = true;        // Help=1: show the quick instructions
    bool openRouterPort = true;  // a table hosted for others asks the router to open its port
};

class SettingsFile {
public:
    static constexpr const char* fileName = "orvanelobby.ini";
    static constexpr const char* section = "Tessarine";
    // A larger file is not ours to rewrite.
    static constexpr qint64 maxFileBytes = 1024 * 1024;

    explicit SettingsFile(QString path) : path_(std::move(path)) {}
    // Beside the program when that folder is writable, else the user's configuration
    // folder.
    static QString defaultPath();

    // Every key in its order, defaults for what is absent or unreadable; then Help=2 is
    // written. A missing file reads as all defaults. A file that cannot be read whole
    // (a NUL byte, more than maxFileBytes, no permission) reads as all defaults too, and
    // from then on nothing is written into it during this run.
    Settings load();
    // Writes the preferences (not the phrases, not Help). Only the values of our section
    // change; every other byte of the file stays as it was. A save that would make the
    // file larger than maxFileBytes, or one the reader would not read back as written, is
    // not made: the old file stays and lastError() says why. Values are kept on one line.
    bool save(const Settings& settings);
    // The language chosen in Options ("" when none or the file cannot be read), read
    // before any window exists; unlike load() it writes nothing.
    std::string language() const;
    static constexpr const char* languageKey = "Language";
    // Whether a hosted table may ask the router to open its port; like language(), read
    // before the user's settings are loaded, and writes nothing.
    bool openRouterPort() const;
    static constexpr const char* openRouterPortKey = "Openport";
    // One key of the section as it stands ("" when absent or unreadable); writes nothing.
    std::string value(const char* key) const;
    // Writes one key of the section, for the phrase editor.
    bool writeKey(const std::string& key, const std::string& value);

    const QString& path() const { return path_; }
    // Why the last write failed, for a notice.
    const QString& lastError() const { return lastError_; }
    // Why the file is left alone, once load() found it unreadable.
    const std::optional<QString>& unreadable() const { return unreadable_; }

private:
    bool refuseWhenUnreadable();

    QString path_;
    QString lastError_;
    std::optional<QString> unreadable_;
};

}  // namespace tess
