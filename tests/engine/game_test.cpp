// Whole games in virtual time: seat 1 is a client sending request lines (some of them
// wrong on purpose), seat 2 is the bot, and the table is checked after every message.
#include <map>
#include <random>
#include <string>
#include <utility>

#include "engine/bot.h"
#include "tests/engine/harness.h"
#include "wire/cards.h"

namespace tess::testing {
namespace {

class WholeGame : public EngineTest, public ::testing::WithParamInterface<unsigned> {
protected:
    void checkTable() {
        const TableState& t = table();
        std::map<int, int> seen;
        for (int pos = 1; pos <= deckSize; ++pos)
            if (t.deck[pos] != 0) ++seen[t.deck[pos]];
        for (int seat = 1; seat <= seatCount; ++seat)
            for (int pos = 1; pos <= handSize; ++pos)
                if (t.seats[seat].hand[pos] != 0) ++seen[t.seats[seat].hand[pos]];
        for (int spot = 1; spot <= spotCount; ++spot) {
            const Pile& pile = t.tabs[spot];
            for (int i = 1; i <= pile.count; ++i)
                ++seen[pile.cards[i]];
            for (int i = 2; i <= pile.count; ++i)
                ASSERT_TRUE(fitsOn(pile.cards[i], pile.cards[i - 1])) << "spot " << spot;
            if (pile.count > 1) {
                ASSERT_FALSE(isKing(pile.first())) << "king under a run";
            }
            if (t.foundations[spot] != 0) ++seen[t.foundations[spot]];
        }
        for (auto [card, times] : seen) {
            ASSERT_TRUE(isCard(card));
            ASSERT_EQ(times, 1) << "card " << card << " lies in two places";
        }
    }

    // Follows the announcements and checks the pot and score arithmetic.
    void onAnnouncement(const std::string& raw) {
        checkTable();
        const std::string text = raw.substr(0, raw.size() - 1);
        const wire::CommandLine line = wire::splitCommand(text);
        wire::FieldReader f(line.rest);
        if (line.word == cmd::roundstart) {
            f.number();
            const int pot = f.number();
            int playing = 0;
            for (int seat = 1; seat <= seatCount; ++seat) {
                f.number();
                playing += f.text() == "t" ? 1 : 0;
            }
            EXPECT_EQ(pot, pot_ + playing);
            pot_ = pot;
            ++rounds_;
        } else if (line.word == cmd::nextplayer) {
            moved_ = false;
        } else if (line.word == cmd::playhand || line.word == cmd::playtab ||
                   line.word == cmd::foundcard || line.word == cmd::foundtab) {
            moved_ = true;
        } else if (line.word == cmd::ending) {
            ++turnsEnded_[f.number()];
            f.number(), f.number();
            const int pot = f.number();
            EXPECT_EQ(pot, pot_ + (moved_ ? 0 : 1));
            pot_ = pot;
        } else if (line.word == cmd::endround) {
            const int seat = f.number();
            const int won = f.number();
            const int score = f.number();
            int left = 0;
            for (int other = 1; other <= seatCount; ++other)
                for (int card : table().seats[other].hand)
                    if (other != seat && table().seats[other].playing && card != 0)
                        left += isKing(card) ? 10 : 1;
            EXPECT_EQ(won, pot_ + left);
            EXPECT_EQ(score, scores_[seat] + won);
            scores_[seat] = score;
            pot_ = 0;
        } else if (line.word == cmd::winner) {
            winner_ = f.number();
        }
    }

    // Seat 1's player: now and then a request that makes no sense, then the bot's own
    // idea of a good move, then a draw.
    void playSeatOne(std::mt19937& rng) {
        if (!table().inProgress || table().inBreak || table().currentSeat != 1) return;
        static const char* words[] = {"CMD_handplay", "CMD_tabplay", "CMD_handfound",
                                      "CMD_tabfound"};
        if (rng() % 4 == 0) {
            const std::string line = std::string(words[rng() % 4]) + "+1+" +
                                     std::to_string(rng() % 27) + "+" + std::to_string(rng() % 6) +
                                     "+";
            dispatch(engine, line);
            return;
        }
        const std::optional<BotMove> move = chooseBotMove(table(), 1);
        if (!move || rng() % 10 == 0) {
            dispatch(engine, "CMD_endturn+1+");
            return;
        }
        const std::string args =
            "+1+" + std::to_string(move->from) + "+" + std::to_string(move->to) + "+";
        dispatch(engine, std::string(words[move->kind]) + args);
    }

    // Runs the clock with seat 1 played by playSeatOne until a game to 150 has a winner.
    // A game takes a few hundred turns; four virtual days is far more than enough.
    void playToTheWinner(std::mt19937& rng) {
        for (int step = 0; step < 1'500'000 && winner_ == 0 && !HasFatalFailure(); ++step) {
            clock.advance(250);
            playSeatOne(rng);
        }
        EXPECT_NE(winner_, 0);
        EXPECT_GE(scores_[winner_], 150);
        EXPECT_FALSE(table().inProgress);
        EXPECT_GT(rounds_, 1);
    }

