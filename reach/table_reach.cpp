#include "reach/table_reach.h"

#include <QLoggingCategory>
#include <QTimer>

#include "reach/port_mapper.h"
#include "reach/table_announcer.h"

Q_DECLARE_LOGGING_CATEGORY(lcRouter)

namespace tess {

TableReach::TableReach(quint16 port, std::function<AnnouncedTable()> figures, Options options,
                       QObject* parent)
    : QObject(parent), port_(port), announcer_(new TableAnnouncer(port, std::move(figures), this)) {
    if (!options.openRouterPort) {
        // Told from the event loop, once whoever made this listens.
        QTimer::singleShot(0, this, [this] {
            local_ = defaultRouteAddress();
            emit notice(localOnlyLine(local_));
        });
        return;
    }
    mapper_ = new PortMapper(
        this, PortMapper::Options{options.leaseSeconds, options.discoveryMs, options.routerUrl});
    connect(mapper_, &PortMapper::answered, this, &TableReach::answered);
    mapper_->open(port);
}

TableReach::~TableReach() {
    delete announcer_;  // the announcement goes at once; the router may take a moment
    announcer_ = nullptr;
    if (mapper_) mapper_->close();
}

void TableReach::answered(const RouterResult& result) {
    local_ = result.localAddress;
    if (!result.detail.isEmpty()) qCInfo(lcRouter) << result.method << result.detail;
    for (const QString& line : linesFor(result, port_))
        emit notice(line);
    const QString external = reachableAt(result) ? result.externalAddress : QString();
    if (external != external_) {
        external_ = external;
        emit externalAddressKnown(external_);
    }
    const bool reachable = result.outcome == RouterResult::Outcome::opened &&
                           !result.externalAddress.isEmpty() &&
                           !behindAnotherNat(result.externalAddress);
    emit internetReach(reachable ? result.externalAddress : QString());
}

bool TableReach::reachableAt(const RouterResult& result) {
    return result.outcome == RouterResult::Outcome::opened && !result.externalAddress.isEmpty() &&
           !behindAnotherNat(result.externalAddress);
}

QString TableReach::localOnlyLine(const QString& localAddress) {
    if (localAddress.isEmpty())
        return tr(
            "This computer has no address on a network: only players on this computer "
            "can join.");
    return tr("Players on this network can join at %1.").arg(localAddress);
}

namespace {

QString refusalLine(RouterResult::Reason reason, quint16 port) {
    using Reason = RouterResult::Reason;
    switch (reason) {
        case Reason::notConnected:
            return TableReach::tr(
                       "Your router did not open port %1 for this table: it says it is not "
                       "connected to the internet.")
                .arg(port);
        case Reason::noAnswer:
            return TableReach::tr(
                       "Your router did not open port %1 for this table: it did not answer "
                       "in time.")
                .arg(port);
        case Reason::cannotTell:
            return TableReach::tr(
                       "Your router cannot say which computer port %1 goes to, so it was left "
                       "as it is: players on the internet may not reach this table.")
                .arg(port);
        case Reason::none:
        case Reason::refusedByRouter:
            break;
    }
    return TableReach::tr("Your router refused to open port %1 for this table.").arg(port);
}

}  // namespace

QStringList TableReach::linesFor(const RouterResult& r, quint16 port) {
    QStringList lines;
    const QString local = r.localAddress;
    using Outcome = RouterResult::Outcome;
    switch (r.outcome) {
        case Outcome::opened:
            if (r.externalAddress.isEmpty())
                lines << tr("Your router opened port %1 for this table.").arg(port);
            else
                lines << tr("Players on the internet can join this table at %1.")
                             .arg(r.externalAddress);
            break;
        case Outcome::taken:
            lines << (r.takenBy.isEmpty()
                          ? tr("Your router already forwards port %1 to another computer; it "
                               "was left as it is, so players on the internet cannot reach "
                               "this table.")
                                .arg(port)
                          : tr("Your router already forwards port %1 to %2; it was left as "
                               "it is, so players on the internet cannot reach this table.")
                                .arg(port)
                                .arg(r.takenBy));
            break;
        case Outcome::refused:
            lines << refusalLine(r.reason, port);
            break;
        case Outcome::noRouter:
            lines << tr("No router answered (UPnP, NAT-PMP), so port %1 is not open to the "
                        "internet.")
                         .arg(port);
            break;
    }
    if (behindAnotherNat(r.externalAddress))
        lines << tr("Your router's internet address %1 belongs to another network behind "
                    "it: players on the internet probably cannot reach this table.")
                     .arg(r.externalAddress);
    lines << localOnlyLine(local);
    return lines;
}

}  // namespace tess
