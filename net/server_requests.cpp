// What the host does with each request. A connection speaks only for itself: a request
// naming another slot or seat than the sender's own is dropped, and kicks and game
// starts come only from the hosting player in slot 1.
#include <QLoggingCategory>

#include "net/server.h"
#include "wire/commands.h"
#include "wire/fields.h"
#include "wire/message.h"
#include "wire/names.h"

Q_DECLARE_LOGGING_CATEGORY(lcHost)

namespace tess {

using wire::Message;

bool TServer::fromSender(int origin, std::string_view rest) const {
    const int named = wire::FieldReader(rest).number();
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
    if (!fromSender(origin, rest)) return;
    wire::FieldReader fields(rest);
    const int slot = fields.number();
    const std::string_view version = fields.text();
    c.name = wire::cleanName(fields.remainder());
    c.loggedIn = true;
    if (c.loginTimer != nullptr) c.loginTimer->stop();

    broadcast(Message(cmd::newplayerinfo).add(slot).add(c.name).add("0").end());

    Message others(cmd::existingplayers);
    bool anyOther = false;
    for (int other : slotsInUse()) {
        if (other == slot) continue;
        const bool watching = other <= seatCount && engine_.table().seats[other].justWatching;
        others.add(other).add(slots_[other].name).add(watching ? "1" : "0");
        anyOther = true;
    }
    if (anyOther) {
        const std::string list = others.end();
        send(slot, list);
        send(slot, list);
    }

    if (version != cmd::version) {
        send(1, Message(cmd::havewrongversion).add(c.name).end());
        send(slot, Message(cmd::wrongversion).endWithPlus());
    }

    if (engine_.table().inProgress) {
        const std::string hand = engine_.mycardsMessage(slot);
        if (!hand.empty()) send(slot, hand);
        send(slot, engine_.gamestatsMessage(slot));
    }
}

void TServer::relay(int origin, std::string_view rest, std::string_view word,
                    std::string_view join) {
    if (!fromSender(origin, rest)) return;
    wire::FieldReader fields(rest);
    const int slot = fields.number();
    const std::string text = std::string(join) + std::string(fields.remainder());
    broadcast(Message(word).add(slot).raw(text).end());
}

void TServer::chat(int origin, std::string_view rest) {
    if (rest.size() > maxRelayedLine) return;
    relay(origin, rest, cmd::chat, "+" + slots_[origin].name + " chats: ");
}

void TServer::action(int origin, std::string_view rest) {
    if (rest.size() > maxRelayedLine) return;
    relay(origin, rest, cmd::action, "+" + slots_[origin].name + " ");
}

void TServer::playasound(int origin, std::string_view rest) {
    if (rest.size() > maxRelayedLine) return;
    relay(origin, rest, cmd::playasound, "+");
}

void TServer::kickhim(int origin, std::string_view rest) {
    wire::FieldReader fields(rest);
    const int sender = fields.number();
    const int target = fields.number();
    if (origin != 1 || sender != 1) {
        qCWarning(lcHost) << "Ignored a kick request from slot" << origin;
        return;
    }
    disconnectsock(target);
}

void TServer::justwatch(int origin, std::string_view rest) {
    wire::FieldReader fields(rest);
    const int seat = fields.number();
    const std::string_view mode = fields.text();
    if (seat < 1 || seat > seatCount) return;
    if (origin != seat && origin != 1) {
        qCWarning(lcHost) << "Ignored slot" << origin << "asking seat" << seat << "to watch";
        return;
    }
    if (mode == "2") {
        engine_.setJustWatching(seat, false);
        broadcast(Message(cmd::justwatching).add(seat).add("2").end());
    } else if (mode == "1" && engine_.table().inProgress) {
        engine_.setJustWatching(seat, true);
        broadcast(Message(cmd::justwatching).add(seat).add("1").end());
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
    if (fromSender(origin, rest)) engine_.handplay(rest);
}

void TServer::tabplay(int origin, std::string_view rest) {
    if (fromSender(origin, rest)) engine_.tabplay(rest);
}

void TServer::handfound(int origin, std::string_view rest) {
    if (fromSender(origin, rest)) engine_.handfound(rest);
}

void TServer::tabfound(int origin, std::string_view rest) {
    if (fromSender(origin, rest)) engine_.tabfound(rest);
}

void TServer::endturn(int origin, std::string_view rest) {
    if (fromSender(origin, rest)) engine_.endturn(rest);
}

}  // namespace tess
