// One player floods the chat with 10,000 lines while another player says one thing:
// how fast the host drains the flood, and how long the other player's line waits.
// Prints the medians over a few rounds. Host and players share this process's loop,
// so every relay's reading is counted too.
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTcpSocket>
#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "engine/virtual_clock.h"
#include "net/server.h"
#include "wire/splitter.h"
#include "tests/support/stacked_random.h"

namespace {

using namespace tess;

class Player {
public:
    Player(quint16 port, const std::string& name) {
        socket_.connectToHost(QStringLiteral("127.0.0.1"), port);
        socket_.waitForConnected(5000);
        const std::string ask = waitFor("CMD_sendlogininfo+");
        slot_ = std::stoi(ask.substr(18));
        send("CMD_logininfo+" + std::to_string(slot_) + "+1.0.2+" + name + "\xFF");
        waitFor("CMD_newplayerinfo+" + std::to_string(slot_) + "+");
    }
    void sendRaw(const std::string& bytes) {
        socket_.write(bytes.data(), static_cast<qint64>(bytes.size()));
        socket_.flush();
    }
    void send(const std::string& line) { sendRaw(line + '\xFF'); }
    // Runs the event loop until a line starting with `prefix` has come; returns it.
    std::string waitFor(const std::string& prefix) {
        for (;;) {
            // What came while another player waited is already in the socket's buffer.
            const QByteArray bytes = socket_.readAll();
            splitter_.feed(std::string_view(bytes.constData(), bytes.size()), lines_);
            for (; next_ < lines_.size(); ++next_)
                if (lines_[next_].rfind(prefix, 0) == 0) return lines_[next_++];
            if (socket_.state() != QAbstractSocket::ConnectedState) return {};
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
            if (lines_.size() > 100000) {
                lines_.erase(lines_.begin(), lines_.begin() + static_cast<long>(next_));
                next_ = 0;
            }
        }
    }
    int slot() const { return slot_; }

private:
    QTcpSocket socket_;
    wire::LineSplitter splitter_;
    std::vector<std::string> lines_;
    std::size_t next_ = 0;
    int slot_ = 0;
};

double median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    VirtualClock clock;
    testing::StackedRandom random;
    TServer server(clock, random);
    server.startListening(0);
    Player you(server.port(), "You");
    Player ann(server.port(), "Ann");
    Player bob(server.port(), "Bob");

    constexpr int burst = 10000;
    constexpr int rounds = 5;
    std::vector<double> rates, delays;
    for (int round = 0; round < rounds; ++round) {
        std::string flood;
        for (int i = 0; i < burst; ++i)
            flood += "CMD_chat+2+line " + std::to_string(i) + " of a long chat burst|clBlack\xFF";
        QElapsedTimer drain;
        drain.start();
        ann.sendRaw(flood);
        bob.waitFor("CMD_chat+2+Ann chats: line 0 ");
        QElapsedTimer other;
        other.start();
        bob.send("CMD_chat+3+my move|clBlack");
        bob.waitFor("CMD_chat+3+");
        delays.push_back(static_cast<double>(other.nsecsElapsed()) / 1e6);
        you.waitFor("CMD_chat+2+Ann chats: line " + std::to_string(burst - 1) + " ");
        rates.push_back(burst / (static_cast<double>(drain.nsecsElapsed()) / 1e9));
    }
    std::printf("flood_drain_lines_per_s: %.0f lines/s\n", median(rates));
    std::printf("flood_other_player_delay_ms: %.2f ms\n", median(delays));
    return 0;
}