    // How the game ended: the winner, every seat's score and the rounds played.
    std::string outcome() const {
        std::string text = "winner " + std::to_string(winner_) + ", scores";
        for (int seat = 1; seat <= seatCount; ++seat)
            text += " " + std::to_string(scores_[seat]);
        return text + ", rounds " + std::to_string(rounds_);
    }

    // A seeded game ends the same way on every system, compiler and standard library: the
    // deal, the bot and seat 1's player draw only on the seeded generators, through the
    // engine's own mapping to a range.
    void expectSeededEnd(const std::string& game) {
        static const std::map<std::pair<std::string, unsigned>, std::string> ends = {
            {{"seat 3 watching", 1}, "winner 2, scores 0 174 0 0, rounds 8"},
            {{"seat 3 watching", 2}, "winner 2, scores 66 154 110 0, rounds 19"},
            {{"seat 3 watching", 3}, "winner 2, scores 71 163 114 0, rounds 20"},
            {{"seat 3 watching", 42}, "winner 2, scores 59 167 83 0, rounds 18"},
            {{"seat 3 watching", 2026}, "winner 2, scores 96 154 143 0, rounds 25"},
            {{"seat 3 watching", 777}, "winner 3, scores 106 131 159 0, rounds 25"},
            {{"three bots", 1}, "winner 3, scores 0 121 155 62, rounds 15"},
            {{"three bots", 2}, "winner 2, scores 89 169 20 14, rounds 13"},
            {{"three bots", 3}, "winner 2, scores 82 160 83 121, rounds 21"},
            {{"three bots", 42}, "winner 4, scores 91 110 69 169, rounds 19"},
            {{"three bots", 2026}, "winner 2, scores 0 162 90 73, rounds 17"},
            {{"three bots", 777}, "winner 3, scores 85 118 168 111, rounds 25"},
        };
        const auto it = ends.find({game, GetParam()});
        ASSERT_NE(it, ends.end()) << game << " " << GetParam() << ": " << outcome();
        EXPECT_EQ(outcome(), it->second);
    }

    int pot_ = 0;
    bool moved_ = false;
    int rounds_ = 0;
    int winner_ = 0;
    std::array<int, seatCount + 1> scores_{};
    std::array<int, seatCount + 1> turnsEnded_{};
};

TEST_P(WholeGame, PlaysToAWinnerWithTheTableAlwaysSound) {
    std::mt19937 rng(GetParam());
    random.reseed(GetParam());
    // Seat 3's player watches: the bot plays seats 2 and 3.
    out.slots = {1, 3, 5};
    out.humans = {1, 3};
    out.botSpeed = 500;
    out.onSend = [&](int slot, const std::string& text) {
        if (slot == 1) onAnnouncement(text);
    };

    engine.startgame("You+150+60+");
    engine.setJustWatching(3, true);
    playToTheWinner(rng);
    expectSeededEnd("seat 3 watching");
}

TEST_P(WholeGame, FourSeatsWithThreeBots) {
    std::mt19937 rng(GetParam());
    random.reseed(GetParam());
    out.slots = {1, 6};
    out.humans = {1};
    out.botSpeed = 500;
    out.onSend = [&](int slot, const std::string& text) {
        if (slot == 1) onAnnouncement(text);
    };

    engine.startgame("You+150+60+4+");
    EXPECT_EQ(out.withWord("CMD_roundstart").front().text, "CMD_roundstart+1+4+1+t+2+t+3+t+4+t|");
    playToTheWinner(rng);
    expectSeededEnd("three bots");
    // Every round had all four seats playing, and every bot took its turns.
    for (const Sent& s : out.withWord("CMD_roundstart"))
        EXPECT_TRUE(s.text.ends_with("+1+t+2+t+3+t+4+t|")) << s.text;
    for (int seat = 1; seat <= seatCount; ++seat)
        EXPECT_GT(turnsEnded_[seat], 0) << seat;
}

TEST_P(WholeGame, FourSeatsWithThreeStrongBots) {
    std::mt19937 rng(GetParam());
    random.reseed(GetParam());
    out.slots = {1};
    out.humans = {1};
    out.botSpeed = 500;
    out.botLevelAll = BotLevel::strong;
    // A move the host refused silently would leave the bot waiting for the turn clock.
    std::int64_t turnBegan = 0;
    out.onSend = [&](int slot, const std::string& text) {
        if (slot != 1) return;
        onAnnouncement(text);
        if (text.starts_with(cmd::nextplayer)) turnBegan = clock.now();
        if (text.starts_with(cmd::ending) && table().currentSeat != 1) {
            EXPECT_LT(clock.now() - turnBegan, 60'000) << "a bot's turn ran out";
        }
    };

    engine.startgame("You+150+60+4+");
    playToTheWinner(rng);
    // The host never refuses a strong bot's move, and every bot took its turns.
    for (const Refusal& r : out.refusals)
        EXPECT_FALSE(r.byBot) << r.text << " from seat " << r.seat;
    for (int seat = 2; seat <= seatCount; ++seat)
        EXPECT_GT(turnsEnded_[seat], 0) << seat;
}

INSTANTIATE_TEST_SUITE_P(Seeds, WholeGame, ::testing::Values(1u, 2u, 3u, 42u, 2026u, 777u));

}  // namespace
}  // namespace tess::testing
