#include "reach/table_record.h"

#include <avahi-common/malloc.h>

#include <algorithm>
#include <string>

#include "wire/commands.h"
#include "wire/limits.h"
#include "wire/names.h"

namespace tess {

namespace {

constexpr int maxLabelBytes = 63;

// Cut to `bytes` of UTF-8 without splitting a character.
QString cutUtf8(const QString& text, int bytes) {
    QString out;
    int used = 0;
    for (qsizetype i = 0; i < text.size();) {
        const qsizetype step = text.at(i).isHighSurrogate() && i + 1 < text.size() ? 2 : 1;
        const QString piece = text.mid(i, step);
        const int size = static_cast<int>(piece.toUtf8().size());
        if (used + size > bytes) break;
        out += piece;
        used += size;
        i += step;
    }
    return out;
}

// A stranger's name, cleaned as names from the wire are: no control, bidirectional or
// zero-width characters, and bounded.
QString cleanName(const QString& text) {
    return QString::fromStdString(wire::cleanName(text.toStdString())).trimmed();
}

QString valueOf(AvahiStringList* txt, const char* key) {
    AvahiStringList* item = avahi_string_list_find(txt, key);
    if (item == nullptr) return {};
    char* k = nullptr;
    char* v = nullptr;
    size_t size = 0;
    if (avahi_string_list_get_pair(item, &k, &v, &size) < 0) return {};
    const QString value = v ? QString::fromUtf8(v, static_cast<qsizetype>(size)) : QString();
    avahi_free(k);
    avahi_free(v);
    return value;
}

int numberOf(AvahiStringList* txt, const char* key, int low, int high, int fallback) {
    bool ok = false;
    const int n = valueOf(txt, key).toInt(&ok);
    return ok ? std::clamp(n, low, high) : fallback;
}

}  // namespace

AvahiStringList* tableRecord(const AnnouncedTable& table) {
    const std::string version(cmd::version);
    return avahi_string_list_new(("host=" + cleanName(table.hostName).toStdString()).c_str(),
                                 ("seated=" + std::to_string(table.seated)).c_str(),
                                 ("size=" + std::to_string(table.tableSize)).c_str(),
                                 ("spectators=" + std::to_string(table.spectators)).c_str(),
                                 table.playing ? "state=playing" : "state=waiting",
                                 ("protocol=" + version).c_str(), nullptr);
}

FoundTable readTableRecord(AvahiStringList* txt) {
    FoundTable t;
    t.hostName = cleanName(valueOf(txt, "host"));
    t.tableSize =
        numberOf(txt, "size", wire::minTablePlayers, wire::seatCount, wire::minTablePlayers);
    t.seated = numberOf(txt, "seated", 0, wire::seatCount, 0);
    t.spectators = numberOf(txt, "spectators", 0, wire::slotCount - wire::seatCount, 0);
    t.playing = valueOf(txt, "state") == QLatin1String("playing");
    return t;
}

QString serviceNameFor(const QString& hostName) {
    const QString name = cleanName(hostName);
    return cutUtf8(QStringLiteral("Tessarine: %1").arg(name.isEmpty() ? QStringLiteral("?") : name),
                   maxLabelBytes);
}

bool joinableAnnouncedAddress(const QString& address, bool onLoopback) {
    QHostAddress a;
    if (!a.setAddress(address)) return false;
    if (a.isNull() || a.isMulticast() || a.isBroadcast()) return false;
    if (a == QHostAddress(QHostAddress::AnyIPv4) || a == QHostAddress(QHostAddress::AnyIPv6))
        return false;
    bool mapped = false;
    const quint32 v4 = a.toIPv4Address(&mapped);
    if (mapped && a.protocol() == QAbstractSocket::IPv6Protocol)
        return joinableAnnouncedAddress(QHostAddress(v4).toString(), onLoopback);
    // 0.0.0.0/8 reaches this computer too on some systems.
    if (a.isInSubnet(QHostAddress(QStringLiteral("0.0.0.0")), 8)) return false;
    if (a.isLoopback()) return onLoopback;
    return true;
}

}  // namespace tess
