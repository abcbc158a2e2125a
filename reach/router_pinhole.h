// Asks the router's IPv6 firewall (UPnP-IGD 2) to let players on the internet in to the
// table's port on this computer's global IPv6 address: routers firewall IPv6 but do not
// translate it, so a host whose IPv4 port cannot be opened (another NAT in front of the
// router) is often still reachable this way. Like RouterSession, every call blocks on the
// network and runs on the router thread.
#pragma once

#include <QHostAddress>
#include <QList>
#include <QString>
#include <cstdint>
#include <memory>

namespace tess {

struct UpnpIgd;

struct PinholeResult {
    enum class Outcome {
        opened,      // the router lets players in to `address`
        unfiltered,  // the router's IPv6 firewall is off: players reach `address` as it is
        notAllowed,  // the router's IPv6 firewall lets nobody in
        refused,     // the router answered but opened nothing
        noAnswer,    // the router did not answer in time
        noAddress,   // this computer has no global IPv6 address to open
        noRouter,    // no router offers control of an IPv6 firewall
    };
    Outcome outcome = Outcome::noRouter;
    QString address;       // this computer's global IPv6 address, when there is one
    QString detail;        // the router's own words, for the log
    int leaseSeconds = 0;  // asked for and granted
};

class RouterPinhole {
public:
    RouterPinhole();
    ~RouterPinhole();
    RouterPinhole(const RouterPinhole&) = delete;
    RouterPinhole& operator=(const RouterPinhole&) = delete;

    void setDiscoveryMs(int ms) { discoveryMs_ = ms; }
    // The router's description at a known address, asked instead of discovering routers.
    void setRouterUrl(const QString& url) { routerUrl_ = url; }
    // The address to open instead of this computer's own global ones.
    void setHostAddress(const QString& address) { hostAddress_ = address; }

    PinholeResult open(std::uint16_t port, int leaseSeconds);
    // Extends the lease; a router that lost the pinhole (restarted) is asked anew.
    PinholeResult renew(int leaseSeconds);
    // Removes the pinhole this session opened, if any.
    void close();
    bool holdsPinhole() const { return !uniqueId_.isEmpty(); }

private:
    PinholeResult ask(const QStringList& addresses, int leaseSeconds);
    QStringList hostAddresses() const;

    std::unique_ptr<UpnpIgd> igd_;
    std::uint16_t port_ = 0;
    QString uniqueId_;
    QString routerUrl_;
    QString hostAddress_;
    int discoveryMs_ = 2000;
    PinholeResult last_;
};

// One IPv6 address of this computer's interfaces.
struct Ipv6Entry {
    QHostAddress address;
    bool temporary = false;   // a privacy address, replaced within a day or so
    bool deprecated = false;  // no longer used for new connections
};

// A global unicast IPv6 address (2000::/3, not a Teredo tunnel's).
bool globalIpv6(const QHostAddress& address);
// The addresses to ask a pinhole for, best first: a stable global address (the one the
// router hears from, if that is stable), then the one the router hears from, which a
// router that lets a computer open only its own address accepts. At most two.
QStringList pinholeCandidates(const QHostAddress& heardFrom, const QList<Ipv6Entry>& entries);

}  // namespace tess
