#include "tests/reach/router_stand_in.h"

#include <QPointer>
#include <QRegularExpression>
#include <QSemaphore>
#include <QTcpServer>
#include <QTcpSocket>
#include <QThread>
#include <QTimer>

namespace tess::testing {

namespace {

const char* const description = R"(<?xml version="1.0"?>
<root xmlns="urn:schemas-upnp-org:device-1-0">
<specVersion><major>1</major><minor>0</minor></specVersion>
<device>
<deviceType>urn:schemas-upnp-org:device:InternetGatewayDevice:%VERSION%</deviceType>
<friendlyName>Home router</friendlyName>
<deviceList><device>
<deviceType>urn:schemas-upnp-org:device:WANDevice:1</deviceType>
<serviceList><service>
<serviceType>urn:schemas-upnp-org:service:WANCommonInterfaceConfig:1</serviceType>
<serviceId>urn:upnp-org:serviceId:WANCommonIFC1</serviceId>
<controlURL>/cif</controlURL><eventSubURL>/evt</eventSubURL><SCPDURL>/cif.xml</SCPDURL>
</service></serviceList>
<deviceList><device>
<deviceType>urn:schemas-upnp-org:device:WANConnectionDevice:1</deviceType>
<serviceList><service>
<serviceType>urn:schemas-upnp-org:service:WANIPConnection:1</serviceType>
<serviceId>urn:upnp-org:serviceId:WANIPConn1</serviceId>
<controlURL>/ctl</controlURL><eventSubURL>/evt</eventSubURL><SCPDURL>/ip.xml</SCPDURL>
</service>%FIREWALL%</serviceList>
</device></deviceList>
</device></deviceList>
</device>
</root>
)";

// An IGD 2 router also offers control of its IPv6 firewall.
QByteArray describe(bool ipv6Firewall) {
    QByteArray text(description);
    text.replace("%VERSION%", ipv6Firewall ? "2" : "1");
    text.replace("%FIREWALL%",
                 ipv6Firewall ? "<service>\n"
                                "<serviceType>urn:schemas-upnp-org:service:WANIPv6FirewallControl:1"
                                "</serviceType>\n"
                                "<serviceId>urn:upnp-org:serviceId:WANIPv6Firewall1</serviceId>\n"
                                "<controlURL>/fw6</controlURL><eventSubURL>/evt6</eventSubURL>"
                                "<SCPDURL>/fw6.xml</SCPDURL>\n</service>"
                              : "");
    return text;
}

QByteArray httpAnswer(int status, const QByteArray& body, const char* type) {
    return "HTTP/1.1 " + QByteArray::number(status) + (status == 200 ? " OK" : " Error") +
           "\r\nContent-Type: " + type + "\r\nContent-Length: " + QByteArray::number(body.size()) +
           "\r\nConnection: close\r\n\r\n" + body;
}

QByteArray soapAnswer(const QString& action, const QString& args) {
    const QString body = QStringLiteral(
                             "<?xml version=\"1.0\"?><s:Envelope "
                             "xmlns:s=\"http://schemas.xmlsoap.org/soap/envelope/\" "
                             "s:encodingStyle=\"http://schemas.xmlsoap.org/soap/encoding/\">"
                             "<s:Body><u:%1Response "
                             "xmlns:u=\"urn:schemas-upnp-org:service:WANIPConnection:1\">%2"
                             "</u:%1Response></s:Body></s:Envelope>")
                             .arg(action, args);
    return httpAnswer(200, body.toUtf8(), "text/xml; charset=\"utf-8\"");
}

QByteArray soapError(int code) {
    const QString body =
        QStringLiteral(
            "<?xml version=\"1.0\"?><s:Envelope "
            "xmlns:s=\"http://schemas.xmlsoap.org/soap/envelope/\"><s:Body><s:Fault>"
            "<faultcode>s:Client</faultcode><faultstring>UPnPError</faultstring><detail>"
            "<UPnPError xmlns=\"urn:schemas-upnp-org:control-1-0\"><errorCode>%1</errorCode>"
            "<errorDescription>Error</errorDescription></UPnPError></detail></s:Fault>"
            "</s:Body></s:Envelope>")
            .arg(code);
    return httpAnswer(500, body.toUtf8(), "text/xml; charset=\"utf-8\"");
}

QString argument(const QByteArray& body, const char* name) {
    const QRegularExpression re(QStringLiteral("<%1>([^<]*)</%1>").arg(QLatin1String(name)));
    return re.match(QString::fromUtf8(body)).captured(1);
}

}  // namespace

// Lives on the stand-in's thread.
class RouterStandInServer : public QObject {
public:
    explicit RouterStandInServer(RouterStandIn::State& state) : state_(state) {}

