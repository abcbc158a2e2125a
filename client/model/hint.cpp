#include "client/model/hint.h"

#include "client/model/table_model.h"
#include "strategy/turn_planner.h"
#include "wire/fields.h"

namespace tess {

namespace {

// The hand place (1 = leftmost) showing the host's hand position.
int placeOf(const HandModel& hand, int position) {
    const auto& cards = hand.cards();
    for (std::size_t i = 0; i < cards.size(); ++i)
        if (cards[i].position == position) return static_cast<int>(i) + 1;
    return 0;
}

}  // namespace

PlayerView playerView(const TableModel& model) {
    PlayerView v;
    v.seat = model.mySlot();
    for (const HandCard& card : model.hand().cards())
        if (card.position >= 1 && card.position <= wire::handSize)
            v.hand[card.position] = card.card;
    for (int spot = 1; spot <= wire::spotCount; ++spot) {
        const TabSpotView& tab = model.tab(spot);
        v.tabFirst[spot] = tab.first;
        v.tabLast[spot] = tab.top != 0 ? tab.top : tab.first;
        v.foundations[spot] = model.foundation(spot);
    }
    for (int seat = 1; seat <= wire::seatCount; ++seat) {
        const SeatView& s = model.seat(seat);
        v.playing[seat] = !s.notPlaying;
        v.cardsHeld[seat] = seat == v.seat ? model.hand().size() : s.fanCount;
        int score = 0;
        v.scores[seat] = wire::parseNumber(s.score, score) ? score : 0;
    }
    return v;
}

std::optional<Hint> findHint(const TableModel& model) {
    const int seat = model.mySlot();
    if (seat < 1 || seat > wire::seatCount || model.justWatchChecked() ||
        model.turnseat() != seat || !model.input().canact())
        return std::nullopt;
    const PlayerView view = playerView(model);
    const std::vector<BotMove> plan = planTurn(view);
    if (plan.empty()) return Hint{{BoardItem::Kind::pile, 0}, std::nullopt};

    using Kind = BoardItem::Kind;
    const BotMove& m = plan.front();
    const bool fromHand = m.kind == BotMove::handToTab || m.kind == BotMove::handToFoundation;
    const bool toTab = m.kind == BotMove::handToTab || m.kind == BotMove::tabToTab;
    const BoardItem from = fromHand ? BoardItem{Kind::hand, placeOf(model.hand(), m.from)}
                                    : BoardItem{Kind::tab, m.from};
    return Hint{from, BoardItem{toTab ? Kind::tab : Kind::foundation, m.to}};
}

}  // namespace tess
