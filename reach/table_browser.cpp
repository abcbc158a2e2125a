#include "reach/table_browser.h"

#include <avahi-client/lookup.h>
#include <avahi-common/address.h>
#include <avahi-common/error.h>
#include <avahi-common/malloc.h>
#include <net/if.h>

#include <QHostAddress>
#include <QLoggingCategory>
#include <QNetworkInterface>
#include <algorithm>

#include "reach/avahi_link.h"
#include "reach/table_record.h"

Q_DECLARE_LOGGING_CATEGORY(lcMdns)

namespace tess {

namespace {

QString keyOf(AvahiIfIndex interface, AvahiProtocol protocol, const char* name,
              const char* domain) {
    return QString::number(interface) + QLatin1Char('/') + QString::number(protocol) +
           QLatin1Char('/') + QString::fromUtf8(domain) + QLatin1Char('/') +
           QString::fromUtf8(name);
}

// A link-local IPv6 address is reachable only through its own interface.
QString addressText(const AvahiAddress* a, AvahiIfIndex interface) {
    char text[AVAHI_ADDRESS_STR_MAX] = {};
    avahi_address_snprint(text, sizeof text, a);
    QString address = QString::fromLatin1(text);
    if (a->proto == AVAHI_PROTO_INET6 && QHostAddress(address).isLinkLocal()) {
        char name[IF_NAMESIZE] = {};
        if (if_indextoname(static_cast<unsigned>(interface), name) != nullptr)
            address += QLatin1Char('%') + QString::fromLatin1(name);
    }
    return address;
}

}  // namespace

// The library's callbacks, with access to the browser's own parts.
struct TableBrowser::Browsing {
    static void browsed(AvahiServiceBrowser*, AvahiIfIndex interface, AvahiProtocol protocol,
                        AvahiBrowserEvent event, const char* name, const char* type,
                        const char* domain, AvahiLookupResultFlags, void* self) {
        auto* b = static_cast<TableBrowser*>(self);
        switch (event) {
            case AVAHI_BROWSER_NEW:
                b->itemNew(interface, protocol, name, type, domain);
                break;
            case AVAHI_BROWSER_REMOVE:
                b->itemRemove(keyOf(interface, protocol, name, domain));
                break;
            case AVAHI_BROWSER_FAILURE:
                qCInfo(lcMdns) << "Browsing for tables failed";
                break;
            case AVAHI_BROWSER_ALL_FOR_NOW:
            case AVAHI_BROWSER_CACHE_EXHAUSTED:
                break;
        }
    }

