// Table addresses as people type them and as invitation links carry them
// ("tessarine://ADDRESS", an IPv6 address in brackets). A link holds an address and
// nothing else: no path, query, user information or other port, so a link found in a
// chat or on a web page can never make the program do more than offer to join.
#pragma once

#include <QString>
#include <optional>

namespace tess {

// A table address as the command line and the connection take it: a host name, an IPv4
// address, or an IPv6 address without brackets. Nothing when `typed` is none of these;
// brackets around an IPv6 address, surrounding spaces and the table's own port
// (":7772") are taken off.
std::optional<QString> tableAddress(const QString& typed);

struct Invitation {
    enum class Refusal {
        none,
        notALink,  // not tessarine://
        tooLong,
        noAddress,
        path,
        query,  // a query or a fragment
        userInfo,
        port,        // a port other than the table's
        badAddress,  // a malformed name or number
    };
    Refusal refusal = Refusal::none;
    QString address;  // as tableAddress() gives it

    bool ok() const { return refusal == Refusal::none; }
    // One sentence for the user.
    QString refusalText() const;
};

// The longest link taken: a host name has at most 253 characters.
inline constexpr int maxInvitationLength = 300;

bool looksLikeInvitation(const QString& text);
Invitation readInvitation(const QString& link);
// "tessarine://" and the address, an IPv6 address in brackets.
QString invitationLink(const QString& address);

// This computer's address on its local network: a private IPv4 address of an interface
// that is up, else another IPv4 one, else a global or unique-local IPv6 one; nothing
// when it has none.
std::optional<QString> localNetworkAddress();

}  // namespace tess
