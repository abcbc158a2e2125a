// A home router's UPnP control on loopback, played by the test: it keeps port mappings
// as a router does, and can be made slow (answering a request after the asker gave up,
// making the mapping at once or only then) or wrong (an error for any request). As an
// IGD 2 router it also keeps pinholes in its IPv6 firewall.
#pragma once

#include <QObject>
#include <QString>
#include <map>
#include <memory>
#include <mutex>
#include <optional>
#include <vector>

class QThread;

namespace tess::testing {

class RouterStandIn {
public:
    struct Mapping {
        QString client;
        int clientPort = 0;
        QString description;
    };

    struct Pinhole {
        QString client;
        int port = 0;
        int protocol = 0;
        int lease = 0;
    };

    explicit RouterStandIn(bool ipv6Firewall = false);
    ~RouterStandIn();

    // The router's description, for RouterSession::setRouterUrl().
    QString url() const;
    QString externalAddress() const;
    // What GetExternalIPAddress answers (203.0.113.7 unless set).
    void setExternalAddress(const QString& address);

    // AddPortMapping is answered after `ms`; the mapping is made when the request arrives,
    // or only when the answer goes.
    void setAddAnswerMs(int ms, bool mapAtOnce);
    // These actions answer with this UPnP error code instead (0: answer truly).
    void setError(const QString& action, int code);
    void addMapping(int port, const Mapping& mapping);

    // What GetFirewallStatus answers.
    void setFirewallStatus(bool enabled, bool inboundAllowed);
    // Loses every pinhole, as a router does when it restarts.
    void forgetPinholes();

    std::optional<Mapping> mapping(int port) const;
    std::vector<Pinhole> pinholes() const;
    int requests(const QString& action) const;
    // Requests received and not yet answered, whose asker still waits.
    int held() const;

private:
    friend class RouterStandInServer;
    struct State {
        mutable std::mutex lock;
        std::map<int, Mapping> mappings;
        std::map<QString, int> errors;
        std::map<QString, int> requests;
        int addAnswerMs = 0;
        bool mapAtOnce = true;
        int held = 0;
        QString externalAddress = QStringLiteral("203.0.113.7");
        bool ipv6Firewall = false;
        bool firewallEnabled = true;
        bool inboundAllowed = true;
        int lastPinholeId = 0;
        std::map<QString, Pinhole> pinholes;
    };
    State state_;
    QThread* thread_;
    QObject* server_;
    quint16 port_ = 0;
};

}  // namespace tess::testing
