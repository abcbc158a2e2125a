#include "online/lobby_address.h"

#include <QCoreApplication>
#include <QHostAddress>
#include <QStringList>
#include <array>

#include "wire/limits.h"

namespace tess {

namespace {

QString tr(const char* text) { return QCoreApplication::translate("LobbyAddress", text); }

std::optional<quint32> dottedIpv4(const QString& text) {
    const QStringList parts = text.split(QLatin1Char('.'));
    if (parts.size() != 4) return std::nullopt;
    quint32 value = 0;
    for (const QString& part : parts) {
        if (part.isEmpty() || part.size() > 3 || (part.size() > 1 && part.startsWith('0')))
            return std::nullopt;
        for (const QChar c : part)
            if (c < QLatin1Char('0') || c > QLatin1Char('9')) return std::nullopt;
        const uint n = part.toUInt();
        if (n > 255) return std::nullopt;
        value = value << 8 | n;
    }
    return value;
}

struct Range4 {
    quint32 base;
    int bits;
};

bool globalIpv4(quint32 a) {
    static constexpr std::array<Range4, 15> special{{
        {0x00000000, 8},   // this network
        {0x0A000000, 8},   // private
        {0x64400000, 10},  // shared address space (carrier NAT)
        {0x7F000000, 8},   // loopback
        {0xA9FE0000, 16},  // link-local
        {0xAC100000, 12},  // private
        {0xC0000000, 24},  // protocol assignments
        {0xC0000200, 24},  // documentation
        {0xC0A80000, 16},  // private
        {0xC6120000, 15},  // benchmarking
        {0xC6336400, 24},  // documentation
        {0xCB007100, 24},  // documentation
        {0xE0000000, 4},   // multicast
        {0xF0000000, 4},   // reserved and broadcast
        {0xC0586300, 24},  // 6to4 relay anycast
    }};
    for (const Range4& r : special)
        if ((a >> (32 - r.bits)) == (r.base >> (32 - r.bits))) return false;
    return true;
}

bool globalIpv6(const QHostAddress& address) {
    const Q_IPV6ADDR a = address.toIPv6Address();
    // Global unicast is 2000::/3; inside it, documentation and ORCHID ranges are not.
    if ((a[0] & 0xE0) != 0x20) return false;
    if (a[0] == 0x20 && a[1] == 0x01 && a[2] == 0x0D && a[3] == 0xB8) return false;
    if (a[0] == 0x20 && a[1] == 0x01 && a[2] == 0x00 && (a[3] & 0xE0) == 0x00 && a[3] >= 0x10 &&
        a[3] <= 0x2F)
        return false;
    // 6to4 carries an IPv4 address that must be global itself.
    if (a[0] == 0x20 && a[1] == 0x02)
        return globalIpv4(quint32(a[2]) << 24 | quint32(a[3]) << 16 | quint32(a[4]) << 8 | a[5]);
    return true;
}

}  // namespace

std::optional<QString> refuseLobbyAddress(const QString& address, int port) {
    if (port != wire::tablePort)
        return tr("The host answered with port %1; tables use port %2.")
            .arg(port)
            .arg(wire::tablePort);
    if (const auto v4 = dottedIpv4(address)) {
        if (globalIpv4(*v4)) return std::nullopt;
        return tr("The host answered with %1, which is not an address on the internet.")
            .arg(address);
    }
    QHostAddress v6;
    if (!address.contains(QLatin1Char(':')) || address.contains(QLatin1Char('%')) ||
        !v6.setAddress(address) || v6.protocol() != QAbstractSocket::IPv6Protocol)
        return tr("The host answered with something that is not an address.");
    if (!globalIpv6(v6))
        return tr("The host answered with %1, which is not an address on the internet.")
            .arg(address);
    return std::nullopt;
}

}  // namespace tess
