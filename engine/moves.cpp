// The four moves. Each request names the mover's seat and two numbers; a move is
// judged against the host's table only, and an accepted one is announced to everybody.
#include "engine/engine.h"
#include "wire/cards.h"
#include "wire/fields.h"

namespace tess {

namespace {
bool inRange(int value, int low, int high) { return value >= low && value <= high; }
}  // namespace

// Only the seat whose turn is running may move; nobody moves on a finished table or
// during the pause after a draw or a round.
bool Engine::mayMove(int seat) const {
    return t_.inProgress && !t_.inBreak && inRange(seat, 1, seatCount) && seat == t_.currentSeat;
}

bool Engine::seatMayMove(std::string_view rest) const {
    return mayMove(wire::FieldReader(rest).number());
}

bool Engine::validMove(int seat, int from, int fromLimit, int to) const {
    return mayMove(seat) && inRange(from, 1, fromLimit) && inRange(to, 1, spotCount);
}

bool Engine::refuse(std::string_view text, int seat) {
    outbox_.refusal(text, seat, botActing_);
    return false;
}

bool Engine::afterMove(int seat) {
    if (!outofcards(seat)) checkforcomputer(t_.currentSeat);
    return true;
}

bool Engine::handplay(const wire::HandPlay& request) {
    const auto [seat, pos, spot] = request;
    if (!validMove(seat, pos, handSize, spot)) return false;

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
    broadcast(wire::PlayHand{seat, spot, pile.count, played, pos}.encode());
    return afterMove(seat);
}

bool Engine::tabplay(const wire::TabPlay& request) {
    const auto [seat, from, to] = request;
    if (!validMove(seat, from, spotCount, to)) return false;

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
    broadcast(wire::PlayTab{seat, from, to, dest.first(), dest.top(), dest.count}.encode());
    return afterMove(seat);
}

bool Engine::handfound(const wire::HandFound& request) {
    const auto [seat, pos, found] = request;
    if (!validMove(seat, pos, handSize, found)) return false;

    int& card = t_.seats[seat].hand[pos];
    int& foundTop = t_.foundations[found];
    if (isAce(foundTop)) return refuse("Ace", seat);
    if (card == 0) return false;
    if (foundTop == 0 ? !isKing(card) : !fitsOn(card, foundTop)) return false;

    foundTop = card;
    card = 0;
    t_.movedThisTurn = true;
    broadcast(wire::FoundCard{seat, found, foundTop, pos}.encode());
    return afterMove(seat);
}

bool Engine::tabfound(const wire::TabFound& request) {
    const auto [seat, spot, found] = request;
    if (!validMove(seat, spot, spotCount, found)) return false;

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
    broadcast(wire::FoundTab{seat, found, foundTop, spot, fifth}.encode());
    return afterMove(seat);
}

}  // namespace tess
