#include "online/lobby_stanzas.h"

#include <algorithm>
#include <string>

#include "wire/commands.h"
#include "wire/limits.h"
#include "wire/names.h"

namespace tess {

namespace {

// Longer attributes are not read at all: cleaning a megabyte to keep 100 bytes is waste.
constexpr std::size_t maxAttributeBytes = 4096;

const char* attribute(xmpp_stanza_t* element, const char* name) {
    const char* value = xmpp_stanza_get_attribute(element, name);
    if (value == nullptr) return nullptr;
    return std::char_traits<char>::length(value) > maxAttributeBytes ? nullptr : value;
}

int number(xmpp_stanza_t* element, const char* name, int low, int high, int fallback) {
    const char* value = attribute(element, name);
    if (value == nullptr) return fallback;
    bool ok = false;
    const int n = QByteArray(value).toInt(&ok);
    return ok ? std::clamp(n, low, high) : fallback;
}

xmpp_stanza_t* privateMessage(xmpp_ctx_t* ctx, const QString& to) {
    return xmpp_message_new(ctx, "chat", to.toUtf8().constData(), nullptr);
}

xmpp_stanza_t* addChild(xmpp_stanza_t* parent, const char* name, const char* ns) {
    xmpp_stanza_t* child = xmpp_stanza_new(xmpp_stanza_get_context(parent));
    xmpp_stanza_set_name(child, name);
    xmpp_stanza_set_ns(child, ns);
    xmpp_stanza_add_child_ex(parent, child, 0);
    return child;
}

void set(xmpp_stanza_t* element, const char* key, const QString& value) {
    xmpp_stanza_set_attribute(element, key, value.toUtf8().constData());
}

}  // namespace

QString cleanLobbyText(const char* text, int maxBytes) {
    if (text == nullptr) return {};
    const std::string_view bytes(text, std::min(std::char_traits<char>::length(text),
                                                static_cast<std::size_t>(maxBytes) * 4));
    return QString::fromStdString(wire::cleanText(bytes, static_cast<std::size_t>(maxBytes)))
        .simplified();
}

xmpp_stanza_t* tableElement(xmpp_ctx_t* ctx, const ListedTable& table) {
    xmpp_stanza_t* e = xmpp_stanza_new(ctx);
    xmpp_stanza_set_name(e, "table");
    xmpp_stanza_set_ns(e, tableNs);
    set(e, "host", QString::fromStdString(wire::cleanName(table.hostName.toStdString())));
    set(e, "seated", QString::number(table.seated));
    set(e, "size", QString::number(table.tableSize));
    set(e, "spectators", QString::number(table.spectators));
    set(e, "state", table.playing ? QStringLiteral("playing") : QStringLiteral("waiting"));
    set(e, "protocol",
        table.protocol.isEmpty() ? QString::fromLatin1(cmd::version.data(), cmd::version.size())
                                 : table.protocol);
    return e;
}

std::optional<ListedTable> readTableElement(xmpp_stanza_t* presence) {
    xmpp_stanza_t* e = xmpp_stanza_get_child_by_name_and_ns(presence, "table", tableNs);
    if (e == nullptr) return std::nullopt;
    ListedTable t;
    t.hostName = cleanLobbyText(attribute(e, "host"), maxLobbyNameBytes);
    t.tableSize = number(e, "size", wire::minTablePlayers, wire::seatCount, wire::seatCount);
    t.seated = number(e, "seated", 0, wire::seatCount, 0);
    t.spectators = number(e, "spectators", 0, wire::slotCount - wire::seatCount, 0);
    const char* state = attribute(e, "state");
    t.playing = state != nullptr && std::string_view(state) == "playing";
    t.protocol = cleanLobbyText(attribute(e, "protocol"), 20);
    return t;
}

xmpp_stanza_t* joinRequest(xmpp_ctx_t* ctx, const QString& to, const QString& id) {
    xmpp_stanza_t* m = privateMessage(ctx, to);
    set(addChild(m, "join", joinNs), "id", id);
    return m;
}

xmpp_stanza_t* joinAddress(xmpp_ctx_t* ctx, const QString& to, const QString& id,
                           const QString& address, int port) {
    xmpp_stanza_t* m = privateMessage(ctx, to);
    xmpp_stanza_t* e = addChild(m, "address", joinNs);
    set(e, "id", id);
    set(e, "host", address);
    set(e, "port", QString::number(port));
    return m;
}

xmpp_stanza_t* joinRefusal(xmpp_ctx_t* ctx, const QString& to, const QString& id,
                           const QString& reason) {
    xmpp_stanza_t* m = privateMessage(ctx, to);
    xmpp_stanza_t* e = addChild(m, "refused", joinNs);
    set(e, "id", id);
    set(e, "reason", reason);
    return m;
}

JoinMessage readJoinMessage(xmpp_stanza_t* message) {
    JoinMessage out;
    for (xmpp_stanza_t* e = xmpp_stanza_get_children(message); e; e = xmpp_stanza_get_next(e)) {
        const char* ns = xmpp_stanza_get_ns(e);
        const char* name = xmpp_stanza_get_name(e);
        if (ns == nullptr || name == nullptr || std::string_view(ns) != joinNs) continue;
        const std::string_view n(name);
        out.id = cleanLobbyText(attribute(e, "id"), 40);
        if (n == "join") {
            out.kind = JoinMessage::Kind::request;
        } else if (n == "address") {
            out.kind = JoinMessage::Kind::address;
            out.address = cleanLobbyText(attribute(e, "host"), 60);
            out.port = number(e, "port", 0, 65536, 0);
        } else if (n == "refused") {
            out.kind = JoinMessage::Kind::refusal;
            out.reason = cleanLobbyText(attribute(e, "reason"), 200);
        } else {
            continue;
        }
        return out;
    }
    return {};
}

}  // namespace tess