    static void resolved(AvahiServiceResolver*, AvahiIfIndex interface, AvahiProtocol protocol,
                         AvahiResolverEvent event, const char* name, const char*,
                         const char* domain, const char*, const AvahiAddress* address,
                         uint16_t port, AvahiStringList* txt, AvahiLookupResultFlags, void* self) {
        auto* b = static_cast<TableBrowser*>(self);
        const QString key = keyOf(interface, protocol, name, domain);
        if (event != AVAHI_RESOLVER_FOUND || address == nullptr) {
            b->resolved(key, false, {}, false);
            return;
        }
        FoundTable table = readTableRecord(txt);
        table.service = QString::fromUtf8(name);
        table.address = addressText(address, interface);
        table.port = port;
        // A stranger may announce any address: only one that leads to another computer
        // is listed (the loopback only when announced on the loopback, by this computer).
        const bool onLoopback = QNetworkInterface::interfaceFromIndex(interface).flags().testFlag(
            QNetworkInterface::IsLoopBack);
        if (port == 0 || !joinableAnnouncedAddress(table.address, onLoopback)) {
            qCInfo(lcMdns) << "Announced table" << table.service
                           << "at an address not joined:" << table.address;
            b->resolved(key, false, {}, false);
            return;
        }
        b->resolved(key, true, table, address->proto == AVAHI_PROTO_INET);
    }
};

TableBrowser::TableBrowser(QObject* parent) : QObject(parent), link_(new AvahiLink(this)) {
    reason_ = tr("Looking for tables on this network…");
    connect(link_, &AvahiLink::ready, this, &TableBrowser::start);
    connect(link_, &AvahiLink::lost, this, &TableBrowser::stop);
}

// The library's objects go before the client that holds them.
TableBrowser::~TableBrowser() { freeLookups(); }

void TableBrowser::freeLookups() {
    for (Sighting& s : sightings_)
        if (s.resolver) avahi_service_resolver_free(static_cast<AvahiServiceResolver*>(s.resolver));
    sightings_.clear();
    if (browser_) avahi_service_browser_free(static_cast<AvahiServiceBrowser*>(browser_));
    browser_ = nullptr;
}

void TableBrowser::start() {
    if (browser_) return;
    browser_ = avahi_service_browser_new(
        link_->client(), AVAHI_IF_UNSPEC, AVAHI_PROTO_UNSPEC, tableServiceType, nullptr,
        static_cast<AvahiLookupFlags>(0), &Browsing::browsed, this);
    if (browser_ == nullptr) {
        available_ = false;
        reason_ = tr("Tables on this network cannot be listed: %1")
                      .arg(QString::fromUtf8(avahi_strerror(avahi_client_errno(link_->client()))));
        qCInfo(lcMdns) << reason_;
        emit changed();
        return;
    }
    available_ = true;
    reason_.clear();
    emit changed();
}

void TableBrowser::stop() {
    freeLookups();
    tables_.clear();
    waiting_.clear();
    crowded_ = false;
    available_ = false;
    switch (link_->trouble()) {
        case AvahiLink::Trouble::noResponder:
            reason_ =
                tr("Tables on this network cannot be listed: the mDNS responder "
                   "(avahi-daemon) is not running on this computer.");
            break;
        case AvahiLink::Trouble::noBus:
            reason_ =
                tr("Tables on this network cannot be listed: the system message bus "
                   "(D-Bus) is not running on this computer.");
            break;
        case AvahiLink::Trouble::other:
        case AvahiLink::Trouble::none:
            reason_ = tr("Tables on this network cannot be listed: %1").arg(link_->troubleText());
            break;
    }
    emit changed();
}

void TableBrowser::itemNew(int interface, int protocol, const char* name, const char* type,
                           const char* domain) {
    const QString key = keyOf(interface, protocol, name, domain);
    if (sightings_.contains(key)) return;
    // Resolves to any address family; stays, and tells of changes of the text.
    AvahiServiceResolver* r = avahi_service_resolver_new(
        link_->client(), interface, protocol, name, type, domain, AVAHI_PROTO_UNSPEC,
        static_cast<AvahiLookupFlags>(0), &Browsing::resolved, this);
    if (r == nullptr) {
        // The responder keeps a limited number of lookups for each program: past it, a
        // flood of announcements would hide the tables behind it without a word.
        qCInfo(lcMdns) << "Cannot resolve" << name << "-"
                       << avahi_strerror(avahi_client_errno(link_->client()));
        // Heard again when a lookup is given back; the oldest waiting go first.
        if (waiting_.size() >= maxWaiting) waiting_.pop_front();
        waiting_.push_back({interface, protocol, name, type, domain});
        if (!crowded_) {
            crowded_ = true;
            emit changed();
        }
        return;
    }
    sightings_[key].resolver = r;
}

void TableBrowser::itemRemove(const QString& key) {
    auto it = sightings_.find(key);
    if (it == sightings_.end()) return;
    if (it->resolver) avahi_service_resolver_free(static_cast<AvahiServiceResolver*>(it->resolver));
    sightings_.erase(it);
    publish();
}

void TableBrowser::resolved(const QString& key, bool ok, const FoundTable& table, bool ipv4) {
    auto it = sightings_.find(key);
    if (it == sightings_.end()) return;
    it->resolved = ok;
    if (ok) {
        it->table = table;
        it->ipv4 = ipv4;
    }
    // The responder looks up only so many at once for us. An announcement that cannot be
    // joined gives its lookup back; so does every answered one once the limit was met,
    // so that a flood holds no more than it answered and later tables are still heard.
    if ((!ok || crowded_) && it->resolver) {
        avahi_service_resolver_free(static_cast<AvahiServiceResolver*>(it->resolver));
        it->resolver = nullptr;
        if (!waiting_.empty()) {
            const Waiting next = waiting_.front();
            waiting_.pop_front();
            itemNew(next.interface, next.protocol, next.name.c_str(), next.type.c_str(),
                    next.domain.c_str());
        }
    }
    publish();
}

// One entry per announced table, by its IPv4 address where it has one.
void TableBrowser::publish() {
    QMap<QString, const Sighting*> best;
    for (const Sighting& s : sightings_) {
        if (!s.resolved) continue;
        const Sighting*& held = best[s.table.service];
        if (held == nullptr || (s.ipv4 && !held->ipv4)) held = &s;
    }
    QList<FoundTable> tables;
    for (const Sighting* s : best)
        tables.append(s->table);
    if (tables == tables_) return;
    tables_ = tables;
    emit changed();
}

}  // namespace tess
