#include "reach/table_announcer.h"

#include <avahi-client/publish.h>
#include <avahi-common/alternative.h>
#include <avahi-common/error.h>
#include <avahi-common/malloc.h>

#include <QLoggingCategory>

#include "reach/avahi_link.h"

Q_DECLARE_LOGGING_CATEGORY(lcMdns)

namespace tess {

struct TableAnnouncer::Announcing {
    static void groupChanged(AvahiEntryGroup*, AvahiEntryGroupState state, void* self) {
        auto* a = static_cast<TableAnnouncer*>(self);
        switch (state) {
            case AVAHI_ENTRY_GROUP_ESTABLISHED:
                a->setEstablished(true);
                break;
            case AVAHI_ENTRY_GROUP_COLLISION:
                // Another table on the network took the name: take the next one ("… #2").
                a->takeNextName();
                break;
            case AVAHI_ENTRY_GROUP_FAILURE:
                qCInfo(lcMdns) << "The table's announcement failed";
                a->setEstablished(false);
                break;
            case AVAHI_ENTRY_GROUP_UNCOMMITED:
            case AVAHI_ENTRY_GROUP_REGISTERING:
                break;
        }
    }
};

TableAnnouncer::TableAnnouncer(quint16 port, std::function<AnnouncedTable()> figures,
                               QObject* parent, int checkMs)
    : QObject(parent), port_(port), figures_(std::move(figures)), link_(new AvahiLink(this)) {
    check_.setInterval(checkMs);
    connect(&check_, &QTimer::timeout, this, &TableAnnouncer::check);
    connect(link_, &AvahiLink::ready, this, &TableAnnouncer::start);
    connect(link_, &AvahiLink::lost, this, &TableAnnouncer::stop);
}

TableAnnouncer::~TableAnnouncer() { withdraw(); }

void TableAnnouncer::withdraw() {
    withdrawn_ = true;
    stop();
}

void TableAnnouncer::start() {
    if (withdrawn_ || group_) return;
    group_ = avahi_entry_group_new(link_->client(), &Announcing::groupChanged, this);
    if (group_ == nullptr) {
        qCInfo(lcMdns) << "No announcement:" << avahi_strerror(avahi_client_errno(link_->client()));
        return;
    }
    check_.start();
    check();
}

void TableAnnouncer::takeNextName() {
    // Renamed from the loop, never inside the responder's own call.
    char* other = avahi_alternative_service_name(name_.toUtf8().constData());
    name_ = QString::fromUtf8(other);
    avahi_free(other);
    QTimer::singleShot(0, this, [this] {
        if (group_) avahi_entry_group_reset(static_cast<AvahiEntryGroup*>(group_));
        add();
    });
}

void TableAnnouncer::add() {
    auto* group = static_cast<AvahiEntryGroup*>(group_);
    if (group == nullptr) return;
    AvahiStringList* txt = tableRecord(shown_);
    int error = avahi_entry_group_add_service_strlst(
        group, AVAHI_IF_UNSPEC, AVAHI_PROTO_UNSPEC, static_cast<AvahiPublishFlags>(0),
        name_.toUtf8().constData(), tableServiceType, nullptr, nullptr, port_, txt);
    avahi_string_list_free(txt);
    // Another program on this computer (a second copy hosting under the same player
    // name) holds the name already: the responder says so at once, not as a collision
    // on the network, so the next name is taken here too, a bounded number of times.
    if (error == AVAHI_ERR_COLLISION && localRenames_ < maxLocalRenames) {
        ++localRenames_;
        takeNextName();
        return;
    }
    if (error >= 0) error = avahi_entry_group_commit(group);
    if (error < 0) qCInfo(lcMdns) << "No announcement:" << avahi_strerror(error);
}

void TableAnnouncer::check() {
    if (group_ == nullptr) return;
    const AnnouncedTable now = figures_();
    if (!added_) {
        // Named after the hosting player, who logs in a moment after the table opens.
        if (now.hostName.isEmpty()) return;
        shown_ = now;
        if (name_.isEmpty()) name_ = serviceNameFor(shown_.hostName);
        added_ = true;
        add();
        return;
    }
    if (now == shown_) return;
    shown_ = now;
    AvahiStringList* txt = tableRecord(shown_);
    avahi_entry_group_update_service_txt_strlst(
        static_cast<AvahiEntryGroup*>(group_), AVAHI_IF_UNSPEC, AVAHI_PROTO_UNSPEC,
        static_cast<AvahiPublishFlags>(0), name_.toUtf8().constData(), tableServiceType, nullptr,
        txt);
    avahi_string_list_free(txt);
}

void TableAnnouncer::stop() {
    check_.stop();
    // Freeing the group takes the announcement off the network (a goodbye is sent).
    if (group_) avahi_entry_group_free(static_cast<AvahiEntryGroup*>(group_));
    group_ = nullptr;
    added_ = false;
    setEstablished(false);
}

void TableAnnouncer::setEstablished(bool on) {
    if (on == established_) return;
    established_ = on;
    emit establishedChanged(on);
}

}  // namespace tess