    quint16 listen() {
        server_ = new QTcpServer(this);
        server_->listen(QHostAddress::LocalHost, 0);
        connect(server_, &QTcpServer::newConnection, this, [this] {
            while (QTcpSocket* s = server_->nextPendingConnection())
                connect(s, &QTcpSocket::readyRead, this, [this, s] { readable(s); });
        });
        return server_->serverPort();
    }

private:
    void readable(QTcpSocket* s) {
        QByteArray& in = buffers_[s];
        in += s->readAll();
        const qsizetype end = in.indexOf("\r\n\r\n");
        if (end < 0) return;
        const QByteArray head = in.left(end);
        const QRegularExpression lengthRe(QStringLiteral("Content-Length:\\s*(\\d+)"),
                                          QRegularExpression::CaseInsensitiveOption);
        const int length = lengthRe.match(QString::fromLatin1(head)).captured(1).toInt();
        if (in.size() < end + 4 + length) return;
        const QByteArray body = in.mid(end + 4, length);
        buffers_.erase(s);
        if (head.startsWith("GET")) {
            send(s, httpAnswer(200, describe(state_.ipv6Firewall), "text/xml"));
            return;
        }
        const QRegularExpression actionRe(QStringLiteral("SOAPAction:\\s*\"?[^#]*#(\\w+)"),
                                          QRegularExpression::CaseInsensitiveOption);
        control(s, actionRe.match(QString::fromLatin1(head)).captured(1), body);
    }

    void control(QTcpSocket* s, const QString& action, const QByteArray& body) {
        std::unique_lock<std::mutex> locked(state_.lock);
        ++state_.requests[action];
        if (const int error = state_.errors[action]; error != 0) {
            locked.unlock();
            send(s, soapError(error));
            return;
        }
        const int port = argument(body, "NewExternalPort").toInt();
        if (action == QLatin1String("GetExternalIPAddress")) {
            const QString external = state_.externalAddress;
            locked.unlock();
            send(s, soapAnswer(action, QStringLiteral("<NewExternalIPAddress>%1"
                                                      "</NewExternalIPAddress>")
                                           .arg(external)));
        } else if (action == QLatin1String("GetStatusInfo")) {
            locked.unlock();
            send(s, soapAnswer(action,
                               "<NewConnectionStatus>Connected</NewConnectionStatus>"
                               "<NewLastConnectionError>ERROR_NONE</NewLastConnectionError>"
                               "<NewUptime>100</NewUptime>"));
        } else if (action == QLatin1String("GetSpecificPortMappingEntry")) {
            const auto found = state_.mappings.find(port);
            if (found == state_.mappings.end()) {
                locked.unlock();
                send(s, soapError(714));
                return;
            }
            const RouterStandIn::Mapping m = found->second;
            locked.unlock();
            send(s, soapAnswer(action, QStringLiteral("<NewInternalPort>%1</NewInternalPort>"
                                                      "<NewInternalClient>%2</NewInternalClient>"
                                                      "<NewEnabled>1</NewEnabled>"
                                                      "<NewPortMappingDescription>%3"
                                                      "</NewPortMappingDescription>"
                                                      "<NewLeaseDuration>3600</NewLeaseDuration>")
                                           .arg(m.clientPort)
                                           .arg(m.client, m.description)));
        } else if (action == QLatin1String("AddPortMapping")) {
            const RouterStandIn::Mapping m{argument(body, "NewInternalClient"),
                                           argument(body, "NewInternalPort").toInt(),
                                           argument(body, "NewPortMappingDescription")};
            if (state_.mapAtOnce) state_.mappings[port] = m;
            const int waitMs = state_.addAnswerMs;
            const bool later = !state_.mapAtOnce;
            ++state_.held;
            locked.unlock();
            // Held until answered or given up, whichever comes first.
            auto holding = std::make_shared<bool>(true);
            const auto release = [this, holding] {
                const std::lock_guard<std::mutex> guard(state_.lock);
                if (*holding) --state_.held;
                *holding = false;
            };
            QPointer<QTcpSocket> asker(s);
            QTimer::singleShot(waitMs, this, [this, asker, port, m, later, release] {
                {
                    const std::lock_guard<std::mutex> guard(state_.lock);
                    if (later) state_.mappings[port] = m;
                }
                release();
                if (asker) send(asker, soapAnswer(QStringLiteral("AddPortMapping"), {}));
            });
            connect(s, &QTcpSocket::disconnected, this, release);
        } else if (action == QLatin1String("DeletePortMapping")) {
            const bool had = state_.mappings.erase(port) > 0;
            locked.unlock();
            send(s, had ? soapAnswer(action, {}) : soapError(714));
        } else if (state_.ipv6Firewall && (action.endsWith(QLatin1String("Pinhole")) ||
                                           action == QLatin1String("GetFirewallStatus"))) {
            const QByteArray answer = pinholeAnswer(action, body);
            locked.unlock();
            send(s, answer);
        } else {
            locked.unlock();
            send(s, soapError(401));
        }
    }

