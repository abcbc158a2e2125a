// Asks the router to forward a TCP port to this computer: UPnP-IGD first, NAT-PMP where
// no UPnP router answers. Every call blocks on the network (a few seconds at most), so
// it runs on a thread of its own.
#pragma once

#include <QString>
#include <cstdint>
#include <memory>

namespace tess {

struct UpnpIgd;

struct RouterResult {
    enum class Outcome {
        opened,    // the port is forwarded to this computer
        taken,     // the router forwards the port to another computer already: left alone
        refused,   // the router answered but did not open the port
        noRouter,  // no router answered
    };
    // Why the router did not open the port, for the user's own words.
    enum class Reason {
        none,
        notConnected,  // the router says it has no internet connection
        noAnswer,      // the router did not answer in time
        cannotTell,    // the router cannot say what the port is forwarded to: left alone
        refusedByRouter,
    };
    Outcome outcome = Outcome::noRouter;
    Reason reason = Reason::none;
    QString method;           // "UPnP" or "NAT-PMP"
    QString externalAddress;  // as the router reports it; may be empty
    QString localAddress;     // this computer's address on the local network
    QString takenBy;          // the other computer's address, when the router tells it
    QString detail;           // the router's own words for a refusal, for the log
    int leaseSeconds = 0;     // granted; 0 for a mapping the router keeps for ever
};

class RouterSession {
public:
    RouterSession();
    ~RouterSession();
    RouterSession(const RouterSession&) = delete;
    RouterSession& operator=(const RouterSession&) = delete;

    // How long discovery waits for routers to answer.
    void setDiscoveryMs(int ms) { discoveryMs_ = ms; }
    // The router's description at a known address, asked instead of discovering routers.
    void setRouterUrl(const QString& url) { routerUrl_ = url; }

    RouterResult open(std::uint16_t port, int leaseSeconds);
    // Asks again for the same port through the router that opened it.
    RouterResult renew(int leaseSeconds);
    // Removes the mapping this session made, if any, and one the router may have made
    // after a request that failed or was given up.
    void close();
    bool holdsMapping() const { return mapped_; }
    // A request failed or was given up, and the router may still have made the mapping.
    bool mayHoldMapping() const { return unsure_; }

private:
    RouterResult openUpnp(int leaseSeconds);
    RouterResult addUpnp(int leaseSeconds);
    RouterResult openNatPmp(int leaseSeconds);
    bool connected();
    void removeIfOurs();

    std::unique_ptr<UpnpIgd> upnp_;
    std::uint16_t port_ = 0;
    bool mapped_ = false;
    bool unsure_ = false;
    bool viaNatPmp_ = false;
    std::uint16_t natPmpPublicPort_ = 0;
    int discoveryMs_ = 2000;
    QString routerUrl_;
    RouterResult last_;
};

// The address of this computer that its default route leaves from ("" when none).
QString defaultRouteAddress();
// 10/8, 172.16/12, 192.168/16 and 100.64/10: an "external" address that is really
// another network's inside, so another NAT stands between the router and the internet.
bool behindAnotherNat(const QString& externalAddress);

}  // namespace tess
