// The host's referee: deals, judges moves, runs turns and their clock, scores, and plays
// every seat that has no active human. It knows no sockets and no timers of its own:
// everything goes through the Outbox, Clock and Random it is given.
//
// Request handlers take the rest of a request line ("seat+position+spot+") and throw
// wire::FieldError when a field that should be a number is not; the caller logs it and
// goes on with the next line.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "engine/bot.h"
#include "engine/ports.h"
#include "engine/strong_bot.h"
#include "engine/table.h"
#include "wire/announcements.h"
#include "wire/requests.h"

namespace tess {

class Engine {
public:
    // The engine takes the clock's ticks from here on.
    Engine(Outbox& outbox, Clock& clock, Random& random);
    Engine(const Engine&) = delete;
    Engine& operator=(const Engine&) = delete;

    // Requests from the table, as the fields after the command word or read already.
    // A line whose numbers are not numbers throws wire::FieldError; a move's seat is
    // read first, and the rest of a move of a seat that may not move is not read at all.
    void startgame(std::string_view rest) { startgame(wire::StartGame::decode(rest)); }
    bool handplay(std::string_view rest) {
        return seatMayMove(rest) && handplay(wire::HandPlay::decode(rest));
    }
    bool tabplay(std::string_view rest) {
        return seatMayMove(rest) && tabplay(wire::TabPlay::decode(rest));
    }
    bool handfound(std::string_view rest) {
        return seatMayMove(rest) && handfound(wire::HandFound::decode(rest));
    }
    bool tabfound(std::string_view rest) {
        return seatMayMove(rest) && tabfound(wire::TabFound::decode(rest));
    }
    void endturn(std::string_view rest) { endturn(wire::EndTurn::decode(rest).seat); }
    void startgame(const wire::StartGame& request);
    bool handplay(const wire::HandPlay& request);
    bool tabplay(const wire::TabPlay& request);
    bool handfound(const wire::HandFound& request);
    bool tabfound(const wire::TabFound& request);
    void endturn(int seat);

    // The clock reports a tick of one of the engine's timers.
    void timerFired(Timer timer);
    void timer_breaksTimer();
    void turntimerTimer();
    void computertimerTimer();

    // Seat changes made by the connection manager.
    void setJustWatching(int seat, bool watching);
    // Passes the turn on at once when `seat` holds it in a running turn (its player
    // started watching or left). Returns whether the turn moved.
    bool passTurnFrom(int seat);
    // A seat with no human present, or whose human is just watching, is played by the
    // bot.
    bool isBotPlayed(int seat) const;

    // What a player who logs in during a game is sent: the seat's hand ("" when the seat
    // does not play this round) and the table summary.
    std::string mycardsMessage(int seat) const;
    std::string gamestatsMessage(int slot) const;

    const TableState& table() const { return t_; }

    // Operations named as the rules describe them; public so the host and tests can
    // follow a game step by step.
    int getcard();
    void startround();
    void shufflecards();
    void dealcards();
    void findplayer();
    bool outofcards(int seat);
    void checkforcomputer(int seat);
    void computerplay(int seat);
    // Sends a move of `seat` through the handler a client's request reaches.
    bool requestMove(int seat, const BotMove& move);

private:
    friend struct EngineTestAccess;

    // The seat may move, `from` is 1..`fromLimit` and `to` a tab spot or foundation.
    bool validMove(int seat, int from, int fromLimit, int to) const;
    bool seatMayMove(std::string_view rest) const;
    void broadcast(const std::string& text);
    bool mayMove(int seat) const;
    bool refuse(std::string_view text, int seat);
    bool afterMove(int seat);
    void startBreak(BreakKind kind, int countdown);
    // Humans and seat 2 play; bots take the empty seats from 3 on until the table
    // holds as many players as the game was started with.
    std::array<bool, seatCount + 1> seatsToPlay() const;
    void sendRoundStart();

    Outbox& outbox_;
    Clock& clock_;
    Random& random_;
    TableState t_;
    bool botActing_ = false;
    StrongSeats strong_;
};

}  // namespace tess
