#include "client/joining/invitation.h"

#include <QCoreApplication>
#include <QHostAddress>
#include <QNetworkInterface>
#include <QStringList>
#include <QUrl>

#include "wire/limits.h"

namespace tess {

namespace {

const QString portText = QString::number(wire::tablePort);

bool allDigits(const QString& text) {
    if (text.isEmpty()) return false;
    for (const QChar c : text)
        if (c < QLatin1Char('0') || c > QLatin1Char('9')) return false;
    return true;
}

// Four numbers 0-255: the resolver would take "10.1" or "010.0.0.1" in ways nobody means.
bool dottedQuad(const QString& text) {
    const QStringList parts = text.split(QLatin1Char('.'));
    if (parts.size() != 4) return false;
    for (const QString& part : parts) {
        if (!allDigits(part) || part.size() > 3 || (part.size() > 1 && part[0] == '0'))
            return false;
        if (part.toInt() > 255) return false;
    }
    return true;
}

bool hostLabel(const QString& label) {
    if (label.isEmpty() || label.size() > 63) return false;
    if (label.startsWith(QLatin1Char('-')) || label.endsWith(QLatin1Char('-'))) return false;
    for (const QChar c : label)
        if (!(c.isLetterOrNumber() && c.unicode() < 128) && c != QLatin1Char('-')) return false;
    return true;
}

// The ASCII form of a name ("" when it has none).
QString asciiForm(const QString& name) {
    for (const QChar c : name)
        if (c.unicode() >= 128)
            return QString::fromLatin1(QUrl::toAce(name, QUrl::AceProcessingOption{}));
    return name;
}

// A part of a numeric address as resolvers read it: decimal, octal after a 0, or hex
// after 0x.
bool numberPart(const QString& part) {
    if (!part.startsWith(QLatin1String("0x"), Qt::CaseInsensitive)) return allDigits(part);
    for (const QChar c : part.mid(2)) {
        const char l = c.toLatin1();  // 0 for anything beyond Latin-1
        if (!(l >= '0' && l <= '9') && !(l >= 'a' && l <= 'f') && !(l >= 'A' && l <= 'F'))
            return false;
    }
    return true;
}

// Every numeric form ends in a number ("0x7f.1", "2130706433", "127.0.0.01"), and no
// top-level domain is one: such a name is read as a number, whatever it looks like.
bool readAsNumber(const QString& host) {
    QString bare = host;
    if (bare.endsWith(QLatin1Char('.'))) bare.chop(1);
    return numberPart(bare.section(QLatin1Char('.'), -1));
}

bool hostName(const QString& ascii) {
    QString bare = ascii;
    if (bare.endsWith(QLatin1Char('.'))) bare.chop(1);
    if (bare.isEmpty() || bare.size() > 253) return false;
    const QStringList labels = bare.split(QLatin1Char('.'));
    for (const QString& label : labels)
        if (!hostLabel(label)) return false;
    return true;
}

bool privateIPv4(const QHostAddress& a) {
    for (const char* net : {"10.0.0.0/8", "172.16.0.0/12", "192.168.0.0/16"})
        if (a.isInSubnet(QHostAddress::parseSubnet(QString::fromLatin1(net)))) return true;
    return false;
}

// An IPv4-mapped address is the IPv4 address it maps: that is where it leads.
std::optional<QString> ipv6(const QString& text) {
    QHostAddress address;
    if (!address.setAddress(text) || address.protocol() != QAbstractSocket::IPv6Protocol)
        return std::nullopt;
    bool mapped = false;
    const quint32 v4 = address.toIPv4Address(&mapped);
    if (mapped) return QHostAddress(v4).toString();
    return address.toString();
}

AddressCheck found(std::optional<QString> address) {
    AddressCheck check;
    check.address = std::move(address);
    if (!check.address) check.problem = AddressProblem::notAnAddress;
    return check;
}

AddressCheck refused(AddressProblem problem) {
    AddressCheck check;
    check.problem = problem;
    return check;
}

}  // namespace

AddressCheck checkTableAddress(const QString& typed) {
    const QString text = typed.trimmed();
    if (text.isEmpty()) return refused(AddressProblem::empty);
    if (text.size() > maxInvitationLength) return refused(AddressProblem::notAnAddress);
    // A port after the address: a number from 1 to 65535, the table's own by default.
    quint16 port = 0;
    const auto takePort = [&port](const QString& digits) {
        if (!allDigits(digits) || digits.size() > 5) return false;
        const int n = digits.toInt();
        if (n < 1 || n > 65535) return false;
        port = n == wire::tablePort ? 0 : static_cast<quint16>(n);
        return true;
    };
    const auto withPort = [&port](AddressCheck check) {
        if (check.address) check.port = port;
        return check;
    };
    if (text.startsWith(QLatin1Char('['))) {
        const qsizetype close = text.indexOf(QLatin1Char(']'));
        if (close < 0) return refused(AddressProblem::notAnAddress);
        const QString after = text.mid(close + 1);
        if (!after.isEmpty() && (!after.startsWith(QLatin1Char(':')) || !takePort(after.mid(1))))
            return refused(AddressProblem::notAnAddress);
        return withPort(found(ipv6(text.mid(1, close - 1))));
    }
    const qsizetype colons = text.count(QLatin1Char(':'));
    if (colons > 1) return found(ipv6(text));
    QString host = text;
    if (colons == 1) {
        if (!takePort(text.section(QLatin1Char(':'), 1)))
            return refused(AddressProblem::notAnAddress);
        host = text.section(QLatin1Char(':'), 0, 0);
    }
    const QString ascii = asciiForm(host);
    if (ascii.isEmpty()) return refused(AddressProblem::notAnAddress);
    if (readAsNumber(ascii))
        return dottedQuad(ascii) ? withPort(found(ascii)) : refused(AddressProblem::numberForm);
    return hostName(ascii) ? withPort(found(ascii)) : refused(AddressProblem::notAnAddress);
}

std::optional<QString> tableAddress(const QString& typed) {
    const AddressCheck check = checkTableAddress(typed);
    if (check.port != 0) return std::nullopt;
    return check.address;
}

QString addressWithPort(const QString& address, quint16 port) {
    if (port == 0 || port == wire::tablePort) return address;
    const QString host =
        address.contains(QLatin1Char(':')) ? QStringLiteral("[%1]").arg(address) : address;
    return host + QLatin1Char(':') + QString::number(port);
}

QString AddressCheck::problemText(const QString& typed) const {
    // A long paste is shown by its start: the whole of it would not fit any window.
    QString shown = typed.trimmed();
    if (shown.size() > 60) shown = shown.left(59) + QChar(0x2026);
    switch (problem) {
        case AddressProblem::none:
            return {};
        case AddressProblem::empty:
            return QCoreApplication::translate(
                "tess::Tjoin", "Type the address of the table, or choose one from the list.");
        case AddressProblem::numberForm:
            return QCoreApplication::translate(
                       "tess::Tjoin",
                       "\"%1\" is a number that computers read as an address other than it "
                       "looks. Write an IPv4 address as four decimal numbers, such as "
                       "192.168.1.20.")
                .arg(shown);
        case AddressProblem::notAnAddress:
            break;
    }
    return QCoreApplication::translate(
               "tess::Tjoin", "\"%1\" is not a host name, an IPv4 address or an IPv6 address.")
        .arg(shown);
}

bool looksLikeInvitation(const QString& text) {
    return text.trimmed().startsWith(QLatin1String("tessarine:"), Qt::CaseInsensitive);
}

Invitation readInvitation(const QString& link) {
    Invitation result;
    const auto refuse = [&](Invitation::Refusal why) {
        result.refusal = why;
        return result;
    };
    const QString text = link.trimmed();
    if (!looksLikeInvitation(text)) return refuse(Invitation::Refusal::notALink);
    if (text.size() > maxInvitationLength) return refuse(Invitation::Refusal::tooLong);
    QString rest = text.mid(int(sizeof "tessarine:") - 1);
    if (!rest.startsWith(QLatin1String("//"))) return refuse(Invitation::Refusal::badAddress);
    rest.remove(0, 2);

    qsizetype end = rest.size();
    for (const QChar stop : {QLatin1Char('/'), QLatin1Char('?'), QLatin1Char('#')})
        if (const qsizetype at = rest.indexOf(stop); at >= 0 && at < end) end = at;
    const QString authority = rest.left(end);
    const QString tail = rest.mid(end);
    // A lone "/" is how some programs end every link; anything more is a path.
    if (tail.startsWith(QLatin1Char('/')) && tail != QLatin1Char('/'))
        return refuse(Invitation::Refusal::path);
    if (tail.startsWith(QLatin1Char('?')) || tail.startsWith(QLatin1Char('#')))
        return refuse(Invitation::Refusal::query);
    if (authority.isEmpty()) return refuse(Invitation::Refusal::noAddress);
    if (authority.contains(QLatin1Char('@'))) return refuse(Invitation::Refusal::userInfo);
    if (authority.contains(QLatin1Char('%'))) return refuse(Invitation::Refusal::badAddress);

    QString host = authority;
    QString port;
    if (authority.startsWith(QLatin1Char('['))) {
        const qsizetype close = authority.indexOf(QLatin1Char(']'));
        if (close < 0) return refuse(Invitation::Refusal::badAddress);
        const QString after = authority.mid(close + 1);
        if (!after.isEmpty() && !after.startsWith(QLatin1Char(':')))
            return refuse(Invitation::Refusal::badAddress);
        port = after.mid(1);
        if (after.startsWith(QLatin1Char(':')) && port.isEmpty())
            return refuse(Invitation::Refusal::badAddress);
        host = authority.left(close + 1);
        if (!ipv6(authority.mid(1, close - 1))) return refuse(Invitation::Refusal::badAddress);
    } else {
        const qsizetype colons = authority.count(QLatin1Char(':'));
        if (colons > 1) return refuse(Invitation::Refusal::badAddress);  // IPv6 needs brackets
        if (colons == 1) {
            host = authority.section(QLatin1Char(':'), 0, 0);
            port = authority.section(QLatin1Char(':'), 1);
            if (port.isEmpty()) return refuse(Invitation::Refusal::badAddress);
        }
    }
    if (!port.isEmpty()) {
        if (!allDigits(port)) return refuse(Invitation::Refusal::badAddress);
        if (port.size() > 5 || port.toInt() != wire::tablePort)
            return refuse(Invitation::Refusal::port);
    }
    const AddressCheck address = checkTableAddress(host);
    if (address.problem == AddressProblem::numberForm)
        return refuse(Invitation::Refusal::numberForm);
    if (!address.address) return refuse(Invitation::Refusal::badAddress);
    result.address = *address.address;
    return result;
}

QString invitationLink(const QString& address) {
    if (address.contains(QLatin1Char(':'))) return QStringLiteral("tessarine://[%1]").arg(address);
    return QStringLiteral("tessarine://") + address;
}

std::optional<QString> localNetworkAddress() {
    std::optional<QString> privateV4, otherV4, v6;
    for (const QNetworkInterface& face : QNetworkInterface::allInterfaces()) {
        const auto flags = face.flags();
        if (!(flags & QNetworkInterface::IsUp) || !(flags & QNetworkInterface::IsRunning) ||
            (flags & QNetworkInterface::IsLoopBack))
            continue;
        for (const QNetworkAddressEntry& entry : face.addressEntries()) {
            const QHostAddress a = entry.ip();
            if (a.isLoopback() || a.isLinkLocal() || a.isMulticast()) continue;
            if (a.protocol() == QAbstractSocket::IPv4Protocol) {
                auto& slot = privateIPv4(a) ? privateV4 : otherV4;
                if (!slot) slot = a.toString();
            } else if (a.protocol() == QAbstractSocket::IPv6Protocol && !v6) {
                v6 = a.toString();
            }
        }
    }
    if (privateV4) return privateV4;
    if (otherV4) return otherV4;
    return v6;
}

QString Invitation::refusalText() const {
    switch (refusal) {
        case Refusal::none:
            return {};
        case Refusal::notALink:
            return QCoreApplication::translate(
                "tess::Invitation",
                "This is not a Tessarine invitation: an invitation begins with "
                "tessarine://.");
        case Refusal::tooLong:
            return QCoreApplication::translate(
                "tess::Invitation",
                "This invitation is refused: it is too long to hold a table's address.");
        case Refusal::noAddress:
            return QCoreApplication::translate("tess::Invitation",
                                               "This invitation is refused: it holds no address.");
        case Refusal::path:
            return QCoreApplication::translate(
                "tess::Invitation",
                "This invitation is refused: it holds a path after the address, and "
                "an invitation may hold only an address.");
        case Refusal::query:
            return QCoreApplication::translate(
                "tess::Invitation",
                "This invitation is refused: it holds a query or a fragment after the "
                "address, and an invitation may hold only an address.");
        case Refusal::userInfo:
            return QCoreApplication::translate(
                "tess::Invitation",
                "This invitation is refused: it holds user information before the "
                "address, and an invitation may hold only an address.");
        case Refusal::port:
            return QCoreApplication::translate(
                "tess::Invitation",
                "This invitation is refused: it names a port other than the table's "
                "port 7772.");
        case Refusal::badAddress:
            return QCoreApplication::translate(
                "tess::Invitation",
                "This invitation is refused: its address is not a host name, an IPv4 "
                "address or an IPv6 address in brackets.");
        case Refusal::numberForm:
            return QCoreApplication::translate(
                "tess::Invitation",
                "This invitation is refused: its address is a number that computers read as "
                "an address other than it looks.");
    }
    return {};
}

}  // namespace tess
