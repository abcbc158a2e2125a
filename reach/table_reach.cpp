#include "reach/table_reach.h"

#include <QTimer>

#include "reach/port_mapper.h"
#include "reach/table_announcer.h"

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
    mapper_ = new PortMapper(this, options.leaseSeconds, options.discoveryMs);
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
    for (const QString& line : linesFor(result, port_))
        emit notice(line);
    if (!result.externalAddress.isEmpty() && result.externalAddress != external_) {
        external_ = result.externalAddress;
        emit externalAddressKnown(external_);
    }
    const bool reachable = result.outcome == RouterResult::Outcome::opened &&
                           !result.externalAddress.isEmpty() &&
                           !behindAnotherNat(result.externalAddress);
    emit internetReach(reachable ? result.externalAddress : QString());
}

QString TableReach::localOnlyLine(const QString& localAddress) {
    if (localAddress.isEmpty())
        return tr(
            "This computer has no address on a network: only players on this computer "
            "can join.");
    return tr("Players on this network can join at %1.").arg(localAddress);
}

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
            lines << tr("Your router did not open port %1 for this table (%2).")
                         .arg(port)
                         .arg(r.detail);
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
