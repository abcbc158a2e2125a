#include "reach/table_reach.h"

#include <QHostAddress>
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
        this, PortMapper::Options{options.leaseSeconds, options.discoveryMs, options.routerUrl,
                                  options.pinholeRouterUrl, options.pinholeAddress});
    connect(mapper_, &PortMapper::answered, this, &TableReach::answered);
    connect(mapper_, &PortMapper::pinholeAnswered, this, &TableReach::pinholeAnswered);
    mapper_->open(port);
}

TableReach::~TableReach() {
    delete announcer_;  // the announcement goes at once; the router may take a moment
    announcer_ = nullptr;
    if (mapper_) mapper_->close();
}

void TableReach::answered(const RouterResult& result) {
    local_ = result.localAddress;
    mapping_ = result;
    if (!result.detail.isEmpty()) qCInfo(lcRouter) << result.method << result.detail;
    for (const QString& line : linesFor(result, port_))
        emit notice(line);
    tellAddress();
}

void TableReach::pinholeAnswered(const PinholeResult& result) {
    pinhole_ = result;
    if (!result.detail.isEmpty()) qCInfo(lcRouter) << "IPv6 firewall:" << result.detail;
    for (const QString& line : linesFor(result, port_))
        emit notice(line);
    tellAddress();
}

void TableReach::tellAddress() {
    const QString address = addressForOthers(mapping_, pinhole_);
    if (address != external_) {
        external_ = address;
        emit externalAddressKnown(external_);
    }
    emit internetReach(address);
}

QString TableReach::addressForOthers(const RouterResult& mapping, const PinholeResult& pinhole) {
    if (reachableAt(mapping)) return mapping.externalAddress;
    using Outcome = PinholeResult::Outcome;
    if ((pinhole.outcome == Outcome::opened || pinhole.outcome == Outcome::unfiltered) &&
        globalIpv6(QHostAddress(pinhole.address)))
        return QHostAddress(pinhole.address).toString();
    return {};
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
    // The chat sets a line apart at its first colon, so an IPv6 address comes after one.
    if (localAddress.contains(QLatin1Char(':')))
        return tr("On this network: players can join at [%1].").arg(localAddress);
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

QStringList TableReach::linesFor(const PinholeResult& r, quint16 port) {
    using Outcome = PinholeResult::Outcome;
    const QString at = QStringLiteral("[%1]:%2").arg(r.address).arg(port);
    switch (r.outcome) {
        case Outcome::opened:
            // The chat reads up to the first colon as a line's opening: it comes before
            // the address.
            return {tr("Your router's IPv6 firewall lets players in: players with IPv6 can "
                       "join this table at %1.")
                        .arg(at)};
        case Outcome::unfiltered:
            return {tr("Your router does not filter IPv6: players with IPv6 can join this "
                       "table at %1 unless this computer's own firewall keeps them out.")
                        .arg(at)};
        case Outcome::notAllowed:
            return {
                tr("Your router's IPv6 firewall lets nobody in from the internet, so "
                   "players cannot reach this table over IPv6.")};
        case Outcome::refused:
            return {tr("Your router refused to open port %1 for this table in its IPv6 "
                       "firewall.")
                        .arg(port)};
        case Outcome::noAnswer:
            return {tr("Your router did not answer in time when asked to open port %1 for "
                       "this table in its IPv6 firewall.")
                        .arg(port)};
        case Outcome::noAddress:
        case Outcome::noRouter:
            break;
    }
    return {};
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
