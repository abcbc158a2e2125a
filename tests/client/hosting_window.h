// A main window hosting a solo table whose host runs in the same process on a virtual
// clock and a stackable deck; logged in when the fixture is made.
#pragma once

#include <gtest/gtest.h>

#include <QTemporaryDir>
#include <functional>
#include <memory>

#include "client/table/tchat.h"
#include "engine/virtual_clock.h"
#include "net/server.h"
#include "social/chat_panel.h"
#include "social/chat_view.h"
#include "tests/support/stacked_random.h"
#include "tests/support/test_client.h"

namespace tess::testing {

class HostingWindowTest : public ::testing::Test {
protected:
    // `attach` may give the window its other windows before it shows.
    void open(const std::function<void(Tchat&)>& attach = {}) {
        TchatOptions options;
        options.settingsPath = dir.filePath("orvanelobby.ini");
        options.port = 0;
        chat = std::make_unique<Tchat>(&server, options);
        if (attach) attach(*chat);
        chat->show();
        waitUntil([&] { return chatShows("You are Connected."); });
    }
    bool chatShows(const QString& text) const {
        return chat->chat()->view()->toPlainText().contains(text);
    }
    // Runs the host's clock until `done` holds.
    bool runUntil(const std::function<bool()>& done) {
        return waitUntil([&] {
            if (!done()) clock.advance(250);
            return done();
        });
    }

    QTemporaryDir dir;
    VirtualClock clock;
    StackedRandom random;
    TServer server{clock, random};
    std::unique_ptr<Tchat> chat;
};

}  // namespace tess::testing
