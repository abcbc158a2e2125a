#include "client/joining/online_account.h"

#include "records/settings_file.h"

namespace tess {

namespace {

// A server whose own chat-room service carries the room: anonymous logins are usually
// kept on their own server.
constexpr const char* defaultServer = "anon.jabber.de";
constexpr const char* defaultRoom = "tessarine@conference.jabber.de";

QString valueOr(const SettingsFile& file, const char* key, const char* fallback) {
    const QString v = QString::fromStdString(file.value(key)).trimmed();
    return v.isEmpty() ? QString::fromLatin1(fallback) : v;
}

}  // namespace

OnlinePlace OnlinePlace::load(const QString& settingsPath) {
    const SettingsFile file(settingsPath);
    OnlinePlace p;
    p.server = valueOr(file, serverKey, defaultServer);
    p.room = valueOr(file, roomKey, defaultRoom);
    p.account = QString::fromStdString(file.value(accountKey)).trimmed();
    p.address = QString::fromStdString(file.value(addressKey)).trimmed();
    return p;
}

bool OnlinePlace::save(const QString& settingsPath) const {
    SettingsFile file(settingsPath);
    const auto write = [&file](const char* key, const QString& value, const QString& now) {
        return value == now || file.writeKey(key, value.trimmed().toStdString());
    };
    const OnlinePlace was = load(settingsPath);
    return write(serverKey, server, was.server) && write(roomKey, room, was.room) &&
           write(accountKey, account, was.account) && write(addressKey, address, was.address);
}

LobbyAccount OnlinePlace::accountFor(const QString& nick) const {
    LobbyAccount a;
    a.server = server;
    a.jid = account;
    a.room = room;
    a.nick = nick;
    // "host:port", "[v6]:port" or a bare host.
    QString host = address;
    quint16 port = 0;
    const int colon = host.lastIndexOf(QLatin1Char(':'));
    if (colon > 0 && (host.count(QLatin1Char(':')) == 1 || host.startsWith(QLatin1Char('[')))) {
        bool ok = false;
        port = static_cast<quint16>(host.mid(colon + 1).toUInt(&ok));
        if (ok)
            host = host.left(colon);
        else
            port = 0;
    }
    if (host.startsWith(QLatin1Char('[')) && host.endsWith(QLatin1Char(']')))
        host = host.mid(1, host.size() - 2);
    a.address = host;
    a.port = port;
    return a;
}

}  // namespace tess
