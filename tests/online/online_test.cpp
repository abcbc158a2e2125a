// What the online lobby takes from strangers: addresses in join answers, the table and
// join elements, the room's bounded roster, and the per-sender limit of join requests.
#include <gtest/gtest.h>

#include <QString>

#include "online/join_gate.h"
#include "online/lobby_address.h"
#include "online/lobby_stanzas.h"
#include "online/room_roster.h"

namespace tess {
namespace {

TEST(LobbyAddress, OnlyGlobalUnicastAtTheTablePort) {
    struct Case {
        const char* address;
        int port;
        bool usable;
    };
    const Case cases[] = {
        {"11.22.33.44", 7772, true},
        {"8.8.4.4", 7772, true},
        {"2a01:4f8:1:2::3", 7772, true},
        {"11.22.33.44", 7773, false},
        {"11.22.33.44", 80, false},
        {"127.0.0.1", 7772, false},
        {"10.1.2.3", 7772, false},
        {"172.20.0.1", 7772, false},
        {"192.168.1.2", 7772, false},
        {"100.64.0.1", 7772, false},
        {"169.254.1.1", 7772, false},
        {"0.0.0.0", 7772, false},
        {"224.0.0.251", 7772, false},
        {"255.255.255.255", 7772, false},
        {"192.0.2.1", 7772, false},
        {"0x7f.0.0.1", 7772, false},  // hex part
        {"0177.0.0.1", 7772, false},  // octal part
        {"2130706433", 7772, false},  // one number
        {"127.1", 7772, false},       // too few parts
        {"::1", 7772, false},
        {"::ffff:8.8.8.8", 7772, false},  // mapped: not a global IPv6 address
        {"fe80::1", 7772, false},
        {"fe80::1%eth0", 7772, false},
        {"fd00::1", 7772, false},
        {"ff02::1", 7772, false},
        {"2001:db8::1", 7772, false},
        {"2002:c0a8:0101::1", 7772, false},  // 6to4 of a private address
        {"example.org", 7772, false},
        {"", 7772, false},
    };
    for (const Case& c : cases)
        EXPECT_EQ(!refuseLobbyAddress(QString::fromLatin1(c.address), c.port).has_value(), c.usable)
            << c.address << " port " << c.port;
}

class Stanzas : public ::testing::Test {
protected:
    void SetUp() override { ctx = xmpp_ctx_new(nullptr, nullptr); }
    void TearDown() override { xmpp_ctx_free(ctx); }
    xmpp_stanza_t* parse(const std::string& xml) {
        xmpp_stanza_t* s = xmpp_stanza_new_from_string(ctx, xml.c_str());
        EXPECT_NE(s, nullptr) << xml;
        return s;
    }
    xmpp_ctx_t* ctx = nullptr;
};

TEST_F(Stanzas, ATableSurvivesTheRoundTripAndHostileFieldsAreCleaned) {
    ListedTable table{QStringLiteral("Ann"), 2, 3, 1, true, QStringLiteral("1.0.2")};
    xmpp_stanza_t* p = xmpp_presence_new(ctx);
    xmpp_stanza_add_child_ex(p, tableElement(ctx, table), 0);
    EXPECT_EQ(readTableElement(p), table);
    xmpp_stanza_release(p);

    xmpp_stanza_t* hostile = parse(
        "<presence><table xmlns='urn:x-tessarine:table:0' host='E&#x202E;vil&#x200B;&#x9;"
        " Eve' seated='99' size='-3' spectators='x' state='sleeping'/></presence>");
    const auto read = readTableElement(hostile);
    ASSERT_TRUE(read);
    EXPECT_EQ(read->hostName, QStringLiteral("Evil Eve"));
    EXPECT_EQ(read->seated, 4);
    EXPECT_EQ(read->tableSize, 2);
    EXPECT_EQ(read->spectators, 0);
    EXPECT_FALSE(read->playing);
    xmpp_stanza_release(hostile);

    // Another namespace is not a table.
    xmpp_stanza_t* other = parse("<presence><table xmlns='urn:other' host='x'/></presence>");
    EXPECT_FALSE(readTableElement(other));
    xmpp_stanza_release(other);
}

TEST_F(Stanzas, LongNamesAreCutOnACharacterAndHugeOnesNotRead) {
    const std::string umlauts(150, 'a');
    xmpp_stanza_t* p = parse("<presence><table xmlns='urn:x-tessarine:table:0' host='" + umlauts +
                             "\xc3\xa4" + "'/></presence>");
    EXPECT_EQ(readTableElement(p)->hostName.toUtf8().size(), maxLobbyNameBytes);
    xmpp_stanza_release(p);
    xmpp_stanza_t* huge = parse("<presence><table xmlns='urn:x-tessarine:table:0' host='" +
                                std::string(100'000, 'b') + "'/></presence>");
    EXPECT_EQ(readTableElement(huge)->hostName, QString());
    xmpp_stanza_release(huge);
}

TEST_F(Stanzas, JoinMessagesRoundTrip) {
    xmpp_stanza_t* ask = joinRequest(ctx, QStringLiteral("r@m/Ann"), QStringLiteral("7f"));
    EXPECT_EQ(readJoinMessage(ask).kind, JoinMessage::Kind::request);
    EXPECT_EQ(readJoinMessage(ask).id, QStringLiteral("7f"));
    xmpp_stanza_release(ask);
    xmpp_stanza_t* answer = joinAddress(ctx, QStringLiteral("r@m/Bo"), QStringLiteral("7f"),
                                        QStringLiteral("2a01:4f8::1"), 7772);
    const JoinMessage a = readJoinMessage(answer);
    EXPECT_EQ(a.kind, JoinMessage::Kind::address);
    EXPECT_EQ(a.address, QStringLiteral("2a01:4f8::1"));
    EXPECT_EQ(a.port, 7772);
    xmpp_stanza_release(answer);
    xmpp_stanza_t* plain = parse("<message><body>hi</body></message>");
    EXPECT_EQ(readJoinMessage(plain).kind, JoinMessage::Kind::none);
    xmpp_stanza_release(plain);
}

TEST(RoomRoster, KeepsItsCapsAndCountsTablesRight) {
    RoomRoster roster(3, 2);
    const ListedTable t{QStringLiteral("h"), 1, 4, 0, false, {}};
    roster.present(QStringLiteral("a"), t);
    roster.present(QStringLiteral("b"), t);
    roster.present(QStringLiteral("c"), t);             // a third table is past the cap
    roster.present(QStringLiteral("d"), std::nullopt);  // a fourth person too
    RoomView v = roster.view();
    EXPECT_EQ(v.people.size(), 3);
    EXPECT_EQ(v.tables.size(), 2);
    EXPECT_TRUE(v.peopleCut);
    EXPECT_TRUE(v.tablesCut);
    // A table withdrawn and a host gone make room for others.
    roster.present(QStringLiteral("a"), std::nullopt);
    roster.left(QStringLiteral("b"));
    roster.present(QStringLiteral("c"), t);
    roster.present(QStringLiteral("e"), t);
    v = roster.view();
    EXPECT_EQ(v.tables.size(), 2);
    EXPECT_EQ(v.people.size(), 3);
}

TEST(JoinGate, LimitsEachSenderAndEverybody) {
    JoinGate gate({2, 5, 60'000, 100});
    EXPECT_TRUE(gate.admit(QStringLiteral("a"), 0));
    EXPECT_TRUE(gate.admit(QStringLiteral("a"), 1));
    EXPECT_FALSE(gate.admit(QStringLiteral("a"), 2));
    // Asking on does not make the wait shorter, and others are not held up by it.
    EXPECT_FALSE(gate.admit(QStringLiteral("a"), 30'000));
    EXPECT_TRUE(gate.admit(QStringLiteral("b"), 30'000));
    EXPECT_TRUE(gate.admit(QStringLiteral("a"), 90'001));
    // Everybody together: at most five answered within the window.
    JoinGate crowd({2, 5, 60'000, 100});
    int answered = 0;
    for (int i = 0; i < 50; ++i)
        answered += crowd.admit(QString::number(i), i) ? 1 : 0;
    EXPECT_EQ(answered, 5);
}

TEST(JoinGate, RemembersABoundedNumberOfSenders) {
    JoinGate gate({1, 1'000'000, 60'000, 10});
    for (int i = 0; i < 100'000; ++i)
        gate.admit(QString::number(i), i / 100);
    // The oldest were forgotten, not kept: a sender long gone may ask again.
    EXPECT_TRUE(gate.admit(QStringLiteral("0"), 1000));
}

}  // namespace
}  // namespace tess
