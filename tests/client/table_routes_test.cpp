// The table model behind a real connection to a real host: the user's clicks go out as
// request lines and the host's answers come back into the model.
#include <gtest/gtest.h>

#include "client/table/client_link.h"
#include "client/table/table_routes.h"
#include "engine/virtual_clock.h"
#include "net/server.h"
#include "tests/support/stacked_random.h"
#include "tests/support/test_client.h"

namespace tess::testing {
namespace {

struct LinkedEvents : TableEvents {
    explicit LinkedEvents(ClientLink& l) : link(l) {}
    void send(const std::string& line) override { link.send(line); }
    void notice(const std::string& line) override { notices.push_back(line); }
    ClientLink& link;
    std::vector<std::string> notices;
};

// The window's part of the routes: only the login matters here.
struct LoginOnly : PlayerEvents {
    explicit LoginOnly(ClientLink& l) : link(l) {}
    void sendlogininfo(std::string_view rest) override { link.sendloginfo(rest); }
    void chatrecieved(std::string_view) override {}
    void newplayerinfo(std::string_view) override {}
    void existingplayers(std::string_view) override {}
    void playerdisconnected(std::string_view) override {}
    void havewrongversion(std::string_view) override {}
    void wrongversion(std::string_view) override {}
    void full(std::string_view) override {}
    void playasound(std::string_view) override {}
    ClientLink& link;
};

TEST(TableRoutes, PlaysASoloTurnAgainstTheRealHost) {
    VirtualClock clock;
    StackedRandom random;
    TServer server(clock, random);
    server.startListening(0);

    ClientLink link;
    LinkedEvents events(link);
    TableModel model(events);
    LoginOnly window(link);
    routeClient(link, model, window);
    QObject::connect(&link, &ClientLink::loggedIn, [&](int slot) {
        model.setConnection(slot);
        model.setHosting(true);
        model.sortstuff(slot);
    });
    server.setOwnClient([&link] { return link.ends(); });
    link.connectTo("127.0.0.1", server.port(), "You");
    ASSERT_TRUE(waitUntil([&] { return link.connected(); }));

    link.send("CMD_startgame+You+100+60+");
    ASSERT_TRUE(waitUntil([&] { return model.turnseat() != 0 && model.hand().size() == 7; }));
    EXPECT_EQ(model.seat(2).name, "Klot");
    EXPECT_EQ(model.timePerTurnText(), "Time Per Turn: 60secs");
    for (int i = 0; i < 400 && model.turnseat() != 1; ++i) {
        clock.advance(500);  // the bot's turn
        waitUntil([] { return false; }, 5);
    }
    ASSERT_EQ(model.turnseat(), 1);
    ASSERT_TRUE(model.input().canact());
    const int cards = model.hand().size();
    model.input().clickDrawPile();
    ASSERT_TRUE(waitUntil([&] { return model.status() == "You ended your turn."; }));
    EXPECT_EQ(model.hand().size(), cards + 1);
    EXPECT_FALSE(model.input().canact());
}

TEST(TableRoutes, RoutingTheTableTwiceIsRefused) {
    ClientLink link;
    LinkedEvents events(link);
    TableModel model(events);
    LoginOnly window(link);
    routeClient(link, model, window);
    EXPECT_TRUE(link.handles("CMD_playhand"));
    EXPECT_TRUE(link.handles("CMD_sendlogininfo"));
    EXPECT_THROW(routeClient(link, model, window), std::logic_error);
}

}  // namespace
}  // namespace tess::testing