    // The IPv6 firewall's answer, with the state locked.
    QByteArray pinholeAnswer(const QString& action, const QByteArray& body) {
        auto& holes = state_.pinholes;
        const QString id = argument(body, "UniqueID");
        if (action == QLatin1String("GetFirewallStatus"))
            return soapAnswer(action, QStringLiteral("<FirewallEnabled>%1</FirewallEnabled>"
                                                     "<InboundPinholeAllowed>%2"
                                                     "</InboundPinholeAllowed>")
                                          .arg(int(state_.firewallEnabled))
                                          .arg(int(state_.inboundAllowed)));
        if (action == QLatin1String("AddPinhole")) {
            const QString newId = QString::number(++state_.lastPinholeId);
            holes[newId] = {
                argument(body, "InternalClient"), argument(body, "InternalPort").toInt(),
                argument(body, "Protocol").toInt(), argument(body, "LeaseTime").toInt()};
            return soapAnswer(action, QStringLiteral("<UniqueID>%1</UniqueID>").arg(newId));
        }
        const auto found = holes.find(id);
        if (found == holes.end()) return soapError(704);  // NoSuchEntry
        if (action == QLatin1String("UpdatePinhole")) {
            found->second.lease = argument(body, "NewLeaseTime").toInt();
            return soapAnswer(action, {});
        }
        if (action == QLatin1String("DeletePinhole")) {
            holes.erase(found);
            return soapAnswer(action, {});
        }
        return soapError(401);
    }

    void send(QTcpSocket* s, const QByteArray& answer) {
        s->disconnect(this);
        s->write(answer);
        s->disconnectFromHost();
        connect(s, &QTcpSocket::disconnected, s, &QObject::deleteLater);
    }

    RouterStandIn::State& state_;
    QTcpServer* server_ = nullptr;
    std::map<QTcpSocket*, QByteArray> buffers_;
};

RouterStandIn::RouterStandIn(bool ipv6Firewall) : thread_(new QThread) {
    state_.ipv6Firewall = ipv6Firewall;
    auto* server = new RouterStandInServer(state_);
    server_ = server;
    server->moveToThread(thread_);
    thread_->start();
    QSemaphore ready;
    QMetaObject::invokeMethod(server, [this, server, &ready] {
        port_ = server->listen();
        ready.release();
    });
    ready.acquire();
}

RouterStandIn::~RouterStandIn() {
    QMetaObject::invokeMethod(server_, [server = server_] { delete server; });
    thread_->quit();
    thread_->wait();
    delete thread_;
}

QString RouterStandIn::url() const {
    return QStringLiteral("http://127.0.0.1:%1/rootDesc.xml").arg(port_);
}

void RouterStandIn::setAddAnswerMs(int ms, bool mapAtOnce) {
    const std::lock_guard<std::mutex> guard(state_.lock);
    state_.addAnswerMs = ms;
    state_.mapAtOnce = mapAtOnce;
}

void RouterStandIn::setError(const QString& action, int code) {
    const std::lock_guard<std::mutex> guard(state_.lock);
    state_.errors[action] = code;
}

void RouterStandIn::addMapping(int port, const Mapping& mapping) {
    const std::lock_guard<std::mutex> guard(state_.lock);
    state_.mappings[port] = mapping;
}

std::optional<RouterStandIn::Mapping> RouterStandIn::mapping(int port) const {
    const std::lock_guard<std::mutex> guard(state_.lock);
    const auto found = state_.mappings.find(port);
    if (found == state_.mappings.end()) return std::nullopt;
    return found->second;
}

int RouterStandIn::requests(const QString& action) const {
    const std::lock_guard<std::mutex> guard(state_.lock);
    const auto found = state_.requests.find(action);
    return found == state_.requests.end() ? 0 : found->second;
}

QString RouterStandIn::externalAddress() const {
    const std::lock_guard<std::mutex> guard(state_.lock);
    return state_.externalAddress;
}

void RouterStandIn::setExternalAddress(const QString& address) {
    const std::lock_guard<std::mutex> guard(state_.lock);
    state_.externalAddress = address;
}

void RouterStandIn::setFirewallStatus(bool enabled, bool inboundAllowed) {
    const std::lock_guard<std::mutex> guard(state_.lock);
    state_.firewallEnabled = enabled;
    state_.inboundAllowed = inboundAllowed;
}

void RouterStandIn::forgetPinholes() {
    const std::lock_guard<std::mutex> guard(state_.lock);
    state_.pinholes.clear();
}

std::vector<RouterStandIn::Pinhole> RouterStandIn::pinholes() const {
    const std::lock_guard<std::mutex> guard(state_.lock);
    std::vector<Pinhole> all;
    for (const auto& [id, hole] : state_.pinholes)
        all.push_back(hole);
    return all;
}

int RouterStandIn::held() const {
    const std::lock_guard<std::mutex> guard(state_.lock);
    return state_.held;
}

}  // namespace tess::testing
