// The router's IPv6 firewall: which of this computer's addresses is opened, which address
// others are told, and a pinhole's lease kept and given back, against a router stand-in
// on loopback asked through the real UPnP client.
#include <gtest/gtest.h>

#include <QSignalSpy>
#include <QTest>
#include <memory>

#include "reach/port_mapper.h"
#include "reach/router_pinhole.h"
#include "reach/table_reach.h"
#include "tests/reach/router_stand_in.h"

namespace tess {
namespace {

using testing::RouterStandIn;

constexpr quint16 tablePort = 7772;
const QString host6 = QStringLiteral("2001:db8:77::2");

RouterResult mapping(RouterResult::Outcome outcome, const char* external) {
    RouterResult r;
    r.outcome = outcome;
    r.externalAddress = QString::fromLatin1(external);
    return r;
}

PinholeResult pinhole(PinholeResult::Outcome outcome, const char* address) {
    PinholeResult r;
    r.outcome = outcome;
    r.address = QString::fromLatin1(address);
    return r;
}

// A forwarded IPv4 port every player can use comes first; an IPv6 address only where
// the IPv4 one cannot be reached from the internet.
TEST(Pinhole, OthersAreToldTheAddressTheyCanUse) {
    using V4 = RouterResult::Outcome;
    using V6 = PinholeResult::Outcome;
    struct Case {
        const char* name;
        RouterResult v4;
        PinholeResult v6;
        const char* told;
    };
    const Case cases[] = {
        {"carrier NAT and a pinhole", mapping(V4::opened, "100.64.12.5"),
         pinhole(V6::opened, "2001:db8:77::2"), "2001:db8:77::2"},
        {"private router address and a pinhole", mapping(V4::opened, "192.168.0.9"),
         pinhole(V6::opened, "2001:db8:77::2"), "2001:db8:77::2"},
        {"mapped IPv4 and a pinhole", mapping(V4::opened, "203.0.113.7"),
         pinhole(V6::opened, "2001:db8:77::2"), "203.0.113.7"},
        {"IPv6 only", mapping(V4::noRouter, ""), pinhole(V6::opened, "2001:db8:77::2"),
         "2001:db8:77::2"},
        {"unfiltered IPv6, IPv4 refused", mapping(V4::refused, "203.0.113.7"),
         pinhole(V6::unfiltered, "2001:db8:77:0:0::2"), "2001:db8:77::2"},
        {"mapped IPv4, pinhole refused", mapping(V4::opened, "203.0.113.7"),
         pinhole(V6::refused, "2001:db8:77::2"), "203.0.113.7"},
        {"carrier NAT, pinholes not allowed", mapping(V4::opened, "100.64.12.5"),
         pinhole(V6::notAllowed, "2001:db8:77::2"), ""},
        {"another computer's port, no IPv6", mapping(V4::taken, "203.0.113.7"),
         pinhole(V6::noAddress, ""), ""},
        {"neither", mapping(V4::noRouter, ""), pinhole(V6::noRouter, ""), ""},
        {"a local address is never told", mapping(V4::noRouter, ""), pinhole(V6::opened, "fd00::2"),
         ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(TableReach::addressForOthers(c.v4, c.v6), QString::fromLatin1(c.told));
    }
}

Ipv6Entry entry(const char* address, bool temporary = false, bool deprecated = false) {
    return {QHostAddress(QString::fromLatin1(address)), temporary, deprecated};
}

// A stable global address first; the one the router hears from as well, since a router
// may let a computer open only that one.
// The chat sets a line's text up to its first colon apart: never inside an address.
TEST(Pinhole, TheLocalAddressLineKeepsAnIpv6AddressWhole) {
    for (const char* address : {"192.168.1.20", "fd00::20", "2001:db8:77::2"}) {
        const QString line = TableReach::localOnlyLine(QString::fromLatin1(address));
        const qsizetype at = line.indexOf(QString::fromLatin1(address));
        const qsizetype colon = line.indexOf(QLatin1Char(':'));
        EXPECT_GE(at, 0) << line.toStdString();
        EXPECT_TRUE(colon < 0 || colon < at) << line.toStdString();
    }
}

TEST(Pinhole, AStableGlobalAddressIsOpenedBeforeAPrivacyAddress) {
    const QList<Ipv6Entry> home = {entry("fe80::1"), entry("fd12::5"),
                                   entry("2001:db8:77::99", true), entry("2001:db8:77::2"),
                                   entry("2001:db8:77::3")};
    struct Case {
        const char* name;
        const char* heardFrom;
        QList<Ipv6Entry> entries;
        QStringList candidates;
    };
    const Case cases[] = {
        {"heard from a stable one", "2001:db8:77::3", home, {"2001:db8:77::3"}},
        {"heard from a privacy address",
         "2001:db8:77::99",
         home,
         {"2001:db8:77::2", "2001:db8:77::99"}},
        {"router on a link-local address", "fe80::1", home, {"2001:db8:77::2"}},
        {"router heard over IPv4", "192.168.77.2", home, {"2001:db8:77::2"}},
        {"local addresses only", "fd12::5", {entry("fe80::1"), entry("fd12::5")}, {}},
        {"the stable one deprecated",
         "2001:db8:77::99",
         {entry("2001:db8:77::2", false, true), entry("2001:db8:77::99", true)},
         {"2001:db8:77::99"}},
        {"a tunnel's address", "2001:0:5ef5:79fb::1", {entry("2001:0:5ef5:79fb::1")}, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(pinholeCandidates(QHostAddress(QString::fromLatin1(c.heardFrom)), c.entries),
                  c.candidates);
    }
}

PortMapper::Options optionsFor(const RouterStandIn& router, int leaseSeconds) {
    return {leaseSeconds, 500, router.url(), router.url(), host6};
}

TEST(Pinhole, IsRenewedBeforeItsLeaseEndsAskedAnewWhenLostAndRemovedAtTheEnd) {
    RouterStandIn router(true);
    auto mapper = std::make_unique<PortMapper>(nullptr, optionsFor(router, 2));
    QSignalSpy answered(mapper.get(), &PortMapper::pinholeAnswered);
    mapper->open(tablePort);
    ASSERT_TRUE(answered.wait(30000));
    const auto first = answered.at(0).at(0).value<PinholeResult>();
    EXPECT_EQ(first.outcome, PinholeResult::Outcome::opened) << first.detail.toStdString();
    EXPECT_EQ(first.address, host6);
    ASSERT_EQ(router.pinholes().size(), 1u);
    const RouterStandIn::Pinhole hole = router.pinholes().front();
    EXPECT_EQ(hole.client, host6);
    EXPECT_EQ(hole.port, tablePort);
    EXPECT_EQ(hole.protocol, 6);  // TCP
    EXPECT_EQ(hole.lease, 2);
    EXPECT_TRUE(router.mapping(tablePort)) << "the IPv4 mapping is made as well";

    // Renewed within the lease, more than once.
    ASSERT_TRUE(QTest::qWaitFor([&] { return router.requests("UpdatePinhole") >= 2; }, 30000));
    EXPECT_EQ(router.requests("AddPinhole"), 1);
    ASSERT_EQ(router.pinholes().size(), 1u);

    // The router restarts and forgets it: the next renewal asks for it anew.
    router.forgetPinholes();
    ASSERT_TRUE(QTest::qWaitFor([&] { return router.requests("AddPinhole") == 2; }, 30000));
    ASSERT_EQ(router.pinholes().size(), 1u);
    EXPECT_EQ(router.pinholes().front().client, host6);

    mapper.reset();
    ASSERT_TRUE(PortMapper::finishPending(30000));
    EXPECT_TRUE(router.pinholes().empty()) << "left in the router's firewall";
    EXPECT_FALSE(router.mapping(tablePort));
}

// Whatever the firewall answers, the IPv4 port is still asked for and the host hears
// one plain line; the router's codes go to the log only.
TEST(Pinhole, TheHostHearsWhatTheFirewallDidAndHostingGoesOn) {
    struct Case {
        const char* name;
        std::function<void(RouterStandIn&)> setUp;
        const char* told;
        bool asked;           // whether a pinhole was asked for
        const char* reachAt;  // the address others are told
    };
    const auto cgnat = [](RouterStandIn& r) { r.setExternalAddress("100.64.20.30"); };
    const Case cases[] = {
        {"opened behind a carrier NAT", cgnat,
         "lets players in: players with IPv6 can join this table at [2001:db8:77::2]:7772", true,
         "2001:db8:77::2"},
        {"opened beside a mapped IPv4 port", [](RouterStandIn&) {},
         "lets players in: players with IPv6 can join this table at [2001:db8:77::2]:7772", true,
         "203.0.113.7"},
        {"firewall off",
         [&](RouterStandIn& r) {
             cgnat(r);
             r.setFirewallStatus(false, true);
         },
         "Your router does not filter IPv6", false, "2001:db8:77::2"},
        {"pinholes not allowed",
         [&](RouterStandIn& r) {
             cgnat(r);
             r.setFirewallStatus(true, false);
         },
         "lets nobody in from the internet", false, ""},
        {"not authorised",
         [&](RouterStandIn& r) {
             cgnat(r);
             r.setError("AddPinhole", 606);
         },
         "Your router refused to open port 7772 for this table in its IPv6 firewall", true, ""},
        {"inbound pinholes refused on asking",
         [&](RouterStandIn& r) {
             cgnat(r);
             r.setError("AddPinhole", 703);
         },
         "lets nobody in from the internet", true, ""},
        {"status unknown, asked all the same",
         [&](RouterStandIn& r) {
             cgnat(r);
             r.setError("GetFirewallStatus", 501);
         },
         "lets players in: players with IPv6 can join this table at [2001:db8:77::2]:7772", true,
         "2001:db8:77::2"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        RouterStandIn router(true);
        c.setUp(router);
        TableReach::Options options;
        options.routerUrl = options.pinholeRouterUrl = router.url();
        options.pinholeAddress = host6;
        auto reach = std::make_unique<TableReach>(
            tablePort, [] { return AnnouncedTable{}; }, options);
        QStringList notices;
        QObject::connect(reach.get(), &TableReach::notice,
                         [&](const QString& line) { notices << line; });
        ASSERT_TRUE(QTest::qWaitFor([&] { return notices.join('\n').contains("IPv6"); }, 30000));
        const QString told = notices.join('\n');
        EXPECT_TRUE(told.contains(c.told)) << told.toStdString();
        EXPECT_TRUE(told.contains("Players on the internet can join this table at " +
                                  router.externalAddress()))
            << told.toStdString();
        EXPECT_FALSE(told.contains(QRegularExpression("\\b[67]0\\d\\b"))) << told.toStdString();
        // The chat sets a line's text up to its first colon apart: never inside an address.
        for (const QString& line : notices) {
            if (line.contains('[')) {
                EXPECT_LT(line.indexOf(':'), line.indexOf('[')) << line.toStdString();
            }
        }
        EXPECT_EQ(router.requests("AddPinhole") > 0, c.asked);
        EXPECT_EQ(reach->externalAddress(), QString::fromLatin1(c.reachAt));
        reach.reset();
        ASSERT_TRUE(PortMapper::finishPending(30000));
        EXPECT_TRUE(router.pinholes().empty());
        EXPECT_FALSE(router.mapping(tablePort));
    }
}

}  // namespace
}  // namespace tess
