// Turns, the turn clock, the end of a round and the pot, and the bot's steps.
#include "engine/bot.h"
#include "engine/cards.h"
#include "engine/engine.h"
#include "net/wire/commands.h"
#include "net/wire/fields.h"
#include "net/wire/message.h"

namespace tess {

using wire::Message;

namespace {
constexpr int tickMs = 1000;
constexpr int roundBreakSeconds = 14;
constexpr int extraTurnSeconds = 4;

std::string seatArgument(int seat) { return std::to_string(seat) + "+"; }
}  // namespace

void Engine::timerFired(Timer timer) {
    switch (timer) {
        case Timer::breaks:
            timer_breaksTimer();
            break;
        case Timer::turn:
            turntimerTimer();
            break;
        case Timer::computer:
            computertimerTimer();
            break;
    }
}

void Engine::findplayer() {
    t_.inBreak = false;
    // Seat 2 plays every round; the bound only guards a table where nobody plays.
    for (int tries = 0; tries < seatCount; ++tries) {
        t_.currentSeat = t_.currentSeat % seatCount + 1;
        if (t_.seats[t_.currentSeat].playing) break;
    }
    t_.movedThisTurn = false;
    broadcast(Message(cmd::nextplayer).add(t_.currentSeat).endWithPlus());
    checkforcomputer(t_.currentSeat);
    t_.turnCountdown = static_cast<long long>(t_.timePerTurn) + extraTurnSeconds;
    clock_.start(Timer::turn, tickMs);
}

void Engine::turntimerTimer() {
    if (--t_.turnCountdown < 1) {
        clock_.stop(Timer::turn);
        endturn(seatArgument(t_.currentSeat));
    }
}

void Engine::startBreak(BreakKind kind, int countdown) {
    clock_.stop(Timer::turn);
    clock_.stop(Timer::computer);  // a bot never acts after its turn has ended
    clock_.stop(Timer::breaks);
    t_.inBreak = true;
    t_.breakKind = kind;
    t_.breakCountdown = countdown;
    clock_.start(Timer::breaks, tickMs);
}

void Engine::timer_breaksTimer() {
    if (--t_.breakCountdown >= 1) return;
    clock_.stop(Timer::breaks);
    t_.inBreak = false;
    if (t_.breakKind == BreakKind::nextTurn)
        findplayer();
    else if (t_.breakKind == BreakKind::newRound)
        startround();
}

void Engine::endturn(std::string_view rest) {
    wire::FieldReader fields(rest);
    const int seat = fields.number();
    if (!mayMove(seat)) return;

    SeatState& s = t_.seats[seat];
    // A full hand has no place for a card: the turn ends as a draw that found no room.
    const int pos = s.lowestEmpty();
    const int card = pos != 0 ? getcard() : 0;
    if (pos != 0 && card == 0) {
        broadcast(Message(cmd::nomorecards).endWithPlus());
        startBreak(BreakKind::newRound, roundBreakSeconds);
        return;
    }
    if (card != 0) s.hand[pos] = card;
    if (!t_.movedThisTurn) ++t_.pot;

    const std::string hidden =
        Message(cmd::ending).add(seat).add(0).add(0).add(t_.pot).endWithPlus();
    const std::string shown =
        Message(cmd::ending).add(seat).add(card != 0 ? pos : 0).add(card).add(t_.pot).endWithPlus();
    for (int slot : outbox_.slotsInUse())
        outbox_.send(slot, slot == seat ? shown : hidden);
    startBreak(BreakKind::nextTurn, 0);
}

bool Engine::outofcards(int seat) {
    if (t_.seats[seat].cardsHeld() != 0) return false;
    for (int other = 1; other <= seatCount; ++other) {
        const SeatState& s = t_.seats[other];
        if (other == seat || !s.playing) continue;
        for (int pos = 1; pos <= handSize; ++pos)
            if (s.hand[pos] != 0) t_.pot += isKing(s.hand[pos]) ? 10 : 1;
    }
    SeatState& winner = t_.seats[seat];
    winner.score += t_.pot;
    broadcast(Message(cmd::endround).add(seat).add(t_.pot).add(winner.score).endWithPlus());
    t_.pot = 0;
    startBreak(BreakKind::newRound, roundBreakSeconds);
    return true;
}

void Engine::setJustWatching(int seat, bool watching) {
    if (seat >= 1 && seat <= seatCount) t_.seats[seat].justWatching = watching;
}

bool Engine::passTurnFrom(int seat) {
    // During a break the turn passes when the break ends anyway.
    if (!t_.inProgress || t_.inBreak || seat != t_.currentSeat) return false;
    findplayer();
    return true;
}

bool Engine::isBotPlayed(int seat) const {
    if (seat < 1 || seat > seatCount) return false;
    return !outbox_.humanPresent(seat) || t_.seats[seat].justWatching;
}

void Engine::checkforcomputer(int seat) {
    if (!isBotPlayed(seat)) return;
    clock_.stop(Timer::computer);
    clock_.start(Timer::computer, outbox_.botSpeedMs());
}

void Engine::computertimerTimer() {
    clock_.stop(Timer::computer);
    computerplay(t_.currentSeat);
}

void Engine::computerplay(int seat) {
    // A player who came back to the seat since the step was scheduled plays on himself.
    if (!isBotPlayed(seat) || !mayMove(seat)) return;
    const std::optional<BotMove> move = chooseBotMove(t_, seat);
    if (!move) {
        endturn(seatArgument(seat));
        return;
    }
    botActing_ = true;
    requestMove(seat, *move);
    botActing_ = false;
}

bool Engine::requestMove(int seat, const BotMove& move) {
    const std::string arg =
        seatArgument(seat) + std::to_string(move.from) + "+" + std::to_string(move.to) + "+";
    switch (move.kind) {
        case BotMove::handToTab:
            return handplay(arg);
        case BotMove::tabToTab:
            return tabplay(arg);
        case BotMove::handToFoundation:
            return handfound(arg);
        case BotMove::tabToFoundation:
            return tabfound(arg);
    }
    return false;
}

}  // namespace tess
