#include "reach/router_pinhole.h"

#include <arpa/inet.h>
#include <miniupnpc/miniupnpc.h>
#include <miniupnpc/upnpcommands.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <QDeadlineTimer>
#include <QLoggingCategory>
#include <QNetworkInterface>
#include <QUrl>
#include <cstring>
#include <string>

#include "reach/upnp_igd.h"

Q_DECLARE_LOGGING_CATEGORY(lcRouter)

namespace tess {

namespace {

constexpr const char* tcp = "6";  // the IP protocol number the firewall takes

// IGD 2's answers about pinholes.
constexpr int notAuthorized = 606;
constexpr int firewallDisabled = 702;
constexpr int inboundNotAllowed = 703;
constexpr int noSuchEntry = 704;

bool noAnswer(int code) {
    return code == UPNPCOMMAND_HTTP_ERROR || code == UPNPCOMMAND_UNKNOWN_ERROR ||
           code == UPNPCOMMAND_INVALID_RESPONSE;
}

// The address this computer's route to `host` leaves from, as the router sees it.
QHostAddress routeSource(const QHostAddress& host) {
    if (host.protocol() != QAbstractSocket::IPv6Protocol) return {};
    const int s = ::socket(AF_INET6, SOCK_DGRAM, 0);
    if (s < 0) return {};
    sockaddr_in6 to{};
    to.sin6_family = AF_INET6;
    to.sin6_port = htons(9);
    const Q_IPV6ADDR bytes = host.toIPv6Address();
    std::memcpy(&to.sin6_addr, bytes.c, sizeof bytes.c);
    to.sin6_scope_id = host.scopeId().toUInt();
    QHostAddress source;
    sockaddr_in6 local{};
    socklen_t size = sizeof local;
    // Connecting a UDP socket sends nothing; it only picks the route and its address.
    if (::connect(s, reinterpret_cast<sockaddr*>(&to), sizeof to) == 0 &&
        getsockname(s, reinterpret_cast<sockaddr*>(&local), &size) == 0)
        source.setAddress(reinterpret_cast<const quint8*>(&local.sin6_addr));
    ::close(s);
    return source;
}

QList<Ipv6Entry> interfaceEntries() {
    QList<Ipv6Entry> entries;
    for (const QNetworkInterface& face : QNetworkInterface::allInterfaces()) {
        if (!(face.flags() & QNetworkInterface::IsUp) ||
            (face.flags() & QNetworkInterface::IsLoopBack))
            continue;
        for (const QNetworkAddressEntry& e : face.addressEntries()) {
            if (e.ip().protocol() != QAbstractSocket::IPv6Protocol) continue;
            Ipv6Entry entry;
            entry.address = e.ip();
            entry.temporary = e.isTemporary();
            const QDeadlineTimer preferred = e.preferredLifetime();
            entry.deprecated = !preferred.isForever() && preferred.hasExpired();
            entries.append(entry);
        }
    }
    return entries;
}

}  // namespace

bool globalIpv6(const QHostAddress& address) {
    if (address.protocol() != QAbstractSocket::IPv6Protocol) return false;
    static const auto global = QHostAddress::parseSubnet(QStringLiteral("2000::/3"));
    static const auto teredo = QHostAddress::parseSubnet(QStringLiteral("2001::/32"));
    return address.isInSubnet(global) && !address.isInSubnet(teredo);
}

QStringList pinholeCandidates(const QHostAddress& heardFrom, const QList<Ipv6Entry>& entries) {
    QStringList candidates;
    const auto stable = [](const Ipv6Entry& e) {
        return globalIpv6(e.address) && !e.temporary && !e.deprecated;
    };
    for (const Ipv6Entry& e : entries)
        if (stable(e) && e.address.isEqual(heardFrom, QHostAddress::StrictConversion))
            candidates << e.address.toString();
    for (const Ipv6Entry& e : entries)
        if (candidates.isEmpty() && stable(e)) candidates << e.address.toString();
    const QString heard = QHostAddress(heardFrom.toIPv6Address()).toString();
    if (globalIpv6(heardFrom) && !candidates.contains(heard)) candidates << heard;
    return candidates;
}

RouterPinhole::RouterPinhole() = default;

RouterPinhole::~RouterPinhole() = default;

QStringList RouterPinhole::hostAddresses() const {
    if (!hostAddress_.isEmpty()) return {hostAddress_};
    const QHostAddress router(QUrl(QString::fromUtf8(igd_->urls.controlURL_6FC)).host());
    return pinholeCandidates(routeSource(router), interfaceEntries());
}

PinholeResult RouterPinhole::open(std::uint16_t port, int leaseSeconds) {
    port_ = port;
    PinholeResult r;
    UPNPDev* devices = nullptr;
    if (routerUrl_.isEmpty()) {
        int error = 0;
        devices = upnpDiscover(discoveryMs_, nullptr, nullptr, UPNP_LOCAL_PORT_ANY, 1, 2, &error);
        if (devices == nullptr) return last_ = r;
    }
    igd_ = std::make_unique<UpnpIgd>();
    const bool found = igd_->find(devices, routerUrl_);
    if (devices) freeUPNPDevlist(devices);
    if (!found || igd_->urls.controlURL_6FC == nullptr || igd_->urls.controlURL_6FC[0] == '\0' ||
        igd_->data.IPv6FC.servicetype[0] == '\0')
        return last_ = r;

    const QStringList addresses = hostAddresses();
    if (addresses.isEmpty()) {
        r.outcome = PinholeResult::Outcome::noAddress;
        return last_ = r;
    }
    r.address = addresses.first();
    int enabled = 1, inboundAllowed = 1;
    const int status = UPNP_GetFirewallStatus(
        igd_->urls.controlURL_6FC, igd_->data.IPv6FC.servicetype, &enabled, &inboundAllowed);
    // A router that cannot tell is asked all the same: its answer to the request tells.
    if (status != UPNPCOMMAND_SUCCESS) {
        qCInfo(lcRouter) << "GetFirewallStatus failed:" << upnpError(status);
    } else if (!enabled) {
        r.outcome = PinholeResult::Outcome::unfiltered;
        return last_ = r;
    } else if (!inboundAllowed) {
        r.outcome = PinholeResult::Outcome::notAllowed;
        return last_ = r;
    }
    return last_ = ask(addresses, leaseSeconds);
}

PinholeResult RouterPinhole::ask(const QStringList& addresses, int leaseSeconds) {
    PinholeResult r;
    const std::string port = std::to_string(port_);
    const std::string lease = std::to_string(leaseSeconds);
    int code = UPNPCOMMAND_UNKNOWN_ERROR;
    for (const QString& address : addresses) {
        r.address = address;
        char id[16] = {};
        code =
            UPNP_AddPinhole(igd_->urls.controlURL_6FC, igd_->data.IPv6FC.servicetype, "", "0",
                            address.toLatin1().constData(), port.c_str(), tcp, lease.c_str(), id);
        if (code == UPNPCOMMAND_SUCCESS) {
            uniqueId_ = QString::fromLatin1(id);
            r.outcome = PinholeResult::Outcome::opened;
            r.leaseSeconds = leaseSeconds;
            return r;
        }
        qCInfo(lcRouter) << "AddPinhole for" << address << "failed:" << upnpError(code);
        // A router lets a computer open only the address it asks from: try that one.
        if (code != notAuthorized) break;
    }
    r.detail = upnpError(code);
    if (code == firewallDisabled)
        r.outcome = PinholeResult::Outcome::unfiltered;
    else if (code == inboundNotAllowed)
        r.outcome = PinholeResult::Outcome::notAllowed;
    else
        r.outcome =
            noAnswer(code) ? PinholeResult::Outcome::noAnswer : PinholeResult::Outcome::refused;
    return r;
}

PinholeResult RouterPinhole::renew(int leaseSeconds) {
    if (!holdsPinhole()) return last_;
    const std::string lease = std::to_string(leaseSeconds);
    const int code = UPNP_UpdatePinhole(igd_->urls.controlURL_6FC, igd_->data.IPv6FC.servicetype,
                                        uniqueId_.toLatin1().constData(), lease.c_str());
    if (code == UPNPCOMMAND_SUCCESS) return last_;
    qCInfo(lcRouter) << "UpdatePinhole failed:" << upnpError(code);
    if (code != noSuchEntry) {
        // Kept: the next renewal asks again, and the end removes it.
        PinholeResult r = last_;
        r.outcome =
            noAnswer(code) ? PinholeResult::Outcome::noAnswer : PinholeResult::Outcome::refused;
        r.detail = upnpError(code);
        return r;
    }
    // The router forgot it (restarted, or its lease ran out): asked for anew.
    uniqueId_.clear();
    return last_ = ask({last_.address}, leaseSeconds);
}

void RouterPinhole::close() {
    if (!holdsPinhole()) return;
    const int code = UPNP_DeletePinhole(igd_->urls.controlURL_6FC, igd_->data.IPv6FC.servicetype,
                                        uniqueId_.toLatin1().constData());
    if (code != UPNPCOMMAND_SUCCESS) qCInfo(lcRouter) << "DeletePinhole failed:" << upnpError(code);
    uniqueId_.clear();
}

}  // namespace tess
