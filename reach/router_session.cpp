#include "reach/router_session.h"

#include <arpa/inet.h>
#include <miniupnpc/miniupnpc.h>
#include <miniupnpc/upnpcommands.h>
#include <natpmp.h>
#include <netinet/in.h>
#include <sys/select.h>
#include <sys/socket.h>
#include <unistd.h>

#include <QElapsedTimer>
#include <QHostAddress>
#include <QLoggingCategory>
#include <cstring>
#include <string>

#include "reach/upnp_igd.h"

Q_LOGGING_CATEGORY(lcRouter, "tessarine.router")

namespace tess {

namespace {

constexpr const char* mappingName = "Tessarine table";
constexpr int natPmpWaitMs = 2000;

// What the user is told for a failed request; the router's own words go to the log.
RouterResult::Reason reasonFor(int code) {
    // miniupnpc's own codes: the request did not get an answer it could read.
    if (code == UPNPCOMMAND_HTTP_ERROR || code == UPNPCOMMAND_UNKNOWN_ERROR ||
        code == UPNPCOMMAND_INVALID_RESPONSE)
        return RouterResult::Reason::noAnswer;
    return RouterResult::Reason::refusedByRouter;
}

// The answers that say the router holds no mapping for the port.
bool noSuchMapping(int code) { return code == 714 || code == 713; }

}  // namespace

RouterSession::RouterSession() = default;

RouterSession::~RouterSession() = default;

RouterResult RouterSession::open(std::uint16_t port, int leaseSeconds) {
    port_ = port;
    RouterResult r = openUpnp(leaseSeconds);
    if (r.outcome == RouterResult::Outcome::noRouter) r = openNatPmp(leaseSeconds);
    if (r.localAddress.isEmpty()) r.localAddress = defaultRouteAddress();
    last_ = r;
    return r;
}

RouterResult RouterSession::renew(int leaseSeconds) {
    if (!mapped_) return last_;
    RouterResult r = viaNatPmp_ ? openNatPmp(leaseSeconds) : addUpnp(leaseSeconds);
    if (r.localAddress.isEmpty()) r.localAddress = last_.localAddress;
    last_ = r;
    return r;
}

// Only a router that says so is not connected: one whose answer is an error may still
// forward the port, and its answer to the request itself tells.
bool RouterSession::connected() {
    char status[64] = {}, lastError[64] = {};
    unsigned int uptime = 0;
    const int r = UPNP_GetStatusInfo(upnp_->urls.controlURL, upnp_->data.first.servicetype, status,
                                     &uptime, lastError);
    if (r != UPNPCOMMAND_SUCCESS) {
        qCInfo(lcRouter) << "GetStatusInfo failed:" << upnpError(r);
        return true;
    }
    return std::strcmp(status, "Connected") == 0;
}

RouterResult RouterSession::openUpnp(int leaseSeconds) {
    RouterResult r;
    r.method = QStringLiteral("UPnP");
    UPNPDev* devices = nullptr;
    if (routerUrl_.isEmpty()) {
        int error = 0;
        devices = upnpDiscover(discoveryMs_, nullptr, nullptr, UPNP_LOCAL_PORT_ANY, 0, 2, &error);
        if (devices == nullptr) return r;
    }
    upnp_ = std::make_unique<UpnpIgd>();
    const bool found = upnp_->find(devices, routerUrl_);
    if (devices) freeUPNPDevlist(devices);
    if (!found) return r;
    r.localAddress = QString::fromLatin1(upnp_->lanAddress);
    if (!connected()) {
        r.outcome = RouterResult::Outcome::refused;
        r.reason = RouterResult::Reason::notConnected;
        r.detail = QStringLiteral("the router is not connected to the internet");
        return r;
    }
    return addUpnp(leaseSeconds);
}

RouterResult RouterSession::addUpnp(int leaseSeconds) {
    RouterResult r;
    r.method = QStringLiteral("UPnP");
    r.localAddress = QString::fromLatin1(upnp_->lanAddress);
    const char* control = upnp_->urls.controlURL;
    const char* service = upnp_->data.first.servicetype;
    char external[40] = {};
    if (UPNP_GetExternalIPAddress(control, service, external) == UPNPCOMMAND_SUCCESS)
        r.externalAddress = QString::fromLatin1(external);

    const std::string port = std::to_string(port_);
    const auto refuse = [&](int code, const char* what) {
        // A mapping made before stays ours to remove at the end.
        qCInfo(lcRouter) << what << "failed:" << upnpError(code);
        r.outcome = RouterResult::Outcome::refused;
        r.reason = reasonFor(code);
        r.detail = upnpError(code);
        return r;
    };
    // A mapping of this port to another computer is that computer's: never overwritten.
    // A router that cannot say what the port goes to might be forwarding it anywhere.
    char client[40] = {}, clientPort[6] = {}, desc[80] = {}, enabled[4] = {}, lease[16] = {};
    const int held = UPNP_GetSpecificPortMappingEntry(
        control, service, port.c_str(), "TCP", nullptr, client, clientPort, desc, enabled, lease);
    if (held == UPNPCOMMAND_SUCCESS &&
        (std::strcmp(client, upnp_->lanAddress) != 0 || port != clientPort)) {
        mapped_ = false;
        r.outcome = RouterResult::Outcome::taken;
        r.takenBy = QString::fromLatin1(client);
        return r;
    }
    if (held != UPNPCOMMAND_SUCCESS && !noSuchMapping(held)) {
        refuse(held, "GetSpecificPortMappingEntry");
        r.reason = RouterResult::Reason::cannotTell;
        return r;
    }
    const std::string leaseText = std::to_string(leaseSeconds);
    int granted = leaseSeconds;
    int added = UPNP_AddPortMapping(control, service, port.c_str(), port.c_str(), upnp_->lanAddress,
                                    mappingName, "TCP", nullptr, leaseText.c_str());
    if (added == 725) {  // OnlyPermanentLeasesSupported: kept until we remove it
        granted = 0;
        added = UPNP_AddPortMapping(control, service, port.c_str(), port.c_str(), upnp_->lanAddress,
                                    mappingName, "TCP", nullptr, "0");
    }
    if (added == 718) {  // ConflictInMappingEntry: somebody else's, whoever it is
        mapped_ = false;
        r.outcome = RouterResult::Outcome::taken;
        return r;
    }
    if (added != UPNPCOMMAND_SUCCESS) {
        // A router that answers late may have made the mapping after we gave up.
        unsure_ = true;
        removeIfOurs();
        return refuse(added, "AddPortMapping");
    }
    mapped_ = true;
    unsure_ = false;
    viaNatPmp_ = false;
    r.outcome = RouterResult::Outcome::opened;
    r.leaseSeconds = granted;
    return r;
}

// Removes the port's mapping when it is this computer's and bears our name; nobody
// else's is ever touched. Until one is found and removed, the router may still make it.
void RouterSession::removeIfOurs() {
    if (!upnp_ || !upnp_->valid) return;
    const std::string port = std::to_string(port_);
    const char* control = upnp_->urls.controlURL;
    const char* service = upnp_->data.first.servicetype;
    char client[40] = {}, clientPort[6] = {}, desc[80] = {}, enabled[4] = {}, lease[16] = {};
    const int held = UPNP_GetSpecificPortMappingEntry(
        control, service, port.c_str(), "TCP", nullptr, client, clientPort, desc, enabled, lease);
    if (held != UPNPCOMMAND_SUCCESS) return;
    if (std::strcmp(client, upnp_->lanAddress) != 0 || port != clientPort ||
        std::strcmp(desc, mappingName) != 0)
        return;
    const int removed = UPNP_DeletePortMapping(control, service, port.c_str(), "TCP", nullptr);
    qCInfo(lcRouter) << "Removed a mapping the router made after all:" << removed;
    if (removed == UPNPCOMMAND_SUCCESS) unsure_ = false;
}

namespace {

// Waits for the router's answer to the request just sent, at most natPmpWaitMs.
int natPmpAnswer(natpmp_t& n, natpmpresp_t& answer) {
    QElapsedTimer waited;
    waited.start();
    int r = NATPMP_TRYAGAIN;
    while (r == NATPMP_TRYAGAIN && waited.elapsed() < natPmpWaitMs) {
        timeval timeout{};
        getnatpmprequesttimeout(&n, &timeout);
        const long left = natPmpWaitMs - static_cast<long>(waited.elapsed());
        if (timeout.tv_sec * 1000 + timeout.tv_usec / 1000 > left) {
            timeout.tv_sec = left / 1000;
            timeout.tv_usec = (left % 1000) * 1000;
        }
        if (timeout.tv_sec < 0 || timeout.tv_usec < 0) timeout = {};
        fd_set fds;
        FD_ZERO(&fds);
        FD_SET(n.s, &fds);
        select(n.s + 1, &fds, nullptr, nullptr, &timeout);
        r = readnatpmpresponseorretry(&n, &answer);
    }
    return r;
}

QString localAddressOf(int socket) {
    sockaddr_in local{};
    socklen_t size = sizeof local;
    if (getsockname(socket, reinterpret_cast<sockaddr*>(&local), &size) != 0) return {};
    char text[INET_ADDRSTRLEN] = {};
    inet_ntop(AF_INET, &local.sin_addr, text, sizeof text);
    return QString::fromLatin1(text);
}

}  // namespace

RouterResult RouterSession::openNatPmp(int leaseSeconds) {
    RouterResult r;
    r.method = QStringLiteral("NAT-PMP");
    natpmp_t n{};
    if (initnatpmp(&n, 0, 0) != 0) return r;
    r.localAddress = localAddressOf(n.s);
    natpmpresp_t answer{};
    if (sendpublicaddressrequest(&n) < 0 || natPmpAnswer(n, answer) != 0) {
        closenatpmp(&n);
        return r;
    }
    char external[INET_ADDRSTRLEN] = {};
    inet_ntop(AF_INET, &answer.pnu.publicaddress.addr, external, sizeof external);
    r.externalAddress = QString::fromLatin1(external);

    const auto lifetime = static_cast<std::uint32_t>(leaseSeconds);
    if (sendnewportmappingrequest(&n, NATPMP_PROTOCOL_TCP, port_, port_, lifetime) < 0 ||
        natPmpAnswer(n, answer) != 0) {
        closenatpmp(&n);
        r.outcome = RouterResult::Outcome::refused;
        r.reason = RouterResult::Reason::noAnswer;
        r.detail = QStringLiteral("the router did not answer the request");
        return r;
    }
    const std::uint16_t publicPort = answer.pnu.newportmapping.mappedpublicport;
    if (publicPort != port_) {
        // The router gave another port: ours is taken. Give the other one back.
        sendnewportmappingrequest(&n, NATPMP_PROTOCOL_TCP, port_, publicPort, 0);
        natPmpAnswer(n, answer);
        closenatpmp(&n);
        mapped_ = false;
        r.outcome = RouterResult::Outcome::taken;
        return r;
    }
    closenatpmp(&n);
    mapped_ = true;
    viaNatPmp_ = true;
    natPmpPublicPort_ = publicPort;
    r.outcome = RouterResult::Outcome::opened;
    r.leaseSeconds = static_cast<int>(answer.pnu.newportmapping.lifetime);
    return r;
}

void RouterSession::close() {
    if (!mapped_) {
        if (unsure_ && !viaNatPmp_) removeIfOurs();
        return;
    }
    mapped_ = false;
    if (viaNatPmp_) {
        natpmp_t n{};
        if (initnatpmp(&n, 0, 0) != 0) return;
        natpmpresp_t answer{};
        // A lifetime of 0 removes the mapping.
        if (sendnewportmappingrequest(&n, NATPMP_PROTOCOL_TCP, port_, natPmpPublicPort_, 0) >= 0)
            natPmpAnswer(n, answer);
        closenatpmp(&n);
        return;
    }
    const std::string port = std::to_string(port_);
    const int r = UPNP_DeletePortMapping(upnp_->urls.controlURL, upnp_->data.first.servicetype,
                                         port.c_str(), "TCP", nullptr);
    if (r != UPNPCOMMAND_SUCCESS) qCInfo(lcRouter) << "DeletePortMapping failed:" << r;
}

QString defaultRouteAddress() {
    // A UDP socket "connected" to an outside address sends nothing, but takes the
    // address its route would leave from.
    const int s = ::socket(AF_INET, SOCK_DGRAM, 0);
    if (s < 0) return {};
    sockaddr_in outside{};
    outside.sin_family = AF_INET;
    outside.sin_port = htons(9);
    inet_pton(AF_INET, "192.0.2.1", &outside.sin_addr);
    QString address;
    if (::connect(s, reinterpret_cast<sockaddr*>(&outside), sizeof outside) == 0)
        address = localAddressOf(s);
    ::close(s);
    return address == QLatin1String("0.0.0.0") ? QString() : address;
}

bool behindAnotherNat(const QString& externalAddress) {
    const QHostAddress a(externalAddress);
    if (a.protocol() != QAbstractSocket::IPv4Protocol) return false;
    static const std::pair<const char*, int> inside[] = {
        {"10.0.0.0", 8}, {"172.16.0.0", 12}, {"192.168.0.0", 16}, {"100.64.0.0", 10}};
    for (const auto& [net, bits] : inside)
        if (a.isInSubnet(QHostAddress(QString::fromLatin1(net)), bits)) return true;
    return false;
}

}  // namespace tess
