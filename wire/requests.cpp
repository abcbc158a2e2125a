#include "wire/requests.h"

#include "wire/fields.h"
#include "wire/message.h"

namespace tess::wire {

std::string LoginInfo::encode() const {
    return Message(word).add(slot).add(version).add(name).end() + terminator;
}

LoginInfo LoginInfo::decode(std::string_view rest) {
    FieldReader f(rest);
    LoginInfo m;
    m.slot = f.number();
    m.version = f.text();
    m.name = f.remainder();
    return m;
}

namespace {
template <class M>
M slotAndText(std::string_view rest) {
    FieldReader f(rest);
    M m;
    m.slot = f.number();
    m.text = f.remainder();
    return m;
}
}  // namespace

std::string Chat::encode() const { return Message(word).add(slot).add(text).end(); }
Chat Chat::decode(std::string_view rest) { return slotAndText<Chat>(rest); }

std::string Action::encode() const { return Message(word).add(slot).add(text).end(); }
Action Action::decode(std::string_view rest) { return slotAndText<Action>(rest); }

std::string PlayASound::encode() const { return Message(word).add(slot).add(sound).endWithPlus(); }

PlayASound PlayASound::decode(std::string_view rest) {
    FieldReader f(rest);
    PlayASound m;
    m.slot = f.number();
    m.sound = f.text();
    return m;
}

std::string KickHim::encode() const { return Message(word).add(slot).add(target).endWithPlus(); }

KickHim KickHim::decode(std::string_view rest) {
    FieldReader f(rest);
    KickHim m;
    m.slot = f.number();
    m.target = f.number();
    return m;
}

std::string JustWatch::encode() const { return Message(word).add(seat).add(mode).end(); }

JustWatch JustWatch::decode(std::string_view rest) {
    FieldReader f(rest);
    JustWatch m;
    m.seat = f.number();
    const std::string_view mode = f.text();
    m.mode = mode == "1" ? 1 : mode == "2" ? 2 : 0;
    return m;
}

std::string StartGame::encode() const {
    Message m(word);
    m.add(name).add(playToScore).add(timePerTurn);
    if (tablePlayers != minTablePlayers) m.add(tablePlayers);
    return m.endWithPlus();
}

StartGame StartGame::decode(std::string_view rest, bool strict) {
    FieldReader f(rest);
    StartGame m;
    m.name = f.text();
    const auto read = [&f, strict](int& value, int fallback) {
        if (strict)
            value = f.number();
        else if (!parseNumber(f.text(), value))
            value = fallback;
    };
    read(m.playToScore, defaultPlayToScore);
    read(m.timePerTurn, defaultTimePerTurn);
    int players = 0;
    if (parseNumber(f.text(), players) && players >= minTablePlayers && players <= maxTablePlayers)
        m.tablePlayers = players;
    return m;
}

namespace {
// The moves share one shape: seat, a place to take from, a place to put on.
struct Move {
    int seat, from, to;
};

Move readMove(std::string_view rest) {
    FieldReader f(rest);
    Move m{};
    m.seat = f.number();
    m.from = f.number();
    m.to = f.number();
    return m;
}

std::string writeMove(std::string_view word, int seat, int from, int to) {
    return Message(word).add(seat).add(from).add(to).endWithPlus();
}
}  // namespace

std::string HandPlay::encode() const { return writeMove(word, seat, position, spot); }
HandPlay HandPlay::decode(std::string_view rest) {
    const Move m = readMove(rest);
    return {m.seat, m.from, m.to};
}

std::string TabPlay::encode() const { return writeMove(word, seat, from, to); }
TabPlay TabPlay::decode(std::string_view rest) {
    const Move m = readMove(rest);
    return {m.seat, m.from, m.to};
}

std::string HandFound::encode() const { return writeMove(word, seat, position, foundation); }
HandFound HandFound::decode(std::string_view rest) {
    const Move m = readMove(rest);
    return {m.seat, m.from, m.to};
}

std::string TabFound::encode() const { return writeMove(word, seat, spot, foundation); }
TabFound TabFound::decode(std::string_view rest) {
    const Move m = readMove(rest);
    return {m.seat, m.from, m.to};
}

std::string EndTurn::encode() const { return Message(word).add(seat).endWithPlus(); }
EndTurn EndTurn::decode(std::string_view rest) { return {FieldReader(rest).number()}; }

}  // namespace tess::wire
