#include "strategy/turn_planner.h"

#include <cstdint>

#include "wire/cards.h"

namespace tess {

namespace {

using wire::handSize;

// A table during the search: which hand positions still hold their card, and the
// table's tops.
struct Board {
    std::uint32_t held = 0;  // bit p-1 for hand position p
    Layout table;
};

// Tables already searched, by a key packed from the board (cards fit in six bits).
class Seen {
public:
    explicit Seen(int capacity) {
        std::size_t size = 1;
        while (size < static_cast<std::size_t>(capacity) * 2 + 2)
            size <<= 1;
        keys_.assign(size, Key{});
    }
    // True when the board was new (and is now remembered).
    bool insert(const Board& b) {
        Key k{b.held | 1ull << 31, 0};
        for (int i = 0; i < 4; ++i) {
            k.a |= static_cast<std::uint64_t>(b.table.found[i]) << (32 + 6 * i);
            k.b |= static_cast<std::uint64_t>(b.table.first[i]) << (12 * i);
            k.b |= static_cast<std::uint64_t>(b.table.last[i]) << (12 * i + 6);
        }
        std::size_t i =
            static_cast<std::size_t>((k.a * 0x9E3779B97F4A7C15ull) ^ (k.b * 0xC2B2AE3D27D4EB4Full));
        const std::size_t mask = keys_.size() - 1;
        for (i &= mask; keys_[i].a != 0; i = (i + 1) & mask)
            if (keys_[i].a == k.a && keys_[i].b == k.b) return false;
        keys_[i] = k;
        return true;
    }

private:
    struct Key {
        std::uint64_t a = 0;  // never 0 once used: bit 31 is always set
        std::uint64_t b = 0;
    };
    std::vector<Key> keys_;
};

class Planner {
public:
    Planner(const PlayerView& view, const PlanLimits& limits, const OutlookWeights& weights)
        : view_(view), limits_(limits), outlook_(view, weights), seen_(limits.maxTables) {}

    std::vector<BotMove> run() {
        Board start;
        for (int pos = 1; pos <= handSize; ++pos)
            if (isCard(view_.hand[pos])) start.held |= 1u << (pos - 1);
        start.table = layoutOf(view_);
        visit(start);
        return best_;
    }

private:
    void visit(const Board& b) {
        if (visited_ >= limits_.maxTables || !seen_.insert(b)) return;
        ++visited_;
        judge(b);
        if (b.held == 0) return;
        forEachMove(b, [this, &b](const BotMove& m) {
            if (visited_ >= limits_.maxTables) return;
            path_.push_back(m);
            visit(apply(b, m));
            path_.pop_back();
        });
    }

    void judge(const Board& b) {
        int cards[handSize];
        int count = 0;
        for (int pos = 1; pos <= handSize; ++pos)
            if (b.held & 1u << (pos - 1)) cards[count++] = view_.hand[pos];
        const double worth = outlook_.value(cards, count, b.table);
        if (!found_ || worth > bestWorth_ || (worth == bestWorth_ && path_.size() < best_.size())) {
            found_ = true;
            bestWorth_ = worth;
            best_ = path_;
        }
    }

    Board apply(const Board& b, const BotMove& m) const {
        Board n = b;
        Layout& t = n.table;
        const int f = m.from - 1;
        const int d = m.to - 1;
        switch (m.kind) {
            case BotMove::handToTab:
                if (t.first[d] == 0) t.first[d] = view_.hand[m.from];
                t.last[d] = view_.hand[m.from];
                n.held &= ~(1u << f);
                break;
            case BotMove::tabToTab:
                t.last[d] = t.last[f];
                t.first[f] = t.last[f] = 0;
                break;
            case BotMove::handToFoundation:
                t.found[d] = view_.hand[m.from];
                n.held &= ~(1u << f);
                break;
            case BotMove::tabToFoundation:
                t.found[d] = t.last[f];
                t.first[f] = t.last[f] = 0;
                break;
        }
        return n;
    }

    // The moves worth trying from `b`, the likeliest good ones first. Two hand cards of
    // the same rank and colour are the same card to the rules, and empty spots are all
    // alike, so each is tried once.
    template <typename Try>
    void forEachMove(const Board& b, Try tryMove) const {
        const Layout& t = b.table;
        int emptyFoundation = 0, emptySpot = 0;
        for (int i = 4; i >= 1; --i) {
            if (t.found[i - 1] == 0) emptyFoundation = i;
            if (t.first[i - 1] == 0) emptySpot = i;
        }
        std::uint32_t tried = 0;  // card classes already tried from the hand
        for (int pos = 1; pos <= handSize; ++pos) {
            if (!(b.held & 1u << (pos - 1))) continue;
            const int card = view_.hand[pos];
            const std::uint32_t bit = 1u << cardClass(card);
            if (tried & bit) continue;
            tried |= bit;
            if (isKing(card)) {
                if (emptyFoundation) tryMove({BotMove::handToFoundation, pos, emptyFoundation});
                if (emptySpot) tryMove({BotMove::handToTab, pos, emptySpot});
                continue;
            }
            for (int s = 1; s <= 4; ++s)
                if (!isKing(t.last[s - 1]) && fitsOn(card, t.last[s - 1]))
                    tryMove({BotMove::handToTab, pos, s});
            for (int f = 1; f <= 4; ++f)
                if (!isAce(t.found[f - 1]) && fitsOn(card, t.found[f - 1]))
                    tryMove({BotMove::handToFoundation, pos, f});
        }
        for (int s = 1; s <= 4; ++s) {
            const int first = t.first[s - 1];
            if (first == 0) continue;
            if (isKing(first)) {
                if (emptyFoundation) tryMove({BotMove::tabToFoundation, s, emptyFoundation});
                continue;
            }
            for (int d = 1; d <= 4; ++d)
                if (d != s && !isKing(t.last[d - 1]) && fitsOn(first, t.last[d - 1]))
                    tryMove({BotMove::tabToTab, s, d});
            for (int f = 1; f <= 4; ++f)
                if (!isAce(t.found[f - 1]) && fitsOn(first, t.found[f - 1]))
                    tryMove({BotMove::tabToFoundation, s, f});
        }
        if (!emptySpot) return;
        tried = 0;
        for (int pos = 1; pos <= handSize; ++pos) {
            if (!(b.held & 1u << (pos - 1))) continue;
            const int card = view_.hand[pos];
            const std::uint32_t bit = 1u << cardClass(card);
            if (isKing(card) || (tried & bit)) continue;
            tried |= bit;
            tryMove({BotMove::handToTab, pos, emptySpot});
        }
    }

    const PlayerView& view_;
    const PlanLimits limits_;
    const Outlook outlook_;
    Seen seen_;
    int visited_ = 0;
    std::vector<BotMove> path_;
    std::vector<BotMove> best_;
    double bestWorth_ = 0.0;
    bool found_ = false;
};

}  // namespace

std::vector<BotMove> planTurn(const PlayerView& view, const PlanLimits& limits,
                              const OutlookWeights& weights) {
    if (view.seat < 1 || view.seat > wire::seatCount) return {};
    return Planner(view, limits, weights).run();
}

}  // namespace tess
