#include "client/joining/online_listing.h"

#include "online/online_lobby.h"
#include "wire/limits.h"

namespace tess {

OnlineListing::OnlineListing(OnlineLobby& lobby, std::function<ListedTable()> figures,
                             QObject* parent, int checkMs)
    : QObject(parent), lobby_(lobby), figures_(std::move(figures)) {
    check_.setInterval(checkMs);
    connect(&check_, &QTimer::timeout, this, &OnlineListing::update);
    connect(&lobby_, &OnlineLobby::joinRequested, this, &OnlineListing::asked);
}

OnlineListing::~OnlineListing() {
    if (listed_) lobby_.listTable(std::nullopt);
}

void OnlineListing::setOn(bool on) {
    if (on == on_) return;
    on_ = on;
    if (!on) {
        check_.stop();
        if (listed_) lobby_.listTable(std::nullopt);
        listed_ = false;
        emit notice(tr("Your table is no longer listed online."));
        return;
    }
    if (address_.isEmpty())
        emit notice(tr("This table cannot be reached from the internet: the router has not "
                       "forwarded port %1 to it (see the lines above). It is listed online once "
                       "the router does.")
                        .arg(wire::tablePort));
    check_.start();
    update();
}

void OnlineListing::setReachable(const QString& address) {
    address_ = address;
    if (address_.isEmpty() && listed_) {
        lobby_.listTable(std::nullopt);
        listed_ = false;
        emit notice(tr("The router no longer forwards port %1 to this table, so it is no "
                       "longer listed online.")
                        .arg(wire::tablePort));
        return;
    }
    update();
}

void OnlineListing::update() {
    if (!on_ || address_.isEmpty()) return;
    if (!listed_)
        emit notice(
            tr("Your table is listed online: the room sees your name and the table's "
               "players, and a player who asks to join gets its address."));
    listed_ = true;
    lobby_.listTable(figures_());
}

void OnlineListing::asked(const QString& occupant, const QString& id) {
    if (!on_) return;
    if (address_.isEmpty()) {
        lobby_.refuseJoin(occupant, id, tr("This table cannot be reached from the internet."));
        return;
    }
    lobby_.answerJoin(occupant, id, address_, wire::tablePort);
}

}  // namespace tess
