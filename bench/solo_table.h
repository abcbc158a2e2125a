// The real main window hosting a table in the same process, as a solo game does, with a
// deal that repeats: every shuffle puts a red 6 on tab spot 1 and a black 5 first in
// seat 1's hand, so that each deal's first move (hand card 1 onto tab spot 1) is the same.
#pragma once

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <array>
#include <cstddef>
#include <functional>

#include "client/model/table_layout.h"
#include "client/table/tchat.h"
#include "engine/random.h"
#include "engine/virtual_clock.h"
#include "net/server.h"
#include "tests/support/stacked_random.h"
#include "wire/cards.h"

namespace tess {

class SameDeal : public Random {
public:
    SameDeal() {
        testing::StackedRandom stacked;
        stacked.stack({19, 1, 2, 3, 5});
        for (int& pos : positions_)
            pos = stacked.uniform(deckSize);
    }
    // The shuffle asks exactly once per card, so the answers repeat every 52 calls.
    int uniform(int) override { return positions_[next_++ % deckSize]; }

private:
    std::array<int, deckSize> positions_{};
    std::size_t next_ = 0;
};

// Runs the event loop until `done`, false after `ms`.
inline bool runUntil(const std::function<bool()>& done, int ms = 5000) {
    QElapsedTimer timer;
    timer.start();
    while (!done()) {
        if (timer.elapsed() > ms) return false;
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 20);
    }
    return true;
}

class SoloTable {
public:
    SoloTable() : window(&server, options()) { window.show(); }

    bool loggedIn() {
        TableModel& table = window.model();
        return runUntil([&] { return table.connected() && table.seat(1).name == "You"; });
    }
    bool quiet() { return window.link().queuedLines() == 0 && server.queuedLines() == 0; }
    // A new deal, handled to its end. The client takes one line per pass: the new tab
    // spots may show before the new hand has come. A user's turn begins once the whole
    // deal has been handled (CMD_nextplayer last): tab spot 1 open, card 1 in hand.
    bool deal() {
        window.link().send("CMD_startgame+You+100+60+");
        const TableModel& table = window.model();
        return runUntil([&] {
            const HandCard* card = table.hand().find(1);
            return table.input().canact() && table.tab(1).top == 0 && table.tab(1).first &&
                   card != nullptr && card->top == layout::handTop && quiet();
        });
    }

private:
    TchatOptions options() {
        TchatOptions o;
        o.settingsPath = dir.filePath(QStringLiteral("orvanelobby.ini"));
        o.port = 0;
        return o;
    }

    QTemporaryDir dir;
    VirtualClock clock;  // the game's own timers stay still; sockets and dispatch run
    SameDeal random;

public:
    TServer server{clock, random};
    Tchat window;
};

}  // namespace tess
