// Table addresses as typed and as invitation links carry them, and what the program
// remembers for joining.
#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

#include <sys/stat.h>

#include "client/joining/invitation.h"
#include "client/joining/join_memory.h"

namespace tess::testing {
namespace {

using Refusal = Invitation::Refusal;

struct LinkCase {
    const char* link;
    Refusal refusal;
    const char* address;  // when taken
};

// Every link that holds anything but an address is refused, each for its own reason.
TEST(Invitation, TakesAnAddressAndNothingElse) {
    const LinkCase cases[] = {
        {"tessarine://192.168.1.20", Refusal::none, "192.168.1.20"},
        {"  TESSARINE://Game.Example.org  ", Refusal::none, "Game.Example.org"},
        {"tessarine://host.example:7772", Refusal::none, "host.example"},
        {"tessarine://host.example/", Refusal::none, "host.example"},
        {"tessarine://[::1]", Refusal::none, "::1"},
        {"tessarine://[2001:DB8::5]:7772", Refusal::none, "2001:db8::5"},
        {"tessarine://bücher.example", Refusal::none, "xn--bcher-kva.example"},
        {"http://host.example", Refusal::notALink, ""},
        {"tessarine:host.example", Refusal::badAddress, ""},
        {"tessarine://", Refusal::noAddress, ""},
        {"tessarine:///", Refusal::noAddress, ""},
        {"tessarine://host.example/table", Refusal::path, ""},
        {"tessarine://host.example//", Refusal::path, ""},
        {"tessarine://host.example?join=1", Refusal::query, ""},
        {"tessarine://host.example#x", Refusal::query, ""},
        {"tessarine://user@host.example", Refusal::userInfo, ""},
        {"tessarine://user:pw@host.example", Refusal::userInfo, ""},
        {"tessarine://host.example:22", Refusal::port, ""},
        {"tessarine://[::1]:80", Refusal::port, ""},
        {"tessarine://host.example:77720", Refusal::port, ""},
        {"tessarine://host.example:", Refusal::badAddress, ""},
        {"tessarine://host.example:x", Refusal::badAddress, ""},
        {"tessarine://::1", Refusal::badAddress, ""},  // IPv6 needs brackets
        {"tessarine://[::1", Refusal::badAddress, ""},
        {"tessarine://[host.example]", Refusal::badAddress, ""},
        {"tessarine://[fe80::1%25eth0]", Refusal::badAddress, ""},
        {"tessarine://host%2Eexample", Refusal::badAddress, ""},
        {"tessarine://-host.example", Refusal::badAddress, ""},
        {"tessarine://host..example", Refusal::badAddress, ""},
        {"tessarine://ho st", Refusal::badAddress, ""},
        {"tessarine://host;rm", Refusal::badAddress, ""},
        {"tessarine://999.1.1.1", Refusal::numberForm, ""},
        {"tessarine://10.1", Refusal::numberForm, ""},
        {"tessarine://0xc0.0xa8.0x32.0x01", Refusal::numberForm, ""},
        {"tessarine://[::ffff:192.168.50.1]", Refusal::none, "192.168.50.1"},
    };
    for (const LinkCase& c : cases) {
        const Invitation invitation = readInvitation(QString::fromUtf8(c.link));
        EXPECT_EQ(invitation.refusal, c.refusal) << c.link;
        EXPECT_EQ(invitation.address, QString::fromUtf8(c.address)) << c.link;
        EXPECT_EQ(invitation.refusalText().isEmpty(), invitation.ok()) << c.link;
    }
}

TEST(Invitation, RefusesOverLongLinksAndNames) {
    const QString label(63, QLatin1Char('a'));
    const QString longest = QStringList{label, label, label, QString(61, 'b')}.join('.');
    ASSERT_EQ(longest.size(), 253);
    EXPECT_TRUE(readInvitation("tessarine://" + longest).ok());
    EXPECT_EQ(readInvitation("tessarine://" + longest + "c").refusal, Refusal::badAddress);
    EXPECT_EQ(readInvitation("tessarine://" + QString(64, 'a')).refusal, Refusal::badAddress);
    EXPECT_EQ(readInvitation("tessarine://" + QString(400, 'a')).refusal, Refusal::tooLong);
}

TEST(Invitation, LinksCarryIPv6InBracketsAndReadBackTheSame) {
    for (const char* address : {"192.168.1.20", "host.example", "2001:db8::5", "::1"}) {
        const QString link = invitationLink(QString::fromLatin1(address));
        EXPECT_EQ(link.contains('['), QString::fromLatin1(address).contains(':')) << address;
        EXPECT_EQ(readInvitation(link).address, QString::fromLatin1(address)) << address;
    }
}

// What the address field takes: also IPv6 without brackets and the table's own port.
TEST(TableAddress, TakesWhatPeopleTypeForATable) {
    const std::pair<const char*, const char*> cases[] = {
        {" 192.168.1.20 ", "192.168.1.20"},
        {"[::1]", "::1"},
        {"::1", "::1"},
        {"fe80::1%lo", "fe80::1%lo"},
        {"host.example:7772", "host.example"},
        {"[::1]:7772", "::1"},
        {"[::ffff:192.168.50.1]", "192.168.50.1"},
        {"::FFFF:10.0.0.7", "10.0.0.7"},
        {"localhost", "localhost"},
        {"host.example:80", nullptr},
        {"", nullptr},
        {"two words", nullptr},
        {"1.2.3", nullptr},
        {"[::1]x", nullptr},
        {"::g", nullptr},
    };
    for (const auto& [typed, expected] : cases) {
        const auto address = tableAddress(QString::fromUtf8(typed));
        if (expected)
            EXPECT_EQ(address.value_or("(none)"), QString::fromUtf8(expected)) << typed;
        else
            EXPECT_FALSE(address) << typed << " gave " << address->toStdString();
    }
}

// A resolver reads hex, octal, short and plain-number forms as addresses other than they
// look: each is refused for that reason, and only four decimal numbers are an IPv4 address.
TEST(TableAddress, NumbersAreTakenOnlyAsFourDecimalParts) {
    const std::pair<const char*, AddressProblem> cases[] = {
        {"0x7f.1", AddressProblem::numberForm},
        {"0x7f000001", AddressProblem::numberForm},
        {"0X7F.0.0.1", AddressProblem::numberForm},
        {"0x7f.0.0.0x1", AddressProblem::numberForm},
        {"0xc0.0xa8.0x32.0x01", AddressProblem::numberForm},
        {"127.1", AddressProblem::numberForm},
        {"0177.0.0.1", AddressProblem::numberForm},
        {"127.0.0.01", AddressProblem::numberForm},
        {"2130706433", AddressProblem::numberForm},
        {"1.2.3.4.5", AddressProblem::numberForm},
        {"256.0.0.1", AddressProblem::numberForm},
        {"0x", AddressProblem::numberForm},
        {"host.example.0x1", AddressProblem::numberForm},
        {"host.99", AddressProblem::numberForm},
        {"\uFF11\uFF12\uFF17.\uFF10.\uFF10.\uFF11", AddressProblem::none},  // full-width digits
        {"127.0.0.1", AddressProblem::none},
        {"0xbeef.example", AddressProblem::none},
        {"1e100.example", AddressProblem::none},
        {"host.example:0", AddressProblem::notAnAddress},
        {"[::1]:65536", AddressProblem::notAnAddress},
        {"  ", AddressProblem::empty},
        {"a b", AddressProblem::notAnAddress},
    };
    for (const auto& [typed, problem] : cases) {
        const AddressCheck check = checkTableAddress(QString::fromUtf8(typed));
        EXPECT_EQ(check.problem, problem) << typed;
        EXPECT_EQ(bool(check.address), problem == AddressProblem::none) << typed;
        EXPECT_EQ(check.problemText(typed).isEmpty(), problem == AddressProblem::none) << typed;
    }
    // A port apart from the table's own is given apart; the address alone is the table's.
    EXPECT_EQ(checkTableAddress("[::1]:7773").port, 7773);
    EXPECT_EQ(checkTableAddress("host.example:7772").port, 0);
    EXPECT_EQ(addressWithPort("::1", 7773), "[::1]:7773");
    EXPECT_EQ(addressWithPort("host.example", 7772), "host.example");
    EXPECT_EQ(tableAddress(QString::fromUtf8("\uFF11\uFF12\uFF17.\uFF10.\uFF10.\uFF11")),
              "127.0.0.1");
    // A pasted screenful is quoted by its start only.
    const QString paste(10000, QLatin1Char('x'));
    EXPECT_LT(checkTableAddress(paste).problemText(paste).size(), 200);
}

TEST(JoinMemory, KeepsTheCleanNameAndTheLastFiveAddressesNewestFirst) {
    QTemporaryDir dir;
    const QString path = dir.filePath("orvanelobby.ini");
    {
        QFile ini(path);
        ASSERT_TRUE(ini.open(QIODevice::WriteOnly));
        ini.write("[Lobby]\nUser=kept\n[Tessarine]\nPlayerName=Ann+Lee\n");
    }
    JoinMemory memory(path);
    EXPECT_EQ(memory.playerName(), "Ann-Lee");  // as the host would show it
    EXPECT_TRUE(memory.recentAddresses().isEmpty());
    for (const char* address :
         {"a.example", "b.example", "::1", "c.example", "d.example", "e.example", "b.example"})
        ASSERT_TRUE(memory.rememberAddress(QString::fromLatin1(address)));
    EXPECT_EQ(memory.recentAddresses(),
              (QStringList{"b.example", "e.example", "d.example", "c.example", "::1"}));
    ASSERT_TRUE(memory.rememberName(QStringLiteral("Bo\tb")));
    EXPECT_EQ(memory.playerName(), "Bo b");
    QFile ini(path);
    ASSERT_TRUE(ini.open(QIODevice::ReadOnly));
    const QByteArray written = ini.readAll();
    EXPECT_TRUE(written.contains("[Lobby]\nUser=kept\n"));
    ini.close();

    // The same name again leaves the file alone (each save writes a new file in its
    // place); a new name is saved.
    const auto fileId = [&path] {
        struct stat st {};
        return ::stat(QFile::encodeName(path).constData(), &st) == 0 ? st.st_ino : ino_t{};
    };
    const ino_t before = fileId();
    ASSERT_TRUE(memory.rememberName(QStringLiteral("Bo b ")));
    EXPECT_EQ(fileId(), before);
    ASSERT_TRUE(memory.rememberName(QStringLiteral("Cy")));
    EXPECT_NE(fileId(), before);
    EXPECT_EQ(memory.playerName(), "Cy");

    // Without a name of its own the system's user name is used.
    EXPECT_EQ(JoinMemory(dir.filePath("none.ini")).playerName(), systemUserName());
    EXPECT_FALSE(systemUserName().isEmpty());
}

}  // namespace
}  // namespace tess::testing
