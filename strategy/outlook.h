// What the table a seat leaves when it draws is worth to that seat: few cards and no
// kings in its own hand, few cards nobody can ever take, and little for the players
// after it to play. The other hands are unknown, so their chances are estimated from
// the cards the seat has not seen and how many cards each of them holds. Leaving the
// next players little counts for about three cards of one's own: holding a card back
// that would open a run for them often pays, and the more so the closer they are to
// playing out their hands or to winning the game. (The weights come from self-play
// against the classic bot, see bench/bot_strength.cpp.)
#pragma once

#include <array>

#include "strategy/player_view.h"

namespace tess {

// The table part of a view, spots and foundations counted from 0.
struct Layout {
    std::array<int, 4> first{};
    std::array<int, 4> last{};
    std::array<int, 4> found{};
};

Layout layoutOf(const PlayerView& view);

// Rank and colour decide everything, so the 52 cards fall into 26 classes of two.
inline constexpr int classCount = 26;
int cardClass(int card);

struct OutlookWeights {
    double card = 1.0;       // each card still held
    double king = 3.0;       // on top of that, each king held (ten points to a winner)
    double deadCard = 0.6;   // a card whose both places to go are buried
    double emptySpot = 1.6;  // an empty or freeable tab spot left to the next player
    double threat = 3.0;     // each card an opponent is expected to play next
    double urgency = 3.0;    // how much more a nearly empty opponent hand weighs
    double leader = 8.0;     // how much more an opponent 50 points ahead weighs
    double later = 0.5;      // each further opponent weighs this much of the one before
};

class Outlook {
public:
    explicit Outlook(const PlayerView& view, const OutlookWeights& weights = {});

    // The worth of holding `held` (cards, `count` of them) with the table `table`, at
    // the moment of drawing. Higher is better.
    double value(const int* held, int count, const Layout& table) const;

private:
    struct Opponent {
        double weight;
        double urgency;
        std::array<double, 5> chance;  // of holding one of k unseen cards, k = 0..4
    };
    double threat(const Opponent& o, const Layout& table) const;
    double chain(const Opponent& o, int top) const;

    OutlookWeights w_;
    std::array<int, classCount> unseen_{};
    std::array<Opponent, 3> opponents_{};
    int opponentCount_ = 0;
};

}  // namespace tess
