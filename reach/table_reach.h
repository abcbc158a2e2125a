// What a table hosted for others does to be found and reached: it announces itself on
// this network, asks the router to open its port (when the user allows it), and tells
// the hosting user where others can join. All of it is withdrawn when this goes.
#pragma once

#include <QObject>
#include <functional>

#include "reach/router_pinhole.h"
#include "reach/router_session.h"
#include "reach/table_record.h"

namespace tess {

class PortMapper;
class TableAnnouncer;

class TableReach : public QObject {
    Q_OBJECT
public:
    struct Options {
        bool openRouterPort = true;
        int leaseSeconds = 3600;
        int discoveryMs = 2000;
        QString routerUrl;  // a router's description to ask instead of discovering one
        // The router's description over IPv6; with `routerUrl` given and this empty, no
        // pinhole is asked for.
        QString pinholeRouterUrl;
        QString pinholeAddress;  // the address to open instead of this computer's own
    };

    TableReach(quint16 port, std::function<AnnouncedTable()> figures, Options options,
               QObject* parent = nullptr);
    // Withdraws the announcement and removes the router's mapping (the router hears of it
    // when it answers; nothing here waits for it).
    ~TableReach() override;

    QString externalAddress() const { return external_; }
    QString localAddress() const { return local_; }
    TableAnnouncer* announcer() const { return announcer_; }

    // The lines the hosting user reads in the chat, for what the router answered.
    static QStringList linesFor(const RouterResult& result, quint16 port);
    static QString localOnlyLine(const QString& localAddress);
    // Whether players on the internet reach this table at the router's address.
    static bool reachableAt(const RouterResult& result);
    // The lines for what the router's IPv6 firewall answered (none where there is nothing
    // to tell).
    static QStringList linesFor(const PinholeResult& result, quint16 port);
    // The address others are told: the router's IPv4 address while it forwards the port
    // here (every player can use it), else this computer's IPv6 address while the router's
    // firewall lets players in to it; empty when neither.
    static QString addressForOthers(const RouterResult& mapping, const PinholeResult& pinhole);

signals:
    // A line for the hosting user's chat.
    void notice(const QString& line);
    // The internet address players reach the table at (addressForOthers()); empty when
    // there is none (any more).
    void externalAddressKnown(const QString& address);
    // The same, told on every answer of the router.
    void internetReach(const QString& address);

private:
    void answered(const RouterResult& result);
    void pinholeAnswered(const PinholeResult& result);
    void tellAddress();

    quint16 port_;
    TableAnnouncer* announcer_;
    PortMapper* mapper_ = nullptr;
    QString external_;
    QString local_;
    RouterResult mapping_;
    PinholeResult pinhole_;
};

}  // namespace tess
