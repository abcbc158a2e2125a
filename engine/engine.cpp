// Starting a game, dealing, and the summaries sent to players who join late.
#include "engine/engine.h"

#include "net/wire/commands.h"
#include "net/wire/fields.h"
#include "net/wire/message.h"

namespace tess {

using wire::Message;

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

void Engine::startgame(std::string_view rest) {
    clock_.stop(Timer::breaks);
    clock_.stop(Timer::computer);
    clock_.stop(Timer::turn);
    t_.inBreak = false;
    t_.inProgress = true;

    wire::FieldReader fields(rest);
    const std::string_view name = fields.text();
    int playTo = 0;
    int perTurn = 0;
    t_.playToScore = wire::parseNumber(fields.text(), playTo) ? playTo : 5;
    t_.timePerTurn = wire::parseNumber(fields.text(), perTurn) ? perTurn : 90;
    // A field older copies never send; they and anything out of range mean two.
    int players = 0;
    const bool readable = wire::parseNumber(fields.text(), players);
    t_.tablePlayers = readable && players >= minTablePlayers && players <= maxTablePlayers
                          ? players
                          : minTablePlayers;
    broadcast(
        Message(cmd::startgame).add(name).add(t_.playToScore).add(t_.timePerTurn).endWithPlus());

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
            broadcast(Message(cmd::winner).add(seat).endWithPlus());
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
    std::string seatLine;
    for (int seat = 1; seat <= seatCount; ++seat) {
        SeatState& s = t_.seats[seat];
        s.clearHand();
        s.playing = playing[seat];
        if (s.playing) ++t_.pot;
        seatLine += "+" + std::to_string(seat) + (s.playing ? "+t" : "+f");
    }
    ++t_.round;
    broadcast(Message(cmd::roundstart).add(t_.round).add(t_.pot).raw(seatLine).end());
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
    Message found(cmd::foundcards);
    for (int spot = 1; spot <= spotCount; ++spot) {
        Pile& pile = t_.tabs[spot];
        pile.clear();
        pile.push(getcard());
        found.add(spot).add(pile.first());
    }
    broadcast(found.end());

    for (int seat = 1; seat <= seatCount; ++seat) {
        SeatState& s = t_.seats[seat];
        if (!s.playing) continue;
        Message cards(cmd::mycards);
        cards.add(seat);
        for (int pos = 1; pos <= 7; ++pos) {
            s.hand[pos] = getcard();
            cards.add(pos).add(s.hand[pos]);
        }
        if (outbox_.humanPresent(seat)) outbox_.send(seat, cards.end());
    }
}

std::string Engine::mycardsMessage(int seat) const {
    if (seat < 1 || seat > seatCount || !t_.seats[seat].playing) return {};
    Message cards(cmd::mycards);
    cards.add(seat);
    const SeatState& s = t_.seats[seat];
    for (int pos = 1; pos <= handSize; ++pos)
        if (s.hand[pos] != 0) cards.add(pos).add(s.hand[pos]);
    return cards.end();
}

std::string Engine::gamestatsMessage(int slot) const {
    Message stats(cmd::gamestats);
    stats.add(slot)
        .add(t_.playToScore)
        .add(t_.timePerTurn)
        .add(static_cast<long long>(t_.turnCountdown))
        .add(t_.pot)
        .add(t_.cardsTaken)
        .add(t_.currentSeat);
    for (int n = 1; n <= seatCount; ++n) {
        const SeatState& s = t_.seats[n];
        const Pile& tab = t_.tabs[n];
        stats.add("p").add(n).add(s.cardsHeld()).add(s.score).add(s.playing ? "t" : "f");
        stats.add("f").add(n).add(t_.foundations[n]).add(0).add("a");
        stats.add("t").add(n).add(tab.first()).add(tab.count > 1 ? tab.top() : 0).add("a");
    }
    return stats.end();
}

}  // namespace tess
