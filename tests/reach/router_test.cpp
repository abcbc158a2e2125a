// What a slow or wrong router is left with: never our mapping after we are done, never
// without another computer's, and never a window waiting for it. The router is a
// stand-in on loopback, asked through the real UPnP client.
#include <gtest/gtest.h>

#include <QSignalSpy>
#include <QTest>
#include <memory>

#include "reach/port_mapper.h"
#include "reach/table_reach.h"
#include "tests/reach/router_stand_in.h"

namespace tess {
namespace {

using testing::RouterStandIn;

constexpr quint16 tablePort = 7772;
constexpr int routerGivesUpMs = 5000;  // how long the UPnP client waits for an answer

std::unique_ptr<PortMapper> mapperFor(const RouterStandIn& router) {
    return std::make_unique<PortMapper>(nullptr,
                                        PortMapper::Options{3600, 500, router.url(), {}, {}});
}

RouterResult firstAnswer(PortMapper& mapper) {
    QSignalSpy answered(&mapper, &PortMapper::answered);
    if (!answered.wait(30000)) return {};
    return answered.at(0).at(0).value<RouterResult>();
}

TEST(Router, OpensThePortAndRemovesItAtTheEnd) {
    RouterStandIn router;
    auto mapper = mapperFor(router);
    mapper->open(tablePort);
    const RouterResult r = firstAnswer(*mapper);
    EXPECT_EQ(r.outcome, RouterResult::Outcome::opened) << r.detail.toStdString();
    EXPECT_EQ(r.externalAddress, router.externalAddress());
    ASSERT_TRUE(router.mapping(tablePort));
    EXPECT_EQ(router.mapping(tablePort)->client, "127.0.0.1");
    mapper.reset();
    ASSERT_TRUE(PortMapper::finishPending(30000));
    EXPECT_FALSE(router.mapping(tablePort));
}

// The router makes the mapping but answers after the client gave up: the table goes at
// once, and the mapping is found and removed behind it.
TEST(Router, AMappingMadeAfterWeGaveUpIsRemovedWithoutTheWindowWaiting) {
    RouterStandIn router;
    router.setAddAnswerMs(60000, true);
    auto mapper = mapperFor(router);
    QSignalSpy answered(mapper.get(), &PortMapper::answered);
    mapper->open(tablePort);
    ASSERT_TRUE(QTest::qWaitFor([&] { return router.held() == 1; }, 30000));
    mapper.reset();
    // Still held: closing did not wait for the router's answer, nor for the client to
    // give up on it.
    EXPECT_EQ(router.held(), 1);
    ASSERT_TRUE(PortMapper::finishPending(30000));
    EXPECT_EQ(router.held(), 0);
    EXPECT_FALSE(router.mapping(tablePort)) << "left on the router";
}

// The router makes the mapping only when it answers, after the check that followed the
// failed request: the end of the table finds it and removes it.
TEST(Router, AMappingThatLandsLateIsRemovedAtTheEnd) {
    RouterStandIn router;
    router.setAddAnswerMs(routerGivesUpMs + 2000, false);
    auto mapper = mapperFor(router);
    mapper->open(tablePort);
    const RouterResult r = firstAnswer(*mapper);
    EXPECT_EQ(r.outcome, RouterResult::Outcome::refused);
    EXPECT_EQ(r.reason, RouterResult::Reason::noAnswer) << r.detail.toStdString();
    ASSERT_TRUE(QTest::qWaitFor([&] { return router.mapping(tablePort).has_value(); }, 30000));
    mapper.reset();
    ASSERT_TRUE(PortMapper::finishPending(30000));
    EXPECT_FALSE(router.mapping(tablePort)) << "left on the router";
}

// A router that cannot say what the port goes to is not asked to forward it: another
// computer's forward would be overwritten, and removed at our end.
TEST(Router, WhereTheRouterCannotTellNothingIsAddedOrRemoved) {
    RouterStandIn router;
    router.addMapping(tablePort, {"192.168.50.77", tablePort, "Game server"});
    router.setError("GetSpecificPortMappingEntry", 501);
    auto mapper = mapperFor(router);
    mapper->open(tablePort);
    const RouterResult r = firstAnswer(*mapper);
    EXPECT_EQ(r.outcome, RouterResult::Outcome::refused);
    EXPECT_EQ(r.reason, RouterResult::Reason::cannotTell);
    mapper.reset();
    ASSERT_TRUE(PortMapper::finishPending(30000));
    EXPECT_EQ(router.requests("AddPortMapping"), 0);
    EXPECT_EQ(router.requests("DeletePortMapping"), 0);
    ASSERT_TRUE(router.mapping(tablePort));
    EXPECT_EQ(router.mapping(tablePort)->client, "192.168.50.77");
}

// The invitation carries the internet address only while the router forwards the port
// here; the chat says plainly why not, in the user's words rather than the router's.
TEST(Router, TheInternetAddressIsGivenOnlyWhileThePortComesHere) {
    struct Case {
        const char* name;
        std::function<void(RouterStandIn&)> setUp;
        bool reachable;
        const char* told;
    };
    const Case cases[] = {
        {"opened", [](RouterStandIn&) {}, true, "Players on the internet can join"},
        {"taken",
         [](RouterStandIn& r) {
             r.addMapping(tablePort, {"192.168.50.77", tablePort, "x"});
         },
         false, "already forwards port 7772 to 192.168.50.77"},
        {"conflict", [](RouterStandIn& r) { r.setError("AddPortMapping", 718); }, false,
         "already forwards port 7772 to another computer"},
        {"refused", [](RouterStandIn& r) { r.setError("AddPortMapping", 606); }, false,
         "Your router refused to open port 7772"},
        {"status error", [](RouterStandIn& r) { r.setError("GetStatusInfo", 501); }, true,
         "Players on the internet can join"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        RouterStandIn router;
        c.setUp(router);
        TableReach::Options options;
        options.routerUrl = router.url();
        auto reach = std::make_unique<TableReach>(
            tablePort, [] { return AnnouncedTable{}; }, options);
        QStringList notices;
        QObject::connect(reach.get(), &TableReach::notice,
                         [&](const QString& line) { notices << line; });
        QSignalSpy external(reach.get(), &TableReach::externalAddressKnown);
        ASSERT_TRUE(QTest::qWaitFor([&] { return notices.size() >= 2; }, 30000));
        const QString told = notices.join('\n');
        EXPECT_TRUE(told.contains(c.told)) << told.toStdString();
        EXPECT_FALSE(told.contains("not connected")) << told.toStdString();
        EXPECT_FALSE(told.contains(QRegularExpression("\\(-?\\d"))) << told.toStdString();
        EXPECT_EQ(reach->externalAddress().isEmpty(), !c.reachable);
        EXPECT_EQ(external.size(), c.reachable ? 1 : 0);
        reach.reset();
        ASSERT_TRUE(PortMapper::finishPending(30000));
        if (c.reachable) {
            EXPECT_FALSE(router.mapping(tablePort));
        }
    }
}

}  // namespace
}  // namespace tess
