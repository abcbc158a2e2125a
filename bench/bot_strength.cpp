// The strong bot against the classic bot, measured by self-play: seeded games on the
// host's engine in virtual time, every seat played by a bot. Prints win rates and the
// mean score margin with 95 % confidence intervals, and the strong bot's thinking time
// per bot step (planning and making the move through the engine's handlers).
//
//   bench_bot_strength [two-player games] [four-seat games] [play to score] [first seed]
#include <algorithm>
#include <array>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "engine/engine.h"
#include "engine/random.h"
#include "engine/virtual_clock.h"

namespace {

using namespace tess;

// Seat 1 is the hosting user's, just watching; the other seats have nobody, so the
// bots play all of them. Only slot 1 listens, for the winner.
class BenchOutbox : public Outbox {
public:
    std::array<BotLevel, seatCount + 1> levels{};
    int winner = 0;

    std::vector<int> slotsInUse() const override { return {1}; }
    void send(int, const std::string& text) override {
        static const std::string word = "CMD_winner+";
        if (text.compare(0, word.size(), word) == 0) winner = std::atoi(text.c_str() + word.size());
    }
    bool humanPresent(int seat) const override { return seat == 1; }
    int botSpeedMs() const override { return 100; }
    BotLevel botLevel(int seat) const override { return levels[seat]; }
    void refusal(std::string_view text, int seat, bool) override {
        std::fprintf(stderr, "bot strength: seat %d refused: %.*s\n", seat,
                     static_cast<int>(text.size()), text.data());
    }
};

struct GameResult {
    int winner = 0;  // 0: the game did not finish
    std::array<int, seatCount + 1> scores{};
};

std::vector<double> stepMs;  // each strong bot step

GameResult playGame(std::uint32_t seed, int players, int strongSeat, int playTo) {
    VirtualClock clock;
    BenchOutbox out;
    SeededRandom random(seed);
    Engine engine(out, clock, random);
    for (int seat = 1; seat <= seatCount; ++seat)
        out.levels[seat] = seat == strongSeat ? BotLevel::strong : BotLevel::classic;
    clock.setHandler([&](Timer timer) {
        const int seat = engine.table().currentSeat;
        if (timer != Timer::computer || seat != strongSeat) {
            engine.timerFired(timer);
            return;
        }
        const auto begin = std::chrono::steady_clock::now();
        engine.timerFired(timer);
        const std::chrono::duration<double, std::milli> took =
            std::chrono::steady_clock::now() - begin;
        stepMs.push_back(took.count());
    });

    engine.startgame("Bench+" + std::to_string(playTo) + "+60+" + std::to_string(players) + "+");
    engine.setJustWatching(1, true);
    engine.checkforcomputer(engine.table().currentSeat);
    for (long step = 0; step < 5'000'000 && out.winner == 0; ++step)
        if (!clock.fireNext()) break;

    GameResult r;
    r.winner = out.winner;
    for (int seat = 1; seat <= seatCount; ++seat)
        r.scores[seat] = engine.table().seats[seat].score;
    return r;
}

struct Tally {
    int games = 0;
    int wins = 0;
    int unfinished = 0;
    std::vector<double> margins;        // against the best of the others
    std::vector<double> marginsToMean;  // against the others' mean

    static void printMargin(const std::string& name, const std::vector<double>& margins) {
        double mean = 0, var = 0;
        for (double m : margins)
            mean += m;
        mean /= std::max<std::size_t>(margins.size(), 1);
        for (double m : margins)
            var += (m - mean) * (m - mean);
        var /= std::max<std::size_t>(margins.size(), 2) - 1;
        const double half = 1.96 * std::sqrt(var / std::max<std::size_t>(margins.size(), 1));
        std::printf("%s: %.1f points (95%% CI %.1f to %.1f)\n", name.c_str(), mean, mean - half,
                    mean + half);
    }

    void print(const std::string& name, bool severalOthers) const {
        const double p = games > 0 ? double(wins) / games : 0.0;
        const double half = 1.96 * std::sqrt(p * (1 - p) / std::max(games, 1));
        std::printf("%s_win_rate: %.2f (95%% CI %.2f-%.2f, %d games)\n", name.c_str(), p, p - half,
                    p + half, games);
        printMargin(name + "_score_margin", margins);
        if (severalOthers) printMargin(name + "_score_margin_vs_mean", marginsToMean);
        if (unfinished > 0) std::printf("%s_unfinished: %d games\n", name.c_str(), unfinished);
    }
};

// Plays `games` games at a table of `players`, the strong bot taking each seat in turn.
Tally playMany(int games, int players, int playTo, std::uint32_t firstSeed) {
    Tally tally;
    for (int g = 0; g < games; ++g) {
        const int strongSeat = players == 2 ? 1 + g % 2 : 1 + g % players;
        const GameResult r =
            playGame(firstSeed + static_cast<std::uint32_t>(g), players, strongSeat, playTo);
        ++tally.games;
        if (r.winner == 0) ++tally.unfinished;
        if (r.winner == strongSeat) ++tally.wins;
        // Two players sit in seats 1 and 2; four in 1-4. The margin is against the best
        // of the others.
        int best = -1;
        double sum = 0;
        for (int seat = 1; seat <= players; ++seat) {
            if (seat == strongSeat) continue;
            best = std::max(best, r.scores[seat]);
            sum += r.scores[seat];
        }
        tally.margins.push_back(r.scores[strongSeat] - best);
        tally.marginsToMean.push_back(r.scores[strongSeat] - sum / (players - 1));
    }
    return tally;
}

double percentile(std::vector<double> v, double q) {
    if (v.empty()) return 0.0;
    std::sort(v.begin(), v.end());
    const std::size_t i =
        std::min(v.size() - 1, static_cast<std::size_t>(q * (v.size() - 1) + 0.5));
    return v[i];
}

}  // namespace

int main(int argc, char** argv) {
    const int games2 = argc > 1 ? std::atoi(argv[1]) : 2000;
    const int games4 = argc > 2 ? std::atoi(argv[2]) : 1000;
    const int playTo = argc > 3 ? std::atoi(argv[3]) : 100;
    // The four-seat games take their seeds after the two-player ones.
    const auto seed = static_cast<std::uint32_t>(argc > 4 ? std::strtoul(argv[4], nullptr, 10) : 1);

    const auto begin = std::chrono::steady_clock::now();
    playMany(games2, 2, playTo, seed).print("bot_strong_vs_classic_2p", false);
    playMany(games4, 4, playTo, seed + 500'000).print("bot_strong_vs_3_classic_4p", true);
    std::printf("bot_strong_move_median_ms: %.4f ms (%zu steps)\n", percentile(stepMs, 0.5),
                stepMs.size());
    std::printf("bot_strong_move_p99_ms: %.2f ms\n", percentile(stepMs, 0.99));
    std::printf("bot_strong_move_max_ms: %.2f ms\n", percentile(stepMs, 1.0));
    const std::chrono::duration<double> took = std::chrono::steady_clock::now() - begin;
    std::printf("bot_strength_run_s: %.1f s (play to %d)\n", took.count(), playTo);
    return 0;
}
