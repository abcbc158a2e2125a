// The lobby's own elements inside ordinary chat-room stanzas: a listed table rides on its
// host's presence in the room, and joining is a question and an answer by private
// message. Everything read here comes from strangers and is cleaned and bounded.
#pragma once

#include <strophe.h>
#include <QString>
#include <optional>

namespace tess {

inline constexpr const char* tableNs = "urn:x-tessarine:table:0";
inline constexpr const char* joinNs = "urn:x-tessarine:join:0";

// Longest text kept of a name (bytes) and of one chat line (bytes).
inline constexpr int maxLobbyNameBytes = 100;
inline constexpr int maxLobbyChatBytes = 1200;

// One table as its host lists it in the room.
struct ListedTable {
    QString hostName;
    int seated = 0;
    int tableSize = 4;
    int spectators = 0;
    bool playing = false;
    QString protocol;

    bool operator==(const ListedTable&) const = default;
};

// Control, bidirectional and zero-width characters removed, cut to `maxBytes` of UTF-8.
QString cleanLobbyText(const char* text, int maxBytes);

// <table xmlns=tableNs host= seated= size= spectators= state= protocol=/>; the caller
// adds it to a presence.
xmpp_stanza_t* tableElement(xmpp_ctx_t* ctx, const ListedTable& table);
// The table in a presence, if it carries one; numbers out of range are brought into it.
std::optional<ListedTable> readTableElement(xmpp_stanza_t* presence);

// What a private message between two occupants carries for joining.
struct JoinMessage {
    enum class Kind { none, request, address, refusal };
    Kind kind = Kind::none;
    QString id;       // pairs an answer with its request
    QString address;  // for an address
    int port = 0;
    QString reason;  // for a refusal, cleaned
};
xmpp_stanza_t* joinRequest(xmpp_ctx_t* ctx, const QString& to, const QString& id);
xmpp_stanza_t* joinAddress(xmpp_ctx_t* ctx, const QString& to, const QString& id,
                           const QString& address, int port);
xmpp_stanza_t* joinRefusal(xmpp_ctx_t* ctx, const QString& to, const QString& id,
                           const QString& reason);
JoinMessage readJoinMessage(xmpp_stanza_t* message);

}  // namespace tess
