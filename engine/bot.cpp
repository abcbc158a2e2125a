#include "engine/bot.h"

#include <algorithm>

#include "wire/cards.h"

namespace tess {

namespace {

using Move = std::optional<BotMove>;
using Hand = std::array<int, handSize + 1>;

int firstEmptyFoundation(const TableState& t) {
    for (int f = 1; f <= spotCount; ++f)
        if (t.foundations[f] == 0) return f;
    return 0;
}

Move checkKings(const TableState& t, const Hand& hand) {
    const int found = firstEmptyFoundation(t);
    if (found == 0) return {};
    for (int pos = 1; pos <= handSize; ++pos)
        if (isKing(hand[pos])) return BotMove{BotMove::handToFoundation, pos, found};
    for (int spot = 1; spot <= spotCount; ++spot)
        if (isKing(t.tabs[spot].first())) return BotMove{BotMove::tabToFoundation, spot, found};
    return {};
}

Move checkPlay(const TableState& t, const Hand& hand) {
    for (int pos = 1; pos <= handSize; ++pos) {
        if (hand[pos] == 0) continue;
        for (int spot = 1; spot <= spotCount; ++spot)
            if (fitsOn(hand[pos], t.tabs[spot].top()))
                return BotMove{BotMove::handToTab, pos, spot};
    }
    return {};
}

// With an empty tab spot, start it with the higher card of the first pair of
// neighbouring ranks in the hand (colours aside), or else with the highest card.
Move checkEmpty(const TableState& t, const Hand& hand) {
    int emptySpot = 0;
    for (int spot = spotCount; spot >= 1; --spot)
        if (t.tabs[spot].count == 0) emptySpot = spot;
    if (emptySpot == 0) return {};

    std::array<int, handSize> order{};
    for (int i = 0; i < handSize; ++i)
        order[i] = i + 1;
    const auto rankAt = [&hand](int pos) { return hand[pos] == 0 ? 0 : rank(hand[pos]); };
    std::stable_sort(order.begin(), order.end(),
                     [&](int a, int b) { return rankAt(a) > rankAt(b); });
    if (rankAt(order[0]) == 0) return {};

    for (int i = 0; i + 1 < handSize; ++i)
        if (rankAt(order[i]) == rankAt(order[i + 1]) + 1)
            return BotMove{BotMove::handToTab, order[i], emptySpot};
    return BotMove{BotMove::handToTab, order[0], emptySpot};
}

Move checkMove(const TableState& t) {
    for (int from = 1; from <= spotCount; ++from) {
        const int first = t.tabs[from].first();
        if (first == 0) continue;
        for (int to = 1; to <= spotCount; ++to)
            if (fitsOn(first, t.tabs[to].top())) return BotMove{BotMove::tabToTab, from, to};
    }
    return {};
}

Move checkFoundHand(const TableState& t, const Hand& hand) {
    for (int pos = 1; pos <= handSize; ++pos) {
        if (hand[pos] == 0) continue;
        for (int f = 1; f <= spotCount; ++f)
            if (fitsOn(hand[pos], t.foundations[f]))
                return BotMove{BotMove::handToFoundation, pos, f};
    }
    return {};
}

Move checkFoundTab(const TableState& t) {
    for (int spot = 1; spot <= spotCount; ++spot)
        for (int f = 1; f <= spotCount; ++f)
            if (fitsOn(t.tabs[spot].first(), t.foundations[f]))
                return BotMove{BotMove::tabToFoundation, spot, f};
    return {};
}

}  // namespace

std::optional<BotMove> chooseBotMove(const TableState& t, int seat) {
    if (seat < 1 || seat > seatCount) return {};
    const Hand& hand = t.seats[seat].hand;
    if (auto m = checkKings(t, hand)) return m;
    if (auto m = checkPlay(t, hand)) return m;
    if (auto m = checkEmpty(t, hand)) return m;
    if (auto m = checkMove(t)) return m;
    if (auto m = checkFoundHand(t, hand)) return m;
    return checkFoundTab(t);
}

}  // namespace tess
