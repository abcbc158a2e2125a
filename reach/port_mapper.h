// Keeps the table's port open on the router while the table is open. Every call to a
// router happens on one thread of the program's own, in the order asked for (a removal
// before the next request), and nothing ever waits for it on the window's thread: the
// table and its windows go at once, and the router hears of it when it answers.
#pragma once

#include <QObject>
#include <QTimer>

#include "reach/router_pinhole.h"
#include "reach/router_session.h"

Q_DECLARE_METATYPE(tess::RouterResult)
Q_DECLARE_METATYPE(tess::PinholeResult)

namespace tess {

class RouterWorker;

class PortMapper : public QObject {
    Q_OBJECT
public:
    static constexpr int defaultLeaseSeconds = 3600;
    // What the program's end gives the router, after its windows are gone: a router
    // that gave up on one request (5 s) still hears the check and the removal.
    static constexpr int exitWaitMs = 12000;

    struct Options {
        int leaseSeconds = defaultLeaseSeconds;
        int discoveryMs = 2000;
        QString routerUrl;  // a router's description to ask instead of discovering one
        // The router's description over IPv6, for the pinhole in its IPv6 firewall; with
        // `routerUrl` given and this empty, no pinhole is asked for.
        QString pinholeRouterUrl;
        QString pinholeAddress;  // the address to open instead of this computer's own
    };

    explicit PortMapper(QObject* parent = nullptr);
    PortMapper(QObject* parent, Options options);
    // Removes the mapping, without waiting for the router.
    ~PortMapper() override;

    void open(quint16 port);
    // Removes the mapping, without waiting for the router.
    void close();

    // Waits at most `waitMs` for what was asked of routers so far; true when all is done.
    // For the program's end, once no window is left to freeze.
    static bool finishPending(int waitMs);

signals:
    // What the router did, first on opening, then on every renewal that changed it.
    void answered(const tess::RouterResult& result);
    // What the router's IPv6 firewall did, first on opening, then on every renewal that
    // changed it.
    void pinholeAnswered(const tess::PinholeResult& result);

private:
    RouterWorker* worker_;
    bool closed_ = false;
};

// Lives on the router thread.
class RouterWorker : public QObject {
    Q_OBJECT
public:
    explicit RouterWorker(const PortMapper::Options& options);

    void open(quint16 port);
    void renew();
    void renewPinhole();
    void close();

signals:
    void answered(const tess::RouterResult& result);
    void pinholeAnswered(const tess::PinholeResult& result);

private:
    void openPinhole(quint16 port);

    RouterSession session_;
    RouterPinhole pinhole_;
    bool pinholes_;
    int leaseSeconds_;
    QTimer* renewal_ = nullptr;
    QTimer* pinholeRenewal_ = nullptr;
    RouterResult last_;
    PinholeResult lastPinhole_;
};

}  // namespace tess
