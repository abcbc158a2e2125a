// The four moves. Each request names the mover's seat and two numbers; a move is
// judged against the host's table only, and an accepted one is announced to everybody.
#include "engine/cards.h"
#include "engine/engine.h"
#include "net/wire/commands.h"
#include "net/wire/fields.h"
#include "net/wire/message.h"

namespace tess {

using wire::Message;

namespace {
bool inRange(int value, int low, int high) { return value >= low && value <= high; }
}  // namespace

// Only the seat whose turn is running may move; nobody moves on a finished table or
// during the pause after a draw or a round.
bool Engine::mayMove(int seat) const {
    return t_.inProgress && !t_.inBreak && inRange(seat, 1, seatCount) && seat == t_.currentSeat;
}

// The seat is read first: a request for a seat that may not move is ignored before its
// other fields are looked at.
std::optional<Engine::MoveRequest> Engine::readMove(std::string_view rest, int fromLimit) const {
    wire::FieldReader fields(rest);
    MoveRequest request{};
    request.seat = fields.number();
    if (!mayMove(request.seat)) return std::nullopt;
    request.from = fields.number();
    request.to = fields.number();
    if (!inRange(request.from, 1, fromLimit) || !inRange(request.to, 1, spotCount))
        return std::nullopt;
    return request;
}

bool Engine::refuse(std::string_view text, int seat) {
    outbox_.refusal(text, seat, botActing_);
    return false;
}

bool Engine::afterMove(int seat) {
    if (!outofcards(seat)) checkforcomputer(t_.currentSeat);
    return true;
}

bool Engine::handplay(std::string_view rest) {
    const auto request = readMove(rest, handSize);
    if (!request) return false;
    const auto [seat, pos, spot] = *request;

    int& card = t_.seats[seat].hand[pos];
    Pile& pile = t_.tabs[spot];
    const int top = pile.top();
    if (card == 0) return refuse("noplay", seat);
    if (top != 0 && getsuit(card) == getsuit(top)) return refuse("match", seat);
    if (isKing(top)) return refuse("move king first", seat);
    if (top != 0 && rank(top) != rank(card) + 1) return false;
    if (!pile.push(card)) return false;

    const int played = card;
    card = 0;
    t_.movedThisTurn = true;
    broadcast(Message(cmd::playhand)
                  .add(seat)
                  .add(spot)
                  .add(pile.count)
                  .add(played)
                  .add(pos)
                  .endWithPlus());
    return afterMove(seat);
}

bool Engine::tabplay(std::string_view rest) {
    const auto request = readMove(rest, spotCount);
    if (!request) return false;
    const auto [seat, from, to] = *request;

    Pile& source = t_.tabs[from];
    Pile& dest = t_.tabs[to];
    const int first = source.first();
    const int top = dest.top();
    if (first == 0) return refuse("noplay", seat);
    // A pile never goes onto itself; a lone king would otherwise be told to move first.
    if (from == to) return false;
    if (isKing(top)) return refuse("move king first", seat);
    if (top != 0 && getsuit(first) == getsuit(top)) return false;
    if (top != 0 && rank(top) != rank(first) + 1) return false;
    if (dest.count + source.count > pileCapacity) return false;

    for (int i = 1; i <= source.count; ++i)
        dest.push(source.cards[i]);
    source.clear();
    t_.movedThisTurn = true;
    broadcast(Message(cmd::playtab)
                  .add(seat)
                  .add(from)
                  .add(to)
                  .add(dest.first())
                  .add(dest.top())
                  .add(dest.count)
                  .endWithPlus());
    return afterMove(seat);
}

bool Engine::handfound(std::string_view rest) {
    const auto request = readMove(rest, handSize);
    if (!request) return false;
    const auto [seat, pos, found] = *request;

    int& card = t_.seats[seat].hand[pos];
    int& foundTop = t_.foundations[found];
    if (isAce(foundTop)) return refuse("Ace", seat);
    if (card == 0) return false;
    if (foundTop == 0 ? !isKing(card) : !fitsOn(card, foundTop)) return false;

    foundTop = card;
    card = 0;
    t_.movedThisTurn = true;
    broadcast(Message(cmd::foundcard).add(seat).add(found).add(foundTop).add(pos).endWithPlus());
    return afterMove(seat);
}

bool Engine::tabfound(std::string_view rest) {
    const auto request = readMove(rest, spotCount);
    if (!request) return false;
    const auto [seat, spot, found] = *request;

    Pile& pile = t_.tabs[spot];
    int& foundTop = t_.foundations[found];
    if (isAce(foundTop)) return refuse("Ace 1", seat);
    if (pile.count == 0) return refuse("no card on tab", seat);
    const int first = pile.first();
    if (foundTop == 0 ? !isKing(first) : !fitsOn(first, foundTop)) return false;

    // The clients ignore the fifth value: the king that started an empty foundation,
    // otherwise the spot's new count.
    const int fifth = foundTop == 0 ? first : 0;
    foundTop = pile.top();
    pile.clear();
    t_.movedThisTurn = true;
    broadcast(Message(cmd::foundtab)
                  .add(seat)
                  .add(found)
                  .add(foundTop)
                  .add(spot)
                  .add(fifth)
                  .endWithPlus());
    return afterMove(seat);
}

}  // namespace tess
