// Starting a game, dealing, and the summaries sent to players who join late.
#include "engine/engine.h"

namespace tess {

Engine::Engine(Outbox& outbox, Clock& clock, Random& random)
    : outbox_(outbox), clock_(clock), random_(random) {
    clock_.setHandler([this](Timer timer) { timerFired(timer); });
}

void Engine::broadcast(const std::string& text) {
    for (int slot : outbox_.slotsInUse())
        outbox_.send(slot, text);
}

int Engine::getcard() {
    ++t_.cardsTaken;
    if (t_.cardsTaken > deckSize) return 0;
    const int card = t_.deck[t_.cardsTaken];
    t_.deck[t_.cardsTaken] = 0;
    return card;
}

void Engine::startgame(const wire::StartGame& request) {
    clock_.stop(Timer::breaks);
    clock_.stop(Timer::computer);
    clock_.stop(Timer::turn);
    t_.inBreak = false;
    t_.inProgress = true;

    t_.playToScore = request.playToScore;
    t_.timePerTurn = request.timePerTurn;
    t_.tablePlayers = request.tablePlayers;
    broadcast(wire::StartGame{request.name, t_.playToScore, t_.timePerTurn}.encode());

    for (int seat = 1; seat <= seatCount; ++seat) {
        t_.seats[seat].score = 0;
        t_.seats[seat].justWatching = false;
    }
    t_.pot = 0;
    t_.currentSeat = 0;
    t_.round = 0;
    startround();
}

void Engine::startround() {
    clock_.stop(Timer::turn);
    t_.inBreak = false;

    for (int seat = 1; seat <= seatCount; ++seat) {
        const SeatState& s = t_.seats[seat];
        if (s.playing && s.score >= t_.playToScore) {
            broadcast(wire::Winner{seat}.encode());
            t_.inProgress = false;
            return;
        }
    }

    sendRoundStart();
    for (int spot = 1; spot <= spotCount; ++spot) {
        t_.tabs[spot].clear();
        t_.foundations[spot] = 0;
    }
    shufflecards();
    findplayer();
}

std::array<bool, seatCount + 1> Engine::seatsToPlay() const {
    std::array<bool, seatCount + 1> playing{};
    int count = 0;
    for (int seat = 1; seat <= seatCount; ++seat) {
        playing[seat] = outbox_.humanPresent(seat) || seat == 2;
        if (playing[seat]) ++count;
    }
    for (int seat = 3; seat <= seatCount && count < t_.tablePlayers; ++seat) {
        if (playing[seat]) continue;
        playing[seat] = true;
        ++count;
    }
    return playing;
}

void Engine::sendRoundStart() {
    const std::array<bool, seatCount + 1> playing = seatsToPlay();
    wire::RoundStart start;
    for (int seat = 1; seat <= seatCount; ++seat) {
        SeatState& s = t_.seats[seat];
        s.clearHand();
        s.playing = playing[seat];
        if (s.playing) ++t_.pot;
        start.seats.push_back({seat, s.playing});
    }
    start.round = ++t_.round;
    start.pot = t_.pot;
    broadcast(start.encode());
}

void Engine::shufflecards() {
    t_.deck.fill(0);
    for (int card = 1; card <= deckSize; ++card) {
        int pos = random_.uniform(deckSize);
        while (t_.deck[pos] != 0)
            pos = random_.uniform(deckSize);
        t_.deck[pos] = card;
    }
    t_.cardsTaken = 0;
    dealcards();
}

void Engine::dealcards() {
    wire::FoundCards found;
    for (int spot = 1; spot <= spotCount; ++spot) {
        Pile& pile = t_.tabs[spot];
        pile.clear();
        pile.push(getcard());
        found.spots.push_back({spot, pile.first()});
    }
    broadcast(found.encode());

    for (int seat = 1; seat <= seatCount; ++seat) {
        SeatState& s = t_.seats[seat];
        if (!s.playing) continue;
        wire::MyCards cards{seat, {}};
        for (int pos = 1; pos <= wire::dealSize; ++pos) {
            s.hand[pos] = getcard();
            cards.cards.push_back({pos, s.hand[pos]});
        }
        if (outbox_.humanPresent(seat)) outbox_.send(seat, cards.encode());
    }
}

std::string Engine::mycardsMessage(int seat) const {
    if (seat < 1 || seat > seatCount || !t_.seats[seat].playing) return {};
    wire::MyCards cards{seat, {}};
    const SeatState& s = t_.seats[seat];
    for (int pos = 1; pos <= handSize; ++pos)
        if (s.hand[pos] != 0) cards.cards.push_back({pos, s.hand[pos]});
    return cards.encode();
}

std::string Engine::gamestatsMessage(int slot) const {
    wire::GameStats stats{slot,   t_.playToScore, t_.timePerTurn, t_.turnCountdown,
                          t_.pot, t_.cardsTaken,  t_.currentSeat, {}};
    for (int n = 1; n <= seatCount; ++n) {
        const SeatState& s = t_.seats[n];
        const Pile& tab = t_.tabs[n];
        stats.entries.push_back({'p', n, s.cardsHeld(), s.score, s.playing ? "t" : "f"});
        stats.entries.push_back({'f', n, t_.foundations[n], 0, "a"});
        stats.entries.push_back({'t', n, tab.first(), tab.count > 1 ? tab.top() : 0, "a"});
    }
    return stats.encode();
}

}  // namespace tess
