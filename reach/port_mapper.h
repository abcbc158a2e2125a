// Keeps the table's port open on the router while the table is open: asks on a thread
// of its own (the table never waits), renews the lease at half time, and removes the
// mapping when it goes, waiting a few seconds at most for the router.
#pragma once

#include <QObject>
#include <QThread>
#include <QTimer>

#include "reach/router_session.h"

Q_DECLARE_METATYPE(tess::RouterResult)

namespace tess {

class RouterWorker;

class PortMapper : public QObject {
    Q_OBJECT
public:
    static constexpr int defaultLeaseSeconds = 3600;
    static constexpr int closeWaitMs = 5000;

    explicit PortMapper(QObject* parent = nullptr, int leaseSeconds = defaultLeaseSeconds,
                        int discoveryMs = 2000);
    // Removes the mapping (waits for the router at most closeWaitMs).
    ~PortMapper() override;

    void open(quint16 port);
    // Removes the mapping and waits for the router at most `waitMs`.
    void close(int waitMs = closeWaitMs);

signals:
    // What the router did, first on opening, then on every renewal that changed it.
    void answered(const tess::RouterResult& result);
    void externalAddressKnown(const QString& address);

private:
    QThread* thread_;
    RouterWorker* worker_;
    bool closed_ = false;
};

// Lives on the mapper's thread.
class RouterWorker : public QObject {
    Q_OBJECT
public:
    RouterWorker(int leaseSeconds, int discoveryMs);

    void open(quint16 port);
    void renew();
    void close();

signals:
    void answered(const tess::RouterResult& result);

private:
    RouterSession session_;
    int leaseSeconds_;
    QTimer* renewal_ = nullptr;
    RouterResult last_;
};

}  // namespace tess
