// Plays one game on the host's engine in virtual time and prints what the table hears:
// seat 1 is a simple client that sends requests, seat 2 is the bot (the strong one when
// asked for).
//
//   tessarine-selfplay [seed] [play-to-score] [classic|strong]
#include <cstdio>
#include <cstdlib>
#include <set>
#include <string>

#include "engine/bot.h"
#include "engine/engine.h"
#include "engine/random.h"
#include "engine/virtual_clock.h"

namespace {

using namespace tess;

class PrintingOutbox : public Outbox {
public:
    explicit PrintingOutbox(const VirtualClock& clock) : clock_(clock) {}

    std::vector<int> slotsInUse() const override { return {1}; }
    void send(int, const std::string& text) override {
        std::string shown = text;
        if (!shown.empty() && shown.back() == '\xFF') shown.pop_back();
        const long long ms = clock_.now();
        std::printf("%3lld:%02lld.%03lld  %s\n", ms / 60000, ms / 1000 % 60, ms % 1000,
                    shown.c_str());
        if (shown.rfind("CMD_winner", 0) == 0) finished = true;
    }
    bool humanPresent(int seat) const override { return seat == 1; }
    int botSpeedMs() const override { return 1000; }
    BotLevel botLevel(int) const override { return level; }
    void refusal(std::string_view text, int seat, bool) override {
        std::printf("           (seat %d refused: %.*s)\n", seat, static_cast<int>(text.size()),
                    text.data());
    }

    bool finished = false;
    BotLevel level = BotLevel::classic;

private:
    const VirtualClock& clock_;
};

// Seat 1 thinks for two seconds, then makes the move the bot would make, or draws.
void playSeatOne(Engine& engine) {
    const TableState& t = engine.table();
    if (!t.inProgress || t.inBreak || t.currentSeat != 1) return;
    const std::optional<BotMove> move = chooseBotMove(t, 1);
    if (!move) {
        engine.endturn("1+");
        return;
    }
    engine.requestMove(1, *move);
}

}  // namespace

int main(int argc, char** argv) {
    const unsigned seed = argc > 1 ? static_cast<unsigned>(std::strtoul(argv[1], nullptr, 10))
                                   : SeededRandom::clockSeed();
    const std::string playTo = argc > 2 ? argv[2] : "50";

    VirtualClock clock;
    PrintingOutbox outbox(clock);
    if (argc > 3 && std::string(argv[3]) == "strong") outbox.level = BotLevel::strong;
    SeededRandom random(seed);
    Engine engine(outbox, clock, random);

    std::printf("Self-play on the host's engine, seed %u, play to %s (virtual time)\n", seed,
                playTo.c_str());
    engine.startgame("You+" + playTo + "+60+");
    for (int step = 0; step < 10'000'000 && !outbox.finished; ++step) {
        clock.advance(2000);
        playSeatOne(engine);
    }
    return outbox.finished ? 0 : 1;
}
