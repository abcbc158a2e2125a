#include "wire/announcements.h"

#include "wire/fields.h"
#include "wire/message.h"

namespace tess::wire {

namespace {
// A message of numbers only, each read in turn.
template <class... Ints>
void readNumbers(std::string_view rest, Ints&... values) {
    FieldReader f(rest);
    ((values = f.number()), ...);
}

template <class... Ints>
std::string writeNumbers(std::string_view word, Ints... values) {
    Message m(word);
    (m.add(values), ...);
    return m.endWithPlus();
}

template <class M>
M slotAndName(std::string_view rest) {
    FieldReader f(rest);
    M m;
    m.slot = f.number();
    m.name = f.text();
    return m;
}

void writePlaced(Message& m, const std::vector<PlacedCard>& cards) {
    for (const PlacedCard& c : cards)
        m.add(c.place).add(c.card);
}

std::vector<PlacedCard> readPlaced(FieldReader& f) {
    std::vector<PlacedCard> cards;
    while (!f.remainder().empty()) {
        PlacedCard c;
        c.place = f.number();
        c.card = f.number();
        cards.push_back(c);
    }
    return cards;
}
}  // namespace

std::string SendLoginInfo::encode() const { return Message(word).add(slot).end(); }
SendLoginInfo SendLoginInfo::decode(std::string_view rest) { return {FieldReader(rest).number()}; }

std::string Full::encode() const { return Message(word).endWithPlus(); }

std::string NewPlayerInfo::encode() const {
    return Message(word).add(slot).add(name).add("0").end();
}
NewPlayerInfo NewPlayerInfo::decode(std::string_view rest) {
    return slotAndName<NewPlayerInfo>(rest);
}

std::string ExistingPlayers::encode() const {
    Message m(word);
    for (const Player& p : players)
        m.add(p.slot).add(p.name).add(p.watching ? "1" : "0");
    return m.end();
}

ExistingPlayers ExistingPlayers::decode(std::string_view rest) {
    ExistingPlayers m;
    FieldReader f(rest);
    while (!f.remainder().empty()) {
        Player p;
        if (!parseNumber(f.text(), p.slot)) break;
        p.name = f.text();
        p.watching = f.text() == "1";
        m.players.push_back(std::move(p));
    }
    return m;
}

std::string HaveWrongVersion::encode() const { return Message(word).add(name).end(); }
HaveWrongVersion HaveWrongVersion::decode(std::string_view rest) {
    return {std::string(FieldReader(rest).text())};
}

std::string WrongVersion::encode() const { return Message(word).endWithPlus(); }

std::string PlayerDisconnected::encode() const { return Message(word).add(slot).add(name).end(); }
PlayerDisconnected PlayerDisconnected::decode(std::string_view rest) {
    return slotAndName<PlayerDisconnected>(rest);
}

std::string JustWatching::encode() const {
    return Message(word).add(seat).add(watching ? "1" : "2").end();
}

JustWatching JustWatching::decode(std::string_view rest) {
    FieldReader f(rest);
    JustWatching m;
    m.seat = f.number();
    m.watching = f.text() == "1";
    return m;
}

std::string RoundStart::encode() const {
    Message m(word);
    m.add(round).add(pot);
    for (const Seat& s : seats)
        m.add(s.seat).add(s.playing ? "t" : "f");
    return m.end();
}

RoundStart RoundStart::decode(std::string_view rest) {
    FieldReader f(rest);
    RoundStart m;
    m.round = f.number();
    m.pot = f.number();
    while (!f.remainder().empty()) {
        Seat s;
        s.seat = f.number();
        const std::string_view flag = f.text();
        if (flag != "t" && flag != "f") throw FieldError(flag);
        s.playing = flag == "t";
        m.seats.push_back(s);
    }
    return m;
}

std::string FoundCards::encode() const {
    Message m(word);
    writePlaced(m, spots);
    return m.end();
}

FoundCards FoundCards::decode(std::string_view rest) {
    FieldReader f(rest);
    return {readPlaced(f)};
}

std::string MyCards::encode() const {
    Message m(word);
    m.add(seat);
    writePlaced(m, cards);
    return m.end();
}

MyCards MyCards::decode(std::string_view rest) {
    FieldReader f(rest);
    MyCards m;
    m.seat = f.number();
    m.cards = readPlaced(f);
    return m;
}

std::string NextPlayer::encode() const { return writeNumbers(word, seat); }
NextPlayer NextPlayer::decode(std::string_view rest) {
    NextPlayer m;
    readNumbers(rest, m.seat);
    return m;
}

std::string PlayHand::encode() const {
    return writeNumbers(word, seat, spot, count, card, position);
}
PlayHand PlayHand::decode(std::string_view rest) {
    PlayHand m;
    readNumbers(rest, m.seat, m.spot, m.count, m.card, m.position);
    return m;
}

std::string PlayTab::encode() const {
    return writeNumbers(word, seat, from, to, first, top, count);
}
PlayTab PlayTab::decode(std::string_view rest) {
    PlayTab m;
    readNumbers(rest, m.seat, m.from, m.to, m.first, m.top, m.count);
    return m;
}

std::string FoundCard::encode() const {
    return writeNumbers(word, seat, foundation, card, position);
}
FoundCard FoundCard::decode(std::string_view rest) {
    FoundCard m;
    readNumbers(rest, m.seat, m.foundation, m.card, m.position);
    return m;
}

std::string FoundTab::encode() const {
    return writeNumbers(word, seat, foundation, card, spot, fifth);
}
FoundTab FoundTab::decode(std::string_view rest) {
    FoundTab m;
    readNumbers(rest, m.seat, m.foundation, m.card, m.spot, m.fifth);
    return m;
}

std::string Ending::encode() const { return writeNumbers(word, seat, position, card, pot); }
Ending Ending::decode(std::string_view rest) {
    Ending m;
    readNumbers(rest, m.seat, m.position, m.card, m.pot);
    return m;
}

std::string NoMoreCards::encode() const { return Message(word).endWithPlus(); }

std::string EndRound::encode() const { return writeNumbers(word, seat, pot, score); }
EndRound EndRound::decode(std::string_view rest) {
    EndRound m;
    readNumbers(rest, m.seat, m.pot, m.score);
    return m;
}

std::string Winner::encode() const { return writeNumbers(word, seat); }
Winner Winner::decode(std::string_view rest) {
    Winner m;
    readNumbers(rest, m.seat);
    return m;
}

std::string GameStats::encode() const {
    Message m(word);
    m.add(slot)
        .add(playToScore)
        .add(timePerTurn)
        .add(secondsLeft)
        .add(pot)
        .add(cardsTaken)
        .add(turnSeat);
    for (const Entry& e : entries)
        m.add(std::string_view(&e.kind, 1)).add(e.n).add(e.a).add(e.b).add(e.last);
    return m.end();
}

GameStats GameStats::decode(std::string_view rest) {
    FieldReader f(rest);
    GameStats m;
    m.slot = f.number();
    m.playToScore = f.number();
    m.timePerTurn = f.number();
    m.secondsLeft = f.number();
    m.pot = f.number();
    m.cardsTaken = f.number();
    m.turnSeat = f.number();
    while (!f.remainder().empty()) {
        Entry e;
        const std::string_view kind = f.text();
        if (kind.size() != 1) throw FieldError(kind);
        e.kind = kind[0];
        e.n = f.number();
        e.a = f.number();
        e.b = f.number();
        e.last = f.text();
        m.entries.push_back(std::move(e));
    }
    return m;
}

}  // namespace tess::wire
