// What the host does with each request. A connection speaks only for itself: a request
// naming another slot or seat than the sender's own is dropped, and kicks and game
// starts come only from the hosting player in slot 1.
#include <QLoggingCategory>

#include "net/server.h"
#include "wire/announcements.h"
#include "wire/names.h"
#include "wire/requests.h"

Q_DECLARE_LOGGING_CATEGORY(lcHost)

namespace tess {

bool TServer::fromSender(int origin, int named) const {
    if (named == origin) return true;
    qCWarning(lcHost) << "Dropped a request of slot" << origin << "made for slot" << named;
    return false;
}

void TServer::receivedlogininfo(int origin, std::string_view rest) {
    Connection& c = slots_[origin];
    if (c.loggedIn) {
        qCWarning(lcHost) << "Ignored a second login from slot" << origin;
        return;
    }
    const wire::LoginInfo login = wire::LoginInfo::decode(rest);
    if (!fromSender(origin, login.slot)) return;
    const int slot = login.slot;
    const std::string name = wire::cleanName(login.name);
    if (c.counted && guard_.banned(name, c.group, clock_.nowMs())) {
        dropConnection(origin, "was removed from the table lately");
        return;
    }
    c.name = name;
    c.loggedIn = true;
    if (c.loginTimer != nullptr) c.loginTimer->stop();
    if (c.counted) guard_.loggedIn(c.group);
    // Its player came back: a dead connection does not hold the name and a slot.
    if (const int stale = silentNamesake(origin); stale != 0)
        dropConnection(stale, "gives way to its player, who came back");

    broadcast(wire::NewPlayerInfo{slot, c.name}.encode());

    wire::ExistingPlayers others;
    for (int other : slotsInUse()) {
        if (other == slot) continue;
        const bool watching = other <= seatCount && engine_.table().seats[other].justWatching;
        others.players.push_back({other, slots_[other].name, watching});
    }
    if (!others.players.empty()) {
        const std::string list = others.encode();
        send(slot, list);
        send(slot, list);
    }

    if (login.version != cmd::version) {
        send(1, wire::HaveWrongVersion{c.name}.encode());
        send(slot, wire::WrongVersion{}.encode());
    }

    if (engine_.table().inProgress) {
        const std::string hand = engine_.mycardsMessage(slot);
        if (!hand.empty()) send(slot, hand);
        send(slot, engine_.gamestatsMessage(slot));
    }
}

void TServer::chat(int origin, std::string_view rest) {
    if (rest.size() > maxRelayedLine) return;
    wire::Chat line = wire::Chat::decode(rest);
    if (!fromSender(origin, line.slot)) return;
    line.text = slots_[origin].name + " chats: " + line.text;
    relay(line.encode());
}

void TServer::action(int origin, std::string_view rest) {
    if (rest.size() > maxRelayedLine) return;
    wire::Action line = wire::Action::decode(rest);
    if (!fromSender(origin, line.slot)) return;
    line.text = slots_[origin].name + " " + line.text;
    relay(line.encode());
}

void TServer::playasound(int origin, std::string_view rest) {
    if (rest.size() > maxRelayedLine) return;
    const wire::PlayASound sound = wire::PlayASound::decode(rest);
    if (fromSender(origin, sound.slot)) relay(sound.encode());
}

void TServer::kickhim(int origin, std::string_view rest) {
    const wire::KickHim kick = wire::KickHim::decode(rest);
    if (origin != 1 || kick.slot != 1) {
        qCWarning(lcHost) << "Ignored a kick request from slot" << origin;
        return;
    }
    // A removed player stays away for a while; others behind his address may come.
    if (inUse(kick.target) && slots_[kick.target].counted) {
        const Connection& c = slots_[kick.target];
        guard_.ban(c.name, c.group, clock_.nowMs());
        qCInfo(lcHost) << "Slot" << kick.target << "removed; its player is refused for now";
    }
    disconnectsock(kick.target);
}

void TServer::justwatch(int origin, std::string_view rest) {
    const wire::JustWatch request = wire::JustWatch::decode(rest);
    const int seat = request.seat;
    if (seat < 1 || seat > seatCount) return;
    if (origin != seat && origin != 1) {
        qCWarning(lcHost) << "Ignored slot" << origin << "asking seat" << seat << "to watch";
        return;
    }
    if (request.mode == 2) {
        engine_.setJustWatching(seat, false);
        broadcast(wire::JustWatching{seat, false}.encode());
    } else if (request.mode == 1 && engine_.table().inProgress) {
        engine_.setJustWatching(seat, true);
        broadcast(wire::JustWatching{seat, true}.encode());
        engine_.passTurnFrom(seat);
    }
}

void TServer::startgame(int origin, std::string_view rest) {
    if (origin != 1) {
        qCWarning(lcHost) << "Ignored a game start from slot" << origin;
        return;
    }
    engine_.startgame(rest);
}

void TServer::handplay(int origin, std::string_view rest) {
    if (fromSender(origin, wire::HandPlay::decode(rest).seat)) engine_.handplay(rest);
}

void TServer::tabplay(int origin, std::string_view rest) {
    if (fromSender(origin, wire::TabPlay::decode(rest).seat)) engine_.tabplay(rest);
}

void TServer::handfound(int origin, std::string_view rest) {
    if (fromSender(origin, wire::HandFound::decode(rest).seat)) engine_.handfound(rest);
}

void TServer::tabfound(int origin, std::string_view rest) {
    if (fromSender(origin, wire::TabFound::decode(rest).seat)) engine_.tabfound(rest);
}

void TServer::endturn(int origin, std::string_view rest) {
    if (fromSender(origin, wire::EndTurn::decode(rest).seat)) engine_.endturn(rest);
}

}  // namespace tess
