// Turns, the turn clock, the end of a round and the pot, and the bot's steps.
#include "engine/bot.h"
#include "engine/engine.h"
#include "wire/cards.h"

namespace tess {

namespace {
constexpr int tickMs = 1000;
constexpr int roundBreakSeconds = 14;
constexpr int extraTurnSeconds = 4;
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
    broadcast(wire::NextPlayer{t_.currentSeat}.encode());
    checkforcomputer(t_.currentSeat);
    t_.turnCountdown = static_cast<long long>(t_.timePerTurn) + extraTurnSeconds;
    clock_.start(Timer::turn, tickMs);
}

void Engine::turntimerTimer() {
    if (--t_.turnCountdown < 1) {
        clock_.stop(Timer::turn);
        endturn(t_.currentSeat);
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

void Engine::endturn(int seat) {
    if (!mayMove(seat)) return;

    SeatState& s = t_.seats[seat];
    // A full hand has no place for a card: the turn ends as a draw that found no room.
    const int pos = s.lowestEmpty();
    const int card = pos != 0 ? getcard() : 0;
    if (pos != 0 && card == 0) {
        broadcast(wire::NoMoreCards{}.encode());
        startBreak(BreakKind::newRound, roundBreakSeconds);
        return;
    }
    if (card != 0) s.hand[pos] = card;
    if (!t_.movedThisTurn) ++t_.pot;

    const std::string hidden = wire::Ending{seat, 0, 0, t_.pot}.encode();
    const std::string shown = wire::Ending{seat, card != 0 ? pos : 0, card, t_.pot}.encode();
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
    broadcast(wire::EndRound{seat, t_.pot, winner.score}.encode());
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
    const std::optional<BotMove> move = outbox_.botLevel(seat) == BotLevel::strong
                                            ? strong_.next(t_, seat)
                                            : chooseBotMove(t_, seat);
    if (!move) {
        endturn(seat);
        return;
    }
    botActing_ = true;
    requestMove(seat, *move);
    botActing_ = false;
}

bool Engine::requestMove(int seat, const BotMove& move) {
    switch (move.kind) {
        case BotMove::handToTab:
            return handplay(wire::HandPlay{seat, move.from, move.to});
        case BotMove::tabToTab:
            return tabplay(wire::TabPlay{seat, move.from, move.to});
        case BotMove::handToFoundation:
            return handfound(wire::HandFound{seat, move.from, move.to});
        case BotMove::tabToFoundation:
            return tabfound(wire::TabFound{seat, move.from, move.to});
    }
    return false;
}

}  // namespace tess
