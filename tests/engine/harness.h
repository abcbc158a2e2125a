// A game engine wired to a recording outbox, a virtual clock and a stackable deck.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "engine/engine.h"
#include "engine/virtual_clock.h"
#include "tests/support/recording_outbox.h"
#include "tests/support/stacked_random.h"
#include "wire/commands.h"
#include "wire/fields.h"

namespace tess {

struct EngineTestAccess {
    static TableState& table(Engine& engine) { return engine.t_; }
};

namespace testing {

class EngineTest : public ::testing::Test {
protected:
    TableState& table() { return EngineTestAccess::table(engine); }

    // Starts a game (play to 100, 60 s a turn) with the deck stacked from `deck`.
    void start(const std::vector<int>& deck = {}, const std::string& rest = "You+100+60+") {
        random.stack(deck);
        engine.startgame(rest);
    }

    // Replaces a seat's hand: position -> card pairs, everything else empty.
    void setHand(int seat, const std::vector<std::pair<int, int>>& cards) {
        auto& hand = table().seats[seat].hand;
        hand.fill(0);
        for (auto [pos, card] : cards)
            hand[pos] = card;
    }
    // Replaces a tab spot's pile, bottom card first.
    void setTab(int spot, const std::vector<int>& cards) {
        Pile& pile = table().tabs[spot];
        pile.clear();
        for (int card : cards)
            pile.push(card);
    }
    void clearTable() {
        for (int spot = 1; spot <= spotCount; ++spot) {
            table().tabs[spot].clear();
            table().foundations[spot] = 0;
        }
    }

    RecordingOutbox out;
    VirtualClock clock;
    StackedRandom random;
    Engine engine{out, clock, random};
};

}  // namespace testing
}  // namespace tess

namespace tess::testing {

// Hands a request line ("CMD_handplay+1+3+2+") to the engine, as the host's dispatcher
// does.
inline void dispatch(Engine& engine, const std::string& line) {
    const wire::CommandLine c = wire::splitCommand(line);
    if (c.word == cmd::handplay)
        engine.handplay(c.rest);
    else if (c.word == cmd::tabplay)
        engine.tabplay(c.rest);
    else if (c.word == cmd::handfound)
        engine.handfound(c.rest);
    else if (c.word == cmd::tabfound)
        engine.tabfound(c.rest);
    else if (c.word == cmd::endturn)
        engine.endturn(c.rest);
    else if (c.word == cmd::startgame)
        engine.startgame(c.rest);
    else
        FAIL() << "no handler for " << line;
}

}  // namespace tess::testing
