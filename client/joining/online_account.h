// Where the online lobby meets: the XMPP server, the room and the user's own account,
// kept as keys of the settings file's own section (the password is not: it lives in the
// desktop's secret store).
#pragma once

#include <QString>

#include "online/online_lobby.h"

namespace tess {

struct OnlinePlace {
    static constexpr const char* serverKey = "Onlineserver";
    static constexpr const char* roomKey = "Onlineroom";
    static constexpr const char* accountKey = "Onlineaccount";
    static constexpr const char* addressKey = "Onlineaddress";

    QString server;   // for an anonymous login
    QString room;     // name@service
    QString account;  // the user's own JID; empty for an anonymous login
    QString address;  // "host" or "host:port" to connect to instead of the DNS records

    static OnlinePlace load(const QString& settingsPath);
    bool save(const QString& settingsPath) const;
    // Ready for OnlineLobby::start, without the password and the name.
    LobbyAccount accountFor(const QString& nick) const;
};

}  // namespace tess
