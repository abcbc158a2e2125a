// A move's round trip on loopback: a client sends CMD_handplay and waits for the
// host's CMD_playhand, through the real host, its dispatcher and its sockets.
// Prints the median and 99th percentile over 2,000 moves.
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTcpSocket>
#include <algorithm>
#include <array>
#include <cstdio>
#include <string>
#include <vector>

#include "engine/virtual_clock.h"
#include "net/server.h"
#include "wire/splitter.h"
#include "tests/support/stacked_random.h"

namespace {

using namespace tess;

// Every shuffle puts a red 6 on tab spot 1 and a black 5 first in seat 1's hand.
class SameDeal : public Random {
public:
    SameDeal() {
        testing::StackedRandom stacked;
        stacked.stack({19, 1, 2, 3, 5});
        for (int& pos : positions_)
            pos = stacked.uniform(deckSize);
    }
    // The shuffle asks exactly once per card, so the answers repeat every 52 calls.
    int uniform(int) override { return positions_[next_++ % deckSize]; }

private:
    std::array<int, deckSize> positions_{};
    std::size_t next_ = 0;
};

class Client {
public:
    explicit Client(quint16 port) {
        socket_.connectToHost(QStringLiteral("127.0.0.1"), port);
        socket_.waitForConnected(5000);
        socket_.setSocketOption(QAbstractSocket::LowDelayOption, 1);
    }
    void send(const std::string& line) {
        const std::string bytes = line + '\xFF';
        socket_.write(bytes.data(), static_cast<qint64>(bytes.size()));
        socket_.flush();
    }
    // Runs the event loop until a line starting with `prefix` has come.
    bool waitFor(const std::string& prefix) {
        for (;;) {
            for (; next_ < lines_.size(); ++next_)
                if (lines_[next_].rfind(prefix, 0) == 0) return ++next_, true;
            if (socket_.state() != QAbstractSocket::ConnectedState) return false;
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
            const QByteArray bytes = socket_.readAll();
            splitter_.feed(std::string_view(bytes.constData(), bytes.size()), lines_);
        }
    }

private:
    QTcpSocket socket_;
    wire::LineSplitter splitter_;
    std::vector<std::string> lines_;
    std::size_t next_ = 0;
};

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    VirtualClock clock;  // the game's own timers stay still; only sockets and dispatch run
    SameDeal deal;
    TServer server(clock, deal);
    server.startListening(0);
    Client you(server.port());
    you.waitFor("CMD_sendlogininfo+1");
    you.send("CMD_logininfo+1+1.0.2+You");
    you.waitFor("CMD_newplayerinfo+1+");

    constexpr int moves = 2000;
    std::vector<double> ms;
    ms.reserve(moves);
    QElapsedTimer timer;
    for (int i = 0; i < moves; ++i) {
        you.send("CMD_startgame+You+100+60+");
        you.waitFor("CMD_nextplayer+1+");
        timer.start();
        you.send("CMD_handplay+1+1+1+");
        if (!you.waitFor("CMD_playhand+1+1+2+5+1+")) return 1;
        ms.push_back(static_cast<double>(timer.nsecsElapsed()) / 1e6);
    }
    std::sort(ms.begin(), ms.end());
    std::printf("move_round_trip_median: %.3f ms\n", ms[ms.size() / 2]);
    std::printf("move_round_trip_p99: %.3f ms\n", ms[ms.size() * 99 / 100]);
    return 0;
}
