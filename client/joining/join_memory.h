// What the program remembers for joining and hosting tables, in the settings file's
// section: the player's name and the last addresses joined.
#pragma once

#include <QString>
#include <QStringList>

#include "records/settings_file.h"

namespace tess {

// The name as the host will store and show it.
QString cleanPlayerName(const QString& name);
// The login name of the user running the program, cleaned; "Player" when there is none.
QString systemUserName();

class JoinMemory {
public:
    static constexpr int recentCount = 5;
    static constexpr const char* nameKey = "PlayerName";
    static constexpr const char* recentKey = "RecentTables";

    explicit JoinMemory(QString settingsPath) : file_(std::move(settingsPath)) {}

    // The remembered name, or the system's user name.
    QString playerName() const;
    // Newest first, at most recentCount.
    QStringList recentAddresses() const;
    bool rememberName(const QString& name);
    // Puts the address first, once.
    bool rememberAddress(const QString& address);

private:
    SettingsFile file_;
};

}  // namespace tess
