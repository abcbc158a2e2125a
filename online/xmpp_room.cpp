// The worker's part in the room: joining it, reading who is there and what they list,
// its chat, and the private messages of joining.
#include <QCoreApplication>
#include <QRandomGenerator>
#include <chrono>
#include <cstring>

#include "online/lobby_address.h"
#include "online/xmpp_worker.h"

namespace tess {

namespace {

constexpr const char* mucNs = "http://jabber.org/protocol/muc";
constexpr const char* mucUserNs = "http://jabber.org/protocol/muc#user";
constexpr int nickTriesMax = 5;
constexpr int roomHistory = 20;
constexpr int lockedTriesMax = 6;

QString tr(const char* text) { return QCoreApplication::translate("OnlineLobby", text); }

QString errorCondition(xmpp_stanza_t* stanza) {
    xmpp_stanza_t* error = xmpp_stanza_get_child_by_name(stanza, "error");
    for (xmpp_stanza_t* c = error ? xmpp_stanza_get_children(error) : nullptr; c;
         c = xmpp_stanza_get_next(c))
        if (xmpp_stanza_is_tag(c) && xmpp_stanza_get_name(c) &&
            std::strcmp(xmpp_stanza_get_name(c), "text") != 0)
            return cleanLobbyText(xmpp_stanza_get_name(c), 60);
    return {};
}

bool hasStatus(xmpp_stanza_t* presence, std::string_view code) {
    xmpp_stanza_t* x = xmpp_stanza_get_child_by_name_and_ns(presence, "x", mucUserNs);
    for (xmpp_stanza_t* c = x ? xmpp_stanza_get_children(x) : nullptr; c;
         c = xmpp_stanza_get_next(c)) {
        const char* name = xmpp_stanza_get_name(c);
        const char* value = xmpp_stanza_get_attribute(c, "code");
        if (name && value && std::string_view(name) == "status" && code == value) return true;
    }
    return false;
}

// The text of a message's body, read in place.
const char* bodyText(xmpp_stanza_t* message) {
    xmpp_stanza_t* body = xmpp_stanza_get_child_by_name(message, "body");
    xmpp_stanza_t* text = body ? xmpp_stanza_get_children(body) : nullptr;
    return text && xmpp_stanza_is_text(text) ? xmpp_stanza_get_text_ptr(text) : nullptr;
}

bool typeIs(xmpp_stanza_t* stanza, const char* type) {
    const char* t = xmpp_stanza_get_type(stanza);
    return t != nullptr && std::strcmp(t, type) == 0;
}

// What the room's refusal means to the user.
QString refusalText(const QString& condition) {
    if (condition == QLatin1String("not-authorized"))
        return tr("The room asks for a password; choose another room.");
    if (condition == QLatin1String("forbidden")) return tr("The room has banned this name.");
    if (condition == QLatin1String("registration-required"))
        return tr("The room lets in its members only; choose another room.");
    if (condition == QLatin1String("service-unavailable"))
        return tr("The room is full; try again later or choose another room.");
    if (condition == QLatin1String("item-not-found") || condition == QLatin1String("not-allowed"))
        return tr(
            "There is no such room on this server, and it may not be made here; choose "
            "another room.");
    if (condition.startsWith(QLatin1String("remote-server-")))
        return tr(
            "The room's server cannot be reached from this server: there may be no such "
            "room. Choose another room.");
    return tr("The room refused to let you in (%1).").arg(condition);
}

}  // namespace

int XmppWorker::onAny(xmpp_conn_t*, xmpp_stanza_t*, void* self) {
    auto* w = static_cast<XmppWorker*>(self);
    w->lastHeard_ = nowMs();
    w->pingSent_ = 0;
    return 1;
}

int XmppWorker::onPresence(xmpp_conn_t*, xmpp_stanza_t* s, void* self) {
    return static_cast<XmppWorker*>(self)->presence(s);
}

int XmppWorker::onMessage(xmpp_conn_t*, xmpp_stanza_t* s, void* self) {
    return static_cast<XmppWorker*>(self)->message(s);
}

void XmppWorker::onConnection(xmpp_conn_t*, xmpp_conn_event_t e, int error,
                              xmpp_stream_error_t* streamError, void* self) {
    static_cast<XmppWorker*>(self)->connectionEvent(e, error, streamError);
}

void XmppWorker::connectionEvent(xmpp_conn_event_t event, int error,
                                 xmpp_stream_error_t* streamError) {
    if (event == XMPP_CONN_CONNECT) {
        connected_ = true;
        lastHeard_ = nowMs();
        joinRoom();
        return;
    }
    const bool wasConnected = connected_;
    connected_ = false;
    if (stopping_) return;
    if (streamError && streamError->text)
        end(tr("The server closed the connection: %1").arg(cleanLobbyText(streamError->text, 200)),
            inRoom_);
    else if (wasConnected)
        end(tr("The connection to the server was lost."), true);
    else
        end(loginFailure(error), login_ == Login::started || login_ == Login::reached);
}

QString XmppWorker::loginFailure(int error) const {
    switch (login_) {
        case Login::started: {
            const int code = error != 0 ? error : connectError_;
            return code != 0 ? tr("Could not reach the server: %1")
                                   .arg(QString::fromLocal8Bit(strerror(code)))
                             : tr("Could not reach the server.");
        }
        case Login::insecure:
            return tr(
                "The server's certificate could not be trusted, so nothing was sent to "
                "it.");
        case Login::refused:
            return account_.jid.isEmpty()
                       ? tr("The server does not allow logging in without an account; "
                            "use your own account or choose another server.")
                       : tr("The server refused the login: check the account and password.");
        case Login::reached:
            break;
    }
    return tr(
        "The server closed the connection before you were logged in (it may offer no "
        "secure connection).");
}

void XmppWorker::joinRoom() {
    xmpp_stanza_t* p = xmpp_presence_new(ctx_);
    xmpp_stanza_set_to(p, occupantAddress(nick_).toUtf8().constData());
    xmpp_stanza_t* x = xmpp_stanza_new(ctx_);
    xmpp_stanza_set_name(x, "x");
    xmpp_stanza_set_ns(x, mucNs);
    xmpp_stanza_t* history = xmpp_stanza_new(ctx_);
    xmpp_stanza_set_name(history, "history");
    xmpp_stanza_set_attribute(history, "maxstanzas", QByteArray::number(roomHistory));
    xmpp_stanza_add_child_ex(x, history, 0);
    xmpp_stanza_add_child_ex(p, x, 0);
    if (table_) xmpp_stanza_add_child_ex(p, tableElement(ctx_, *table_), 0);
    send(p);
}

void XmppWorker::unlockRoom() {
    xmpp_stanza_t* iq = xmpp_iq_new(ctx_, "set", "unlock");
    xmpp_stanza_set_to(iq, account_.room.toUtf8().constData());
    xmpp_stanza_t* query = xmpp_stanza_new(ctx_);
    xmpp_stanza_set_name(query, "query");
    xmpp_stanza_set_ns(query, "http://jabber.org/protocol/muc#owner");
    xmpp_stanza_t* form = xmpp_stanza_new(ctx_);
    xmpp_stanza_set_name(form, "x");
    xmpp_stanza_set_ns(form, "jabber:x:data");
    xmpp_stanza_set_type(form, "submit");
    xmpp_stanza_add_child_ex(query, form, 0);
    xmpp_stanza_add_child_ex(iq, query, 0);
    send(iq);
}

void XmppWorker::sendPresence() {
    if (!inRoom_) return;
    xmpp_stanza_t* p = xmpp_presence_new(ctx_);
    xmpp_stanza_set_to(p, occupantAddress(nick_).toUtf8().constData());
    if (table_) xmpp_stanza_add_child_ex(p, tableElement(ctx_, *table_), 0);
    send(p);
}

void XmppWorker::setTable(const std::optional<ListedTable>& table) {
    if (table == table_) return;
    table_ = table;
    sendPresence();
}

void XmppWorker::say(const QString& text) {
    if (!inRoom_) return;
    xmpp_stanza_t* m =
        xmpp_message_new(ctx_, "groupchat", account_.room.toUtf8().constData(), nullptr);
    xmpp_message_set_body(m, text.toUtf8().constData());
    send(m);
}

void XmppWorker::ask(const QString& occupant, const QString& id) {
    asked_ = occupant;
    askedId_ = id;
    if (!occupant.isEmpty()) send(joinRequest(ctx_, occupantAddress(occupant), id));
}

int XmppWorker::presence(xmpp_stanza_t* stanza) {
    const QString occupant = occupantOf(stanza);
    if (occupant.isEmpty()) return 1;
    const bool self = occupant == nick_ || hasStatus(stanza, "110");
    if (typeIs(stanza, "error")) {
        if (self && !inRoom_) presenceError(stanza);
        return 1;
    }
    if (typeIs(stanza, "unavailable")) {
        if (self && inRoom_ && !hasStatus(stanza, "303")) {
            end(tr("You are no longer in the room (removed by the room or the server)."));
            return 1;
        }
        roster_.left(occupant);
        rosterChanged_ = true;
        return 1;
    }
    if (self && !inRoom_) {
        inRoom_ = true;
        // A room this join made stays locked until its owner takes the default settings.
        if (hasStatus(stanza, "201")) unlockRoom();
        nick_ = occupant;
        toLobby([nick = occupant, room = account_.room](OnlineLobby& l) {
            l.nick_ = nick;
            l.setState(OnlineLobby::State::inRoom, tr("In the room %1 as %2.").arg(room, nick));
        });
    }
    roster_.present(occupant, readTableElement(stanza));
    rosterChanged_ = true;
    return 1;
}

void XmppWorker::presenceError(xmpp_stanza_t* stanza) {
    const QString condition = errorCondition(stanza);
    if (condition == QLatin1String("conflict") && ++nickTries_ <= nickTriesMax) {
        // The name is taken: the same name with a number.
        nick_ = account_.nick + QStringLiteral(" (%1)").arg(nickTries_ + 1);
        joinRoom();
        return;
    }
    // A room made a moment ago by someone else stays closed until its maker unlocks it.
    if (condition == QLatin1String("item-not-found") && ++lockedTries_ <= lockedTriesMax) {
        rejoinAt_ = nowMs() + 500;
        return;
    }
    xmpp_disconnect(conn_);
    end(condition == QLatin1String("conflict")
            ? tr("Your name is taken in the room; choose another.")
            : refusalText(condition));
}

int XmppWorker::message(xmpp_stanza_t* stanza) {
    const QString occupant = occupantOf(stanza);
    if (occupant.isEmpty() || typeIs(stanza, "error")) return 1;
    if (!typeIs(stanza, "groupchat")) {
        privateMessage(occupant, stanza);
        return 1;
    }
    const QString text = cleanLobbyText(bodyText(stanza), maxLobbyChatBytes);
    if (text.isEmpty()) return 1;
    waitingLines_.push_back(cleanLobbyText(occupant.toUtf8().constData(), maxLobbyNameBytes) +
                            QStringLiteral(": ") + text);
    if (static_cast<int>(waitingLines_.size()) > maxWaitingLines) {
        waitingLines_.pop_front();
        ++droppedLines_;
    }
    return 1;
}

void XmppWorker::privateMessage(const QString& occupant, xmpp_stanza_t* stanza) {
    const JoinMessage m = readJoinMessage(stanza);
    switch (m.kind) {
        case JoinMessage::Kind::request:
            // Only a listed table answers, and only a few times a minute per sender.
            if (!table_ || !gate_.admit(occupant, nowMs())) return;
            toLobby([occupant, id = m.id](OnlineLobby& l) { emit l.joinRequested(occupant, id); });
            return;
        case JoinMessage::Kind::address:
        case JoinMessage::Kind::refusal: {
            if (asked_.isEmpty() || occupant != asked_ || m.id != askedId_) return;
            asked_.clear();
            std::optional<QString> why =
                m.kind == JoinMessage::Kind::refusal
                    ? std::optional<QString>(tr("The host said: %1").arg(m.reason))
                    : refuseLobbyAddress(m.address, m.port);
            toLobby([occupant, why, address = m.address, port = m.port](OnlineLobby& l) {
                l.joinTimeout_.stop();
                if (why)
                    emit l.joinFailed(occupant, *why);
                else
                    emit l.joinAnswered(occupant, address, port);
            });
            return;
        }
        case JoinMessage::Kind::none:
            break;
    }
}

void XmppWorker::publishView(std::int64_t now, bool force) {
    if (!force && (now - lastView_ < times_.viewMs ||
                   (!rosterChanged_ && waitingLines_.empty() && droppedLines_ == 0)))
        return;
    lastView_ = now;
    RoomView view = roster_.view();
    QStringList lines(waitingLines_.begin(), waitingLines_.end());
    const int dropped = droppedLines_;
    waitingLines_.clear();
    droppedLines_ = 0;
    const bool changed = rosterChanged_;
    rosterChanged_ = false;
    toLobby([view = std::move(view), lines, dropped, changed](OnlineLobby& l) {
        if (dropped > 0)
            emit l.notice(QCoreApplication::translate(
                "OnlineLobby", "%n line(s) of the room's chat came too fast and were not shown.",
                nullptr, dropped));
        if (changed) {
            l.view_ = view;
            emit l.viewChanged();
        }
        if (!lines.isEmpty()) emit l.chatLines(lines);
    });
}

}  // namespace tess
