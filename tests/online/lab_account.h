// Where xmpp_lab.sh's server is, for the tests that run inside it.
#pragma once

#include "online/online_lobby.h"

namespace tess {

inline LobbyAccount labAccount(const QString& nick, const QString& room) {
    LobbyAccount a;
    a.server = qEnvironmentVariable("TESS_XMPP_DOMAIN");
    a.address = qEnvironmentVariable("TESS_XMPP_ADDRESS");
    a.port = static_cast<quint16>(qEnvironmentVariable("TESS_XMPP_PORT").toUInt());
    a.room = room + QLatin1Char('@') + qEnvironmentVariable("TESS_XMPP_ROOMS");
    a.nick = nick;
    return a;
}

}  // namespace tess
