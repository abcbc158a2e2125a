#include "reach/port_mapper.h"

#include <QLoggingCategory>
#include <QTimer>

Q_DECLARE_LOGGING_CATEGORY(lcRouter)

namespace tess {

PortMapper::PortMapper(QObject* parent, int leaseSeconds, int discoveryMs)
    : QObject(parent), thread_(new QThread), worker_(new RouterWorker(leaseSeconds, discoveryMs)) {
    qRegisterMetaType<RouterResult>();
    thread_->setObjectName(QStringLiteral("router"));
    worker_->moveToThread(thread_);
    connect(thread_, &QThread::finished, worker_, &QObject::deleteLater);
    connect(worker_, &RouterWorker::answered, this, [this](const RouterResult& r) {
        emit answered(r);
        if (!r.externalAddress.isEmpty()) emit externalAddressKnown(r.externalAddress);
    });
    thread_->start();
}

PortMapper::~PortMapper() { close(); }

void PortMapper::open(quint16 port) {
    QMetaObject::invokeMethod(worker_, [w = worker_, port] { w->open(port); });
}

void PortMapper::close(int waitMs) {
    if (closed_) return;
    closed_ = true;
    // After whatever the thread is doing now; then the thread ends.
    QMetaObject::invokeMethod(worker_, [w = worker_] {
        w->close();
        QThread::currentThread()->quit();
    });
    if (thread_->wait(waitMs)) {
        delete thread_;
        return;
    }
    // A router that does not answer must not hold up the program's end: the thread is
    // left to finish on its own.
    qCInfo(lcRouter) << "The router did not answer in time; its mapping may stay until its "
                        "lease ends";
    worker_->disconnect(this);
}

RouterWorker::RouterWorker(int leaseSeconds, int discoveryMs) : leaseSeconds_(leaseSeconds) {
    session_.setDiscoveryMs(discoveryMs);
}

void RouterWorker::open(quint16 port) {
    last_ = session_.open(port, leaseSeconds_);
    emit answered(last_);
    if (!session_.holdsMapping() || last_.leaseSeconds <= 0) return;
    if (!renewal_) {
        renewal_ = new QTimer(this);
        connect(renewal_, &QTimer::timeout, this, &RouterWorker::renew);
    }
    // Half the lease: one missed renewal still leaves time for the next.
    renewal_->start(last_.leaseSeconds * 1000 / 2);
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
    session_.close();
}

}  // namespace tess
