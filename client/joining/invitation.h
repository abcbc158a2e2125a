// Table addresses as people type them and as invitation links carry them
// ("tessarine://ADDRESS", an IPv6 address in brackets). A link holds an address and
// nothing else: no path, query, user information or other port, so a link found in a
// chat or on a web page can never make the program do more than offer to join.
#pragma once

#include <QString>
#include <optional>

namespace tess {

// Why a typed address is not taken.
enum class AddressProblem {
    none,
    empty,
    numberForm,  // a number the system would read as an address other than it looks
    notAnAddress,
};

struct AddressCheck {
    std::optional<QString> address;  // as the connection takes it
    quint16 port = 0;                // one given after the address; 0 for the table's own
    AddressProblem problem = AddressProblem::none;
    // One sentence for the user about `typed`.
    QString problemText(const QString& typed) const;
};

// A table address as the command line and the connection take it: a host name, an IPv4
// address of four decimal numbers, or an IPv6 address without brackets (an IPv4-mapped
// one as its IPv4 address). Brackets around an IPv6 address and surrounding spaces are
// taken off, and a port after the address (":7773", "[::1]:7773") is given apart. A name that a
// resolver would read as a number (hex, octal, fewer than four parts, a numeric last label) is
// refused: what is joined is what the user reads.
AddressCheck checkTableAddress(const QString& typed);
// The address of checkTableAddress() at the table's own port, or nothing.
std::optional<QString> tableAddress(const QString& typed);
// `address` as typed with a port other than the table's ("[::1]:7773").
QString addressWithPort(const QString& address, quint16 port);

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
        numberForm,  // a number written in a form read differently from how it looks
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
