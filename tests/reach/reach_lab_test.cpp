// Announcing, browsing and the router's port mapping against the real daemons of a
// network made for the test (network_lab.sh): avahi-daemon and miniupnpd.
#include <gtest/gtest.h>

#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTcpServer>
#include <QTest>
#include <optional>

#include "reach/port_mapper.h"
#include "reach/table_announcer.h"
#include "reach/table_browser.h"
#include "reach/table_reach.h"

namespace tess {
namespace {

constexpr quint16 port = 7772;

QString run(const QString& program, const QStringList& args) {
    QProcess p;
    p.start(program, args);
    p.waitForFinished(20000);
    return QString::fromUtf8(p.readAllStandardOutput());
}

bool lab(const QStringList& args) {
    return QProcess::execute(QStringLiteral("bash"),
                             QStringList{qEnvironmentVariable("TESS_LAB_LAB")} + args) == 0;
}

struct Mapping {
    QString client;
    int clientPort = 0;
    int lease = 0;
};

// The router's own list, asked as any other UPnP client would.
std::optional<Mapping> routerMapping(quint16 external) {
    const QString list =
        run(QStringLiteral("upnpc"), {"-u", qEnvironmentVariable("TESS_LAB_CONTROL"), "-l"});
    static const QRegularExpression line(
        QStringLiteral(R"(TCP\s+(\d+)->([\d.]+):(\d+)\s+'[^']*'\s+'[^']*'\s+(\d+))"));
    for (auto it = line.globalMatch(list); it.hasNext();) {
        const auto m = it.next();
        if (m.captured(1).toInt() == external)
            return Mapping{m.captured(2), m.captured(3).toInt(), m.captured(4).toInt()};
    }
    return std::nullopt;
}

// The router's forwarding rules, seen from inside the router.
QString routerRules(const QString& chain = QStringLiteral("prerouting_miniupnpd")) {
    return run(
        QStringLiteral("nsenter"),
        {"-t", run("cat", {qEnvironmentVariable("TESS_LAB_DIR") + "/routerns.pid"}).trimmed(), "-n",
         "nft", "list", "chain", "inet", "filter", chain});
}

class Lab : public ::testing::Test {
protected:
    void SetUp() override {
        if (qEnvironmentVariableIsEmpty("TESS_LAB_DIR"))
            GTEST_SKIP() << "runs inside network_lab.sh";
        ASSERT_TRUE(lab({"router", "upnp"}));
    }
};

std::optional<FoundTable> listed(const TableBrowser& browser, const QString& host) {
    for (const FoundTable& t : browser.tables())
        if (t.hostName == host) return t;
    return std::nullopt;
}

TEST_F(Lab, AnnouncedTableIsListedFollowsChangesAndGoesAway) {
    AnnouncedTable figures{QStringLiteral("Alice"), 1, 4, 0, false};
    auto announcer = std::make_unique<TableAnnouncer>(
        port, [&figures] { return figures; }, nullptr, 200);
    TableBrowser browser;
    ASSERT_TRUE(QTest::qWaitFor([&] { return listed(browser, "Alice").has_value(); }, 10000))
        << browser.unavailableReason().toStdString();
    EXPECT_TRUE(browser.available());
    FoundTable t = *listed(browser, "Alice");
    EXPECT_EQ(t.address, QStringLiteral("127.0.0.1"));
    EXPECT_EQ(t.port, port);
    EXPECT_EQ(t.seated, 1);
    EXPECT_EQ(t.tableSize, 4);
    EXPECT_FALSE(t.playing);

    // Seen from outside the program too, with its text record.
    const QString outside = run("avahi-browse", {"-rpt", "_tessarine._tcp"});
    EXPECT_TRUE(outside.contains("\"host=Alice\"")) << outside.toStdString();
    EXPECT_TRUE(outside.contains(";7772;")) << outside.toStdString();

    figures.seated = 3;
    figures.spectators = 2;
    figures.playing = true;
    ASSERT_TRUE(QTest::qWaitFor(
        [&] {
            const auto now = listed(browser, "Alice");
            return now && now->seated == 3 && now->spectators == 2 && now->playing;
        },
        5000));

    announcer.reset();
    EXPECT_TRUE(QTest::qWaitFor([&] { return !listed(browser, "Alice"); }, 5000));
    EXPECT_TRUE(QTest::qWaitFor(
        [] {
            return !run("avahi-browse", {"-rpt", "_tessarine._tcp"}).contains("=;");
        },
        5000));
}

TEST_F(Lab, WithoutResponderOrBusTheBrowserSaysWhyAndRecovers) {
    ASSERT_TRUE(lab({"avahi", "stop"}));
    {
        TableBrowser browser;
        ASSERT_TRUE(
            QTest::qWaitFor([&] { return !browser.unavailableReason().contains("…"); }, 3000));
        EXPECT_FALSE(browser.available());
        EXPECT_TRUE(browser.unavailableReason().contains("avahi-daemon"))
            << browser.unavailableReason().toStdString();
        // The responder comes: the list works without a new browser; it goes, and that
        // is said too.
        ASSERT_TRUE(lab({"avahi", "start"}));
        EXPECT_TRUE(QTest::qWaitFor([&] { return browser.available(); }, 10000));
        ASSERT_TRUE(lab({"avahi", "stop"}));
        EXPECT_TRUE(QTest::qWaitFor([&] { return !browser.available(); }, 10000));
        EXPECT_TRUE(browser.unavailableReason().contains("avahi-daemon"))
            << browser.unavailableReason().toStdString();
        ASSERT_TRUE(lab({"avahi", "start"}));
        EXPECT_TRUE(QTest::qWaitFor([&] { return browser.available(); }, 10000));
    }
    ASSERT_TRUE(lab({"bus", "stop"}));
    {
        TableBrowser browser;
        ASSERT_TRUE(
            QTest::qWaitFor([&] { return !browser.unavailableReason().contains("…"); }, 3000));
        EXPECT_FALSE(browser.available());
        EXPECT_TRUE(browser.unavailableReason().contains("D-Bus"))
            << browser.unavailableReason().toStdString();
        ASSERT_TRUE(lab({"bus", "start"}));
        EXPECT_TRUE(QTest::qWaitFor([&] { return browser.available(); }, 15000));
    }
}

TEST_F(Lab, RouterMappingCarriesAddressPortAndLeaseIsRenewedAndRemoved) {
    constexpr int lease = 8;
    TableReach::Options options;
    options.leaseSeconds = lease;
    auto reach = std::make_unique<TableReach>(
        port,
        [] {
            return AnnouncedTable{QStringLiteral("Host"), 1, 4, 0, false};
        },
        options);
    QStringList notices;
    QObject::connect(reach.get(), &TableReach::notice,
                     [&](const QString& line) { notices << line; });
    QSignalSpy external(reach.get(), &TableReach::externalAddressKnown);
    ASSERT_TRUE(QTest::qWaitFor([&] { return !notices.isEmpty(); }, 15000));

    const QString told = notices.join('\n');
    EXPECT_TRUE(told.contains(qEnvironmentVariable("TESS_LAB_EXTERNAL"))) << told.toStdString();
    EXPECT_TRUE(told.contains(qEnvironmentVariable("TESS_LAB_HOST"))) << told.toStdString();
    ASSERT_EQ(external.count(), 1);
    EXPECT_EQ(external.at(0).at(0).toString(), qEnvironmentVariable("TESS_LAB_EXTERNAL"));

    std::optional<Mapping> m = routerMapping(port);
    ASSERT_TRUE(m.has_value());
    EXPECT_EQ(m->client, qEnvironmentVariable("TESS_LAB_HOST"));
    EXPECT_EQ(m->clientPort, port);
    EXPECT_GT(m->lease, 0);
    EXPECT_LE(m->lease, lease);

    // Past half the lease it has been asked for again: more time left than the first
    // lease could still have.
    QTest::qWait((lease / 2 + 2) * 1000);
    m = routerMapping(port);
    ASSERT_TRUE(m.has_value()) << "the mapping ran out";
    EXPECT_GT(m->lease, lease - (lease / 2 + 2));

    reach.reset();
    ASSERT_TRUE(PortMapper::finishPending(30000));  // the router thread has done
    EXPECT_FALSE(routerMapping(port).has_value());
}

// Whether a connection from the internet reaches this computer's IPv6 address on the
// table's port (the router's firewall drops it unless a pinhole lets it in).
bool reachableFromInternet() {
    const QString to = QStringLiteral("exec 3<>/dev/tcp/%1/%2")
                           .arg(qEnvironmentVariable("TESS_LAB_HOST6"))
                           .arg(port);
    return lab({"internet", "timeout", "3", "bash", "-c", to});
}

int routerLogCount(const char* what) {
    QFile log(qEnvironmentVariable("TESS_LAB_DIR") + "/miniupnpd.log");
    if (!log.open(QIODevice::ReadOnly)) return -1;
    return int(log.readAll().count(what));
}

TEST_F(Lab, PinholeLetsPlayersInOverIpv6WhileTheTableIsOpen) {
    QTcpServer table;
    ASSERT_TRUE(table.listen(QHostAddress::AnyIPv6, port));
    EXPECT_FALSE(reachableFromInternet()) << "the router's firewall is open already";

    PortMapper::Options options;
    options.leaseSeconds = 6;
    options.discoveryMs = 1000;
    auto mapper = std::make_unique<PortMapper>(nullptr, options);
    QSignalSpy answered(mapper.get(), &PortMapper::pinholeAnswered);
    mapper->open(port);
    ASSERT_TRUE(answered.wait(20000));
    const auto r = answered.at(0).at(0).value<PinholeResult>();
    ASSERT_EQ(r.outcome, PinholeResult::Outcome::opened) << r.detail.toStdString();
    EXPECT_EQ(r.address, qEnvironmentVariable("TESS_LAB_HOST6"));
    EXPECT_TRUE(routerRules(QStringLiteral("miniupnpd"))
                    .contains("dport 7772 @nh,192,128 0x20010db8007700000000000000000002"));
    EXPECT_TRUE(reachableFromInternet());
    EXPECT_TRUE(table.waitForNewConnection(5000));

    // Renewed at half the lease, and still open past the first lease's end.
    ASSERT_TRUE(QTest::qWaitFor([] { return routerLogCount("#UpdatePinhole") >= 2; }, 20000));
    EXPECT_TRUE(reachableFromInternet());

    mapper.reset();
    ASSERT_TRUE(PortMapper::finishPending(30000));
    EXPECT_FALSE(routerRules(QStringLiteral("miniupnpd")).contains("0x20010db8"));
    EXPECT_FALSE(reachableFromInternet()) << "the pinhole stayed open";
}

TEST_F(Lab, AnotherComputersMappingIsNeverOverwritten) {
    const QString control = qEnvironmentVariable("TESS_LAB_CONTROL");
    run("upnpc", {"-u", control, "-a", "192.168.77.3", "7772", "7772", "TCP", "600"});
    ASSERT_EQ(routerMapping(port).value_or(Mapping{}).client, QStringLiteral("192.168.77.3"));

    auto mapper = std::make_unique<PortMapper>();
    QSignalSpy answered(mapper.get(), &PortMapper::answered);
    mapper->open(port);
    ASSERT_TRUE(answered.wait(15000));
    const auto r = answered.at(0).at(0).value<RouterResult>();
    EXPECT_EQ(r.outcome, RouterResult::Outcome::taken);
    EXPECT_EQ(r.takenBy, QStringLiteral("192.168.77.3"));

    mapper.reset();  // closing must not take the other computer's mapping either
    ASSERT_TRUE(PortMapper::finishPending(30000));  // the router thread has done
    EXPECT_EQ(routerMapping(port).value_or(Mapping{}).client, QStringLiteral("192.168.77.3"));
}

TEST_F(Lab, NatPmpOpensThePortWhereNoUpnpRouterAnswers) {
    ASSERT_TRUE(lab({"router", "natpmp"}));
    auto mapper = std::make_unique<PortMapper>(nullptr, PortMapper::Options{600, 500, {}, {}, {}});
    QSignalSpy answered(mapper.get(), &PortMapper::answered);
    mapper->open(port);
    ASSERT_TRUE(answered.wait(15000));
    const auto r = answered.at(0).at(0).value<RouterResult>();
    EXPECT_EQ(r.outcome, RouterResult::Outcome::opened) << r.detail.toStdString();
    EXPECT_EQ(r.method, QStringLiteral("NAT-PMP"));
    EXPECT_EQ(r.externalAddress, qEnvironmentVariable("TESS_LAB_EXTERNAL"));
    EXPECT_EQ(r.localAddress, qEnvironmentVariable("TESS_LAB_HOST"));
    EXPECT_GT(r.leaseSeconds, 0);
    EXPECT_TRUE(routerRules().contains("dport 7772 dnat ip to 192.168.77.2:7772"))
        << routerRules().toStdString();

    mapper.reset();
    ASSERT_TRUE(PortMapper::finishPending(30000));  // the router thread has done
    EXPECT_FALSE(routerRules().contains("7772")) << routerRules().toStdString();
}

TEST_F(Lab, NatPmpGivesBackAnotherPortWhenOursIsTaken) {
    const QString control = qEnvironmentVariable("TESS_LAB_CONTROL");
    run("upnpc", {"-u", control, "-a", "192.168.77.3", "7772", "7772", "TCP", "600"});
    ASSERT_TRUE(lab({"router", "natpmp", "keep"}));
    ASSERT_TRUE(routerRules().contains("192.168.77.3:7772")) << routerRules().toStdString();

    auto mapper = std::make_unique<PortMapper>(nullptr, PortMapper::Options{600, 500, {}, {}, {}});
    QSignalSpy answered(mapper.get(), &PortMapper::answered);
    mapper->open(port);
    ASSERT_TRUE(answered.wait(15000));
    const auto r = answered.at(0).at(0).value<RouterResult>();
    EXPECT_EQ(r.outcome, RouterResult::Outcome::taken);
    // Nothing of ours stays, whatever port the router offered instead.
    EXPECT_FALSE(routerRules().contains("192.168.77.2")) << routerRules().toStdString();
    mapper.reset();
    ASSERT_TRUE(PortMapper::finishPending(30000));  // the router thread has done
    EXPECT_TRUE(routerRules().contains("192.168.77.3:7772")) << routerRules().toStdString();
}

TEST_F(Lab, WithoutARouterTheHostHearsWhyAndTheLocalAddress) {
    ASSERT_TRUE(lab({"router", "none"}));
    TableReach::Options options;
    options.discoveryMs = 500;
    TableReach reach(
        port, [] { return AnnouncedTable{}; }, options);
    QStringList notices;
    QObject::connect(&reach, &TableReach::notice, [&](const QString& line) { notices << line; });
    ASSERT_TRUE(QTest::qWaitFor([&] { return notices.size() >= 2; }, 15000));
    EXPECT_TRUE(notices[0].contains("No router answered")) << notices[0].toStdString();
    EXPECT_TRUE(notices[1].contains(qEnvironmentVariable("TESS_LAB_HOST")));
}

}  // namespace
}  // namespace tess
