#include "reach/port_mapper.h"

#include <QSemaphore>
#include <QThread>
#include <memory>

namespace tess {

namespace {

// The one thread that talks to routers, for the program's whole life. Left running at
// the end: the program ends it.
QObject* routerThread() {
    static QObject* const context = [] {
        auto* thread = new QThread;
        thread->setObjectName(QStringLiteral("router"));
        auto* object = new QObject;
        object->moveToThread(thread);
        thread->start();
        return object;
    }();
    return context;
}

}  // namespace

PortMapper::PortMapper(QObject* parent) : PortMapper(parent, Options()) {}

PortMapper::PortMapper(QObject* parent, Options options)
    : QObject(parent), worker_(new RouterWorker(options)) {
    qRegisterMetaType<RouterResult>();
    qRegisterMetaType<PinholeResult>();
    worker_->moveToThread(routerThread()->thread());
    connect(worker_, &RouterWorker::answered, this, &PortMapper::answered);
    connect(worker_, &RouterWorker::pinholeAnswered, this, &PortMapper::pinholeAnswered);
}

PortMapper::~PortMapper() { close(); }

void PortMapper::open(quint16 port) {
    QMetaObject::invokeMethod(worker_, [w = worker_, port] { w->open(port); });
}

void PortMapper::close() {
    if (closed_) return;
    closed_ = true;
    disconnect(worker_, nullptr, this, nullptr);
    // After whatever the router thread is doing now.
    QMetaObject::invokeMethod(worker_, [w = worker_] {
        w->close();
        w->deleteLater();
    });
}

bool PortMapper::finishPending(int waitMs) {
    // The thread takes requests in order: this one comes after all asked before it.
    auto done = std::make_shared<QSemaphore>();
    QMetaObject::invokeMethod(routerThread(), [done] { done->release(); });
    return done->tryAcquire(1, waitMs);
}

RouterWorker::RouterWorker(const PortMapper::Options& options)
    : pinholes_(options.routerUrl.isEmpty() || !options.pinholeRouterUrl.isEmpty()),
      leaseSeconds_(options.leaseSeconds) {
    session_.setDiscoveryMs(options.discoveryMs);
    session_.setRouterUrl(options.routerUrl);
    pinhole_.setDiscoveryMs(options.discoveryMs);
    pinhole_.setRouterUrl(options.pinholeRouterUrl);
    pinhole_.setHostAddress(options.pinholeAddress);
}

void RouterWorker::open(quint16 port) {
    last_ = session_.open(port, leaseSeconds_);
    emit answered(last_);
    if (session_.holdsMapping() && last_.leaseSeconds > 0) {
        if (!renewal_) {
            renewal_ = new QTimer(this);
            connect(renewal_, &QTimer::timeout, this, &RouterWorker::renew);
        }
        // Half the lease, counted from now rather than after the pinhole: one missed
        // renewal still leaves time for the next.
        renewal_->start(last_.leaseSeconds * 1000 / 2);
    }
    if (pinholes_) openPinhole(port);
}

void RouterWorker::openPinhole(quint16 port) {
    lastPinhole_ = pinhole_.open(port, leaseSeconds_);
    emit pinholeAnswered(lastPinhole_);
    if (!pinhole_.holdsPinhole() || lastPinhole_.leaseSeconds <= 0) return;
    if (!pinholeRenewal_) {
        pinholeRenewal_ = new QTimer(this);
        connect(pinholeRenewal_, &QTimer::timeout, this, &RouterWorker::renewPinhole);
    }
    pinholeRenewal_->start(lastPinhole_.leaseSeconds * 1000 / 2);
}

void RouterWorker::renewPinhole() {
    const PinholeResult r = pinhole_.renew(leaseSeconds_);
    const bool changed = r.outcome != lastPinhole_.outcome || r.address != lastPinhole_.address;
    lastPinhole_ = r;
    if (changed) emit pinholeAnswered(r);
    if (!pinhole_.holdsPinhole()) pinholeRenewal_->stop();
}

void RouterWorker::renew() {
    const RouterResult r = session_.renew(leaseSeconds_);
    const bool changed = r.outcome != last_.outcome || r.externalAddress != last_.externalAddress;
    last_ = r;
    if (changed) emit answered(r);
    if (!session_.holdsMapping() || r.leaseSeconds <= 0) renewal_->stop();
}

void RouterWorker::close() {
    if (renewal_) renewal_->stop();
    if (pinholeRenewal_) pinholeRenewal_->stop();
    session_.close();
    pinhole_.close();
}

}  // namespace tess
