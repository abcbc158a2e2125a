// What a table hosted for others does to be found and reached: it announces itself on
// this network, asks the router to open its port (when the user allows it), and tells
// the hosting user where others can join. All of it is withdrawn when this goes.
#pragma once

#include <QObject>
#include <functional>

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

signals:
    // A line for the hosting user's chat.
    void notice(const QString& line);
    // The internet address while the router forwards the table's port to this computer
    // from there; empty when it does not (any more).
    void externalAddressKnown(const QString& address);
    // The router forwards the port from this internet address to the table ("" when it
    // does not, or no longer does).
    void internetReach(const QString& address);

private:
    void answered(const RouterResult& result);

    quint16 port_;
    TableAnnouncer* announcer_;
    PortMapper* mapper_ = nullptr;
    QString external_;
    QString local_;
};

}  // namespace tess
