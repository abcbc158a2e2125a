// Attacks on a table hosted by the real program, measured from the outside: peers at many
// addresses (loopback 127.1.x.y, or one IPv6 /64 routed to this machine) flood the chat,
// hold connections that never log in, or log in and leave over and over. Meanwhile two
// honest players talk: how soon the one's line reaches the other, whether the table stays
// up, and whether an honest newcomer gets in. Prints `name: value unit` lines.
// Also a hostile host: the real program joins a host that sends tiny lines flat out and
// then closes.
// Usage: bench_host_attack PORT HOST_PID MODE FAMILY ADDRESSES SECONDS [ROLE]
//   MODE flood | hogs | churn, FAMILY v4 | v6, ROLE attack | measure (default both)
//        bench_host_attack hostile TESSARINE_BINARY SECONDS
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTemporaryDir>
#include <QTimer>
#include <algorithm>
#include <cstdio>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

#include "bench/schedstat.h"
#include "tests/support/test_client.h"

namespace {

using tess::testing::TestClient;
using tess::testing::waitUntil;

long rssKb(long pid) {
    std::ifstream status("/proc/" + std::to_string(pid) + "/status");
    for (std::string line; std::getline(status, line);)
        if (line.rfind("VmRSS:", 0) == 0) return std::atol(line.c_str() + 6);
    return -1;
}

bool alive(long pid) { return rssKb(pid) >= 0; }

QString attackerAddress(bool v6, int i) {
    if (v6) return QStringLiteral("2001:db8::%1").arg(i + 16, 0, 16);
    return QStringLiteral("127.1.%1.%2").arg(i / 250).arg(i % 250 + 1);
}

int slotOf(const TestClient& c) {
    for (const std::string& line : c.lines())
        if (line.rfind("CMD_sendlogininfo+", 0) == 0) return std::atoi(line.c_str() + 18);
    return 0;
}

struct Attacker {
    std::unique_ptr<TestClient> client;
    bool done = false;
};

// Attackers, a few connections at a time, each from the next address: `flood` logs in
// and sends 40 lines of 1,900 bytes, `hogs` never logs in, `churn` logs in and resets.
class Attack {
public:
    Attack(quint16 port, const std::string& mode, bool v6, int addresses)
        : port_(port),
          mode_(mode),
          v6_(v6),
          addresses_(addresses),
          attackers_(mode == "hogs" ? 8 : 12),
          target_(v6 ? QStringLiteral("2001:db8::1") : QStringLiteral("127.0.0.1")) {
        QObject::connect(&timer_, &QTimer::timeout, [this] {
            for (Attacker& a : attackers_)
                step(a);
        });
        timer_.start(5);
    }
    long connections = 0;

private:
    void renew(Attacker& a) {
        a.client = std::make_unique<TestClient>(port_, false, attackerAddress(v6_, next_), target_);
        next_ = (next_ + 1) % addresses_;
        a.done = false;
        ++connections;
    }
    void step(Attacker& a) {
        if (!a.client || a.client->closed()) return renew(a);
        if (mode_ == "churn" && a.done) {
            a.client->killHard();
            renew(a);
            return;
        }
        const int slot = slotOf(*a.client);
        if (mode_ == "hogs" || slot == 0 || a.done) return;
        a.client->login("Peer");
        if (mode_ == "flood") {
            std::string lines;
            for (int i = 0; i < 40; ++i)
                lines += "CMD_chat+" + std::to_string(slot) + "+" + big_ + "|clRed\xFF";
            a.client->sendRaw(lines);
        }
        a.done = true;
    }

