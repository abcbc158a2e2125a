// The hosting program under load, measured from the outside: seven players join the
// real program (whose own window is the eighth client) on loopback.
// 1. One player sends chat lines one after another; the host's CPU (every thread, from
//    /proc/PID/task/*/schedstat) per relayed line, its own window's chat included: the
//    median of the rounds of 30 lines after the chat's warm-up, the warm-up apart, and
//    each round. Lines are paced and each round has another talker, so that no player
//    goes over the host's limit of relayed lines.
// 2. One player sends a 10,000-line burst and another player one line right after it:
//    how many of the burst the host relays (its limit), how soon it lets the flooder go,
//    and how long the other player's line waits.
// Usage: bench_host_load PORT HOST_PID
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QThread>
#include <cstdio>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>
#include <vector>
#include "bench/schedstat.h"

#include "tests/support/test_client.h"

namespace {

using tess::testing::TestClient;
using tess::testing::waitUntil;

// Counts a client's received chat lines from one slot, looking at each line once.
class ChatCount {
public:
    ChatCount(const TestClient& client, int slot)
        : client_(client), prefix_("CMD_chat+" + std::to_string(slot) + "+") {}
    std::size_t operator()() {
        const auto& lines = client_.lines();
        for (; seen_ < lines.size(); ++seen_)
            if (lines[seen_].rfind(prefix_, 0) == 0) ++count_;
        return count_;
    }

private:
    const TestClient& client_;
    std::string prefix_;
    std::size_t seen_ = 0, count_ = 0;
};

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    if (argc < 3) {
        std::fprintf(stderr, "usage: %s PORT HOST_PID [ROUNDS] [BURST]\n", argv[0]);
        return 2;
    }
    const auto port = static_cast<quint16>(std::atoi(argv[1]));
    const long pid = std::atol(argv[2]);
    const int rounds = argc > 3 ? std::max(1, std::atoi(argv[3])) : 12;
    const int burst = argc > 4 ? std::max(1, std::atoi(argv[4])) : 10000;

    std::vector<std::unique_ptr<TestClient>> players;
    for (int i = 0; i < 7; ++i) {
        players.push_back(std::make_unique<TestClient>(port));
        players.back()->login("Player" + std::to_string(i + 2));
    }
    for (auto& p : players)
        if (p->slot() == 0) {
            std::fprintf(stderr, "host_load: a player got no slot\n");
            return 1;
        }
    TestClient& flooder = *players.front();
    TestClient& other = *players.back();
    QThread::msleep(500);
    waitUntil([] { return false; }, 300);

    // 1. Paced lines: each one relayed to everybody before the next, paced like a lively
    // table (the players share one address here, whose relay budget refills at two lines
    // a second for each of its connections, and this stays under it). In rounds, each
    // with another talker: the first rounds pay what a chat pays once (its first fonts
    // and pictures, a scroll bar whose handle still shrinks with every line) and are
    // shown apart; the figure is the median of the rounds after them, a chat in use. On
    // a shared (virtual) machine a round now and then runs slow for reasons outside the
    // program, hence the median.
    constexpr int paced = 30;
    constexpr int pauseMs = 80;
    const int warmRounds = rounds > 3 ? rounds / 3 : 0;
    std::vector<double> perLine;
    int sent = 0;
    for (int round = 0; round < rounds; ++round) {
        TestClient& talker = *players[static_cast<std::size_t>(round) % players.size()];
        const unsigned long long before = cpuNs(pid);
        for (int i = 0; i < paced; ++i, ++sent) {
            talker.send("CMD_chat+" + std::to_string(talker.slot()) + "+line " +
                        std::to_string(sent) + " with a few words :)#12|clBlack");
            for (auto& p : players)
                if (p->waitForPrefix("CMD_chat+").empty()) {
                    std::fprintf(stderr, "host_load: a relay did not come\n");
                    return 1;
                }
            waitUntil([] { return false; }, pauseMs);
        }
        // The pauses themselves, with nothing to do, cost the host (almost) nothing.
        perLine.push_back(static_cast<double>(cpuNs(pid) - before) / 1e6 / paced);
    }
    std::string inOrder;
    for (double ms : perLine) {
        char figure[32];
        std::snprintf(figure, sizeof figure, "%s%.3f", inOrder.empty() ? "" : " ", ms);
        inOrder += figure;
    }
    const auto median = [](std::vector<double> v) {
        std::sort(v.begin(), v.end());
        return v[v.size() / 2];
    };
    const std::vector<double> warm(perLine.begin(), perLine.begin() + warmRounds);
    const std::vector<double> inUse(perLine.begin() + warmRounds, perLine.end());
    std::printf("host_cpu_per_relayed_line: %.3f ms (median of %zu rounds after %d of warm-up)\n",
                median(inUse), inUse.size(), warmRounds);
    if (!warm.empty())
        std::printf("host_cpu_per_relayed_line_warm_up: %.3f ms (median of the first %d rounds)\n",
                    median(warm), warmRounds);
    std::printf("host_cpu_per_relayed_line_rounds: %s ms (rounds of %d lines, in order)\n",
                inOrder.c_str(), paced);

    // 2. A burst and one line of another player behind it. The host relays the burst up
    // to its limit, drops the rest and lets the flooder go.
    waitUntil([] { return false; }, 1000);
    ChatCount flooderChats(other, flooder.slot()), otherChats(other, other.slot());
    const std::size_t alreadyFlooder = flooderChats(), alreadyOther = otherChats();
    std::string bytes;
    for (int i = 0; i < burst; ++i)
        bytes += "CMD_chat+" + std::to_string(flooder.slot()) + "+flood " + std::to_string(i) +
                 "|clRed\xFF";
    QElapsedTimer timer;
    timer.start();
    flooder.sendRaw(bytes);
    other.send("CMD_chat+" + std::to_string(other.slot()) + "+excuse me|clBlue");
    double otherMs = -1, closedMs = -1;
    constexpr int limitMs = 20000;
    waitUntil(
        [&] {
            if (otherMs < 0 && otherChats() > alreadyOther)
                otherMs = static_cast<double>(timer.nsecsElapsed()) / 1e6;
            if (closedMs < 0 && flooder.closed())
                closedMs = static_cast<double>(timer.nsecsElapsed()) / 1e6;
            return otherMs >= 0 && closedMs >= 0;
        },
        limitMs);
    waitUntil([] { return false; }, 500);  // stragglers of the burst
    std::printf("flood_relayed_of_burst: %zu lines (of %d)\n", flooderChats() - alreadyFlooder,
                burst);
    if (closedMs >= 0)
        std::printf("flood_flooder_let_go_after: %.1f ms\n", closedMs);
    else
        std::printf("flood_flooder_let_go_after: >%d ms\n", limitMs);
    if (otherMs >= 0)
        std::printf("flood_other_player_delay_ms: %.1f ms\n", otherMs);
    else
        std::printf("flood_other_player_delay_ms: >%d ms\n", limitMs);
    return 0;
}
