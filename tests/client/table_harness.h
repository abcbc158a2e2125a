// Drives a TableModel with host lines and records what it asks of the window.
#pragma once

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "client/model/client_routes.h"
#include "client/model/table_model.h"
#include "wire/fields.h"

namespace tess::testing {

struct RecordedEvents : TableEvents {
    void notice(const std::string& line) override { notices.push_back(line); }
    void playSound(const std::string& name) override { sounds.push_back(name); }
    void send(const std::string& line) override { sent.push_back(line); }
    void messageBox(const std::string& text) override { boxes.push_back(text); }
    void moveRefused(const std::string& reason) override { refusals.push_back(reason); }
    void addGame(const std::string& text) override { games.push_back(text); }
    void turnTimer(bool run) override { timer.push_back(run); }
    void changed(unsigned areas) override {
        lastAreas = areas;
        ++changes;
    }
    void clear() { *this = RecordedEvents(); }

    std::vector<std::string> notices, sounds, sent, boxes, games, refusals;
    std::vector<bool> timer;
    unsigned lastAreas = 0;
    int changes = 0;
};

class Table {
public:
    Table() : model(events) {}

    // Hands a received line to its handler as the dispatcher does; false when the
    // handler ignored it. A line whose word the table does not handle fails the test.
    bool feed(std::string_view line) {
        const wire::CommandLine c = wire::splitCommand(line);
        for (const ClientRoute& r : clientRoutes())
            if (r.word == c.word && r.model != nullptr) return (model.*r.model)(c.rest);
        ADD_FAILURE() << "no handler for " << line;
        return false;
    }
    // Seated at `slot` (5-9: watching from outside), logged in, seats turned.
    void join(int slot, bool hosting = false) {
        model.setConnection(slot);
        model.setHosting(hosting);
        model.sortstuff(slot);
    }

    RecordedEvents events;
    TableModel model;
};

// Everything the table shows, as text, to compare a whole table at once.
inline std::string snapshot(const TableModel& m) {
    std::ostringstream o;
    o << m.mySlot() << m.connected() << m.hosting() << " turn" << m.turnseat() << m.input().canact()
      << " sel" << m.input().selectedcard() << "/" << m.input().selectedtab() << " time"
      << m.timeleft() << "\n";
    for (int p = 1; p <= 4; ++p) {
        const SeatView& s = m.atPosition(p);
        o << p << ":" << m.seatAt(p) << " " << s.name << "|" << s.hint << "|" << s.score << "|"
          << s.cardCount << "|" << s.fanCount << "/" << s.fanBacks << "/" << s.fanWidth << "|"
          << s.turn << s.eyes << s.notPlaying << s.winner << "\n";
    }
    for (int n = 1; n <= 4; ++n)
        o << "tab" << n << "=" << m.tab(n).first << "/" << m.tab(n).top << " found" << n << "="
          << m.foundation(n) << "\n";
    o << m.drawPileEmpty() << " pot" << m.pot() << " " << m.playToScoreText() << " "
      << m.timePerTurnText() << " " << m.timePerTurn() << " [" << m.status() << "] kings"
      << m.input().kingsVisible() << m.input().kingsText() << " done" << m.doneVisible() << " start"
      << m.startVisible() << " frame" << m.input().highlightVisible() << m.input().highlight().left
      << "," << m.input().highlight().top << " watch" << m.justWatchChecked() << "\n";
    for (const HandCard& c : m.hand().cards())
        o << c.position << "=" << c.card << "@" << c.left << "," << c.top << " ";
    const TurnCountdown& t = m.countdown();
    o << "\n"
      << t.running() << " " << t.pixelsPerSecond() << " " << t.barWidth() << " " << t.text() << " "
      << t.white() << "\n";
    return o.str();
}

}  // namespace tess::testing