    quint16 port_;
    std::string mode_;
    bool v6_;
    int addresses_;
    std::vector<Attacker> attackers_;
    QString target_;
    int next_ = 0;
    std::string big_ = std::string(1900, 'x');
    QTimer timer_;
};

int attack(quint16 port, const std::string& mode, bool v6, int addresses, int seconds,
           const std::string& tag) {
    waitUntil([] { return false; }, 1000);  // the honest players are seated first
    Attack a(port, mode, v6, addresses);
    waitUntil([] { return false; }, seconds * 1000 + 2000);
    std::printf("%s_attack_connections: %ld\n", tag.c_str(), a.connections);
    return 0;
}

// The real program joins a host played here, which sends tiny lines flat out for
// `seconds` and closes: the program's largest resident size, and how long it stays busy
// after the close.
int hostileHost(const QString& binary, int seconds) {
    QTcpServer host;
    if (!waitUntil([&] { return host.listen(QHostAddress::LocalHost, 7772); }, 60000)) {
        std::fprintf(stderr, "host_attack: port 7772 is taken\n");
        return 1;
    }
    QTemporaryDir dir;
    const QString copy = dir.filePath("tessarine");
    QFile::copy(binary, copy);
    QProcess bob;
    bob.setWorkingDirectory(dir.path());
    bob.setProcessChannelMode(QProcess::ForwardedOutputChannel);
    bob.start(copy, {"Bob", "127.0.0.1", "false"});
    if (!bob.waitForStarted() || !waitUntil([&] { return host.hasPendingConnections(); }, 20000))
        return 1;
    QTcpSocket* peer = host.nextPendingConnection();
    peer->write("CMD_sendlogininfo+2\xFF");
    const long pid = static_cast<long>(bob.processId());
    const QByteArray tiny = QByteArray("x\xFF").repeated(64 * 1024);
    long rssMost = rssKb(pid);
    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() < seconds * 1000L && bob.state() == QProcess::Running) {
        while (peer->bytesToWrite() < 4 * 1024 * 1024)
            peer->write(tiny);
        waitUntil([] { return false; }, 20);
        rssMost = std::max(rssMost, rssKb(pid));
    }
    peer->disconnectFromHost();
    clock.restart();
    // Busy until a tenth of a second passes with less than 5 ms of its CPU.
    double busyMs = -1;
    for (unsigned long long last = cpuNs(pid); clock.elapsed() < 120000;) {
        waitUntil([] { return false; }, 100);
        rssMost = std::max(rssMost, rssKb(pid));
        const unsigned long long now = cpuNs(pid);
        if (now - last < 5000000ULL) {
            busyMs = static_cast<double>(clock.elapsed()) - 100;
            break;
        }
        last = now;
    }
    std::printf("hostile_host_tiny_lines_client_rss_most: %ld kB (%d s of flood)\n", rssMost,
                seconds);
    std::printf("hostile_host_close_busy: %.0f ms\n", busyMs);
    std::printf("hostile_host_client_alive: %s\n", bob.state() == QProcess::Running ? "yes" : "no");
    bob.kill();
    bob.waitForFinished();
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    if (argc == 4 && std::string(argv[1]) == "hostile")
        return hostileHost(QString::fromLocal8Bit(argv[2]), std::atoi(argv[3]));
    if (argc < 7) {
        std::fprintf(stderr, "usage: %s PORT HOST_PID flood|hogs|churn v4|v6 ADDRESSES SECONDS\n",
                     argv[0]);
        return 2;
    }
    const auto port = static_cast<quint16>(std::atoi(argv[1]));
    const long pid = std::atol(argv[2]);
    const std::string mode = argv[3];
    const bool v6 = std::string(argv[4]) == "v6";
    const int addresses = std::atoi(argv[5]);
    const int seconds = std::atoi(argv[6]);
    const std::string tag = "attack_" + mode + "_" + argv[4] + "_" + argv[5];
    // One process attacks, another measures: a connection that the one makes does not
    // hold up the other's figures.
    const std::string role = argc > 7 ? argv[7] : "both";
    const bool attacking = role != "measure", measuring = role != "attack";
    if (!measuring) return attack(port, mode, v6, addresses, seconds, tag);

    auto honest = [&](const std::string& name, const char* from) {
        auto c = std::make_unique<TestClient>(port, true, QString::fromLatin1(from));
        c->login(name);
        c->waitForPrefix("CMD_newplayerinfo+" + std::to_string(c->slot()) + "+" + name);
        return c;
    };
    auto ann = honest("Ann", "127.0.0.2");
    auto bob = honest("Bob", "127.0.0.3");
    if (ann->slot() == 0 || bob->slot() == 0) {
        std::fprintf(stderr, "host_attack: the honest players got no slot\n");
        return 1;
    }
    const long rssBefore = rssKb(pid);
    std::unique_ptr<Attack> attack;
    if (attacking) attack = std::make_unique<Attack>(port, mode, v6, addresses);
    // The attackers are under way.
    waitUntil([] { return false; }, 2000);

    // Ann says a line every 250 ms; Bob times its arrival. A newcomer tries every 2 s.
    std::vector<double> latencies;
    int sent = 0, lost = 0, newcomerTries = 0, newcomerIns = 0;
    long rssMost = rssBefore;
    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() < seconds * 1000L && alive(pid) && !bob->closed()) {
        const std::string text = "honest " + std::to_string(sent++);
        QElapsedTimer line;
        line.start();
        ann->send("CMD_chat+" + std::to_string(ann->slot()) + "+" + text + "|clBlack");
        const std::string got = bob->waitFor(
            [&](const std::string& l) { return l.find("Ann chats: " + text) != std::string::npos; },
            2000);
        if (got.empty())
            ++lost;
        else
            latencies.push_back(static_cast<double>(line.nsecsElapsed()) / 1e6);
        rssMost = std::max(rssMost, rssKb(pid));
        if (sent % 8 == 0) {
            ++newcomerTries;
            TestClient newcomer(port, true, QStringLiteral("127.0.0.9"));
            if (newcomer.slot() != 0) {
                newcomer.login("Newcomer");
                if (!newcomer
                         .waitForPrefix("CMD_newplayerinfo+" + std::to_string(newcomer.slot()),
                                        2000)
                         .empty())
                    ++newcomerIns;
            }
        }
        waitUntil([] { return false; }, 250);
    }
    const long connections = attack ? attack->connections : -1;
    attack.reset();
    const bool up =
        alive(pid) && !bob->closed() && bob->linesStartingWith("CMD_playerdisconnected+1+").empty();
    std::sort(latencies.begin(), latencies.end());
    const auto pct = [&](double p) {
        return latencies.empty()
                   ? -1.0
                   : latencies[std::min(latencies.size() - 1,
                                        static_cast<std::size_t>(p * latencies.size()))];
    };
    std::printf("%s_table_up: %s\n", tag.c_str(), up ? "yes" : "no");
    if (connections >= 0) std::printf("%s_attack_connections: %ld\n", tag.c_str(), connections);
    std::printf("%s_honest_line_median: %.1f ms\n", tag.c_str(), pct(0.5));
    std::printf("%s_honest_line_p95: %.1f ms (target 50 ms)\n", tag.c_str(), pct(0.95));
    std::printf("%s_honest_lines_lost: %d of %d\n", tag.c_str(), lost, sent);
    std::printf("%s_newcomer_got_in: %d of %d\n", tag.c_str(), newcomerIns, newcomerTries);
    std::printf("%s_host_rss: %ld kB before, %ld kB most\n", tag.c_str(), rssBefore, rssMost);
    return up ? 0 : 1;
}
