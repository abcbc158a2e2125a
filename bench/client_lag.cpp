// How far a client falls behind a relayed chat flood, measured from the outside.
// 1. Joined: the real program joins a host played by this benchmark on port 7772. Once
//    logged in, it gets N chat lines as a host relays them, then the host's login request
//    again; the program answers that request when it handles it. The figure is the time
//    from sending the request until the answer: how long a line queued behind N relayed
//    chat lines waits.
// 2. Hosting: the real program hosts on port 7772 and a player sends N chat lines; the
//    figure is the time until the program (host and its own window) has gone quiet again,
//    from the scheduler's own figures, and whether it is still at the table: the process
//    alive and its own window's connection to the table still established (the host may
//    well remove the flooding player; that is the host at work, not the program leaving).
// 3. Hostile (N = 0): the joined lag behind fifteen chat lines of 60 KB, and behind
//    10,000 spectator joins.
// Usage: bench_client_lag TESSARINE_BINARY N...
#include <dirent.h>
#include <unistd.h>
#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QProcess>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTemporaryDir>
#include <QThread>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <set>
#include <string>

#include "bench/schedstat.h"
#include "tests/support/test_client.h"

namespace {

using tess::testing::TestClient;
using tess::testing::waitUntil;

constexpr quint16 tablePort = 7772;

std::string chatLine(int slot, int i) {
    return "CMD_chat+" + std::to_string(slot) + "+Pat chats: flood line " + std::to_string(i) +
           "|clBlack\xFF";
}

class Copy {
public:
    Copy(const QString& binary, const QStringList& args) {
        const QString copy = dir.filePath("tessarine");
        QFile::copy(binary, copy);
        process.setWorkingDirectory(dir.path());
        process.setProcessChannelMode(QProcess::ForwardedOutputChannel);
        // A hosted table here stays unannounced and leaves the router alone.
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("TESSARINE_NO_REACH", "1");
        process.setProcessEnvironment(env);
        process.start(copy, args);
        process.waitForStarted();
    }
    ~Copy() {
        process.kill();
        process.waitForFinished();
    }
    bool stderrHas(const char* text) {
        log += process.readAllStandardError();
        return log.contains(text);
    }
    QTemporaryDir dir;
    QProcess process;
    QByteArray log;
};

// Milliseconds until the answer to a login request queued behind `payload`.
double joinedLag(const QString& binary, const std::string& payload) {
    QTcpServer host;
    // Another run may hold the port for a while.
    if (!waitUntil([&] { return host.listen(QHostAddress::LocalHost, tablePort); }, 60000)) {
        std::fprintf(stderr, "client_lag: port %u is taken\n", tablePort);
        return -1;
    }
    Copy bob(binary, {"Bob", "127.0.0.1", "false"});
    if (!waitUntil([&] { return host.hasPendingConnections(); }, 10000)) return -1;
    QTcpSocket* peer = host.nextPendingConnection();
    std::string received;
    QObject::connect(peer, &QTcpSocket::readyRead,
                     [&] { received += peer->readAll().toStdString(); });
    peer->write("CMD_sendlogininfo+2\xFF");
    if (!waitUntil([&] { return received.find("CMD_logininfo+2+") != std::string::npos; }, 10000))
        return -1;
    peer->write(
        "CMD_newplayerinfo+2+Bob+0\xFF"
        "CMD_existingplayers+1+Ann+0+3+Pat+0\xFF");
    waitUntil([] { return false; }, 500);
    received.clear();
    const std::string flood = payload + "CMD_sendlogininfo+2\xFF";
    QElapsedTimer clock;
    clock.start();
    peer->write(flood.data(), static_cast<qint64>(flood.size()));
    // The request is the last bytes written; it is queued once they have gone out.
    waitUntil([&] { return peer->bytesToWrite() == 0; }, 60000);
    const double queuedAt = clock.nsecsElapsed() / 1e6;
    if (!waitUntil([&] { return received.find("CMD_logininfo+2+") != std::string::npos; }, 60000))
        return -1;
    const double answeredAt = clock.nsecsElapsed() / 1e6;
    const bool alive = bob.process.state() == QProcess::Running;
    if (!alive) return -1;
    return answeredAt - queuedAt;
}

// Whether process `pid` holds an established TCP connection to `port` (its own client's
// connection to the table it hosts), read from /proc as any outside tool would.
bool connectedTo(long pid, quint16 port) {
    const std::string proc = "/proc/" + std::to_string(pid);
    std::set<std::string> sockets;  // "socket:[INODE]" of the process's descriptors
    if (DIR* fds = opendir((proc + "/fd").c_str())) {
        while (const dirent* e = readdir(fds)) {
            char target[64] = {};
            const std::string link = proc + "/fd/" + e->d_name;
            if (readlink(link.c_str(), target, sizeof target - 1) > 0) sockets.insert(target);
        }
        closedir(fds);
    }
    for (const char* table : {"/net/tcp", "/net/tcp6"}) {
        std::ifstream in(proc + table);
        std::string line;
        std::getline(in, line);  // the heading
        while (std::getline(in, line)) {
            char local[64], remote[64], state[8];
            unsigned long inode = 0;
            if (std::sscanf(line.c_str(), "%*d: %63s %63s %7s %*s %*s %*s %*d %*d %lu", local,
                            remote, state, &inode) != 4)
                continue;
            const char* colon = std::strrchr(remote, ':');
            if (colon == nullptr || std::strtoul(colon + 1, nullptr, 16) != port) continue;
            if (std::string(state) == "01" &&
                sockets.count("socket:[" + std::to_string(inode) + "]") > 0)
                return true;
        }
    }
    return false;
}

// Milliseconds from the flood's start until the hosting program has been idle for 100 ms;
// negative when it is gone.
double hostingBusy(const QString& binary, int lines, bool& alive) {
    Copy ann(binary, {"Ann", "127.0.0.1", "true"});
    alive = false;
    if (!waitUntil([&] { return ann.stderrHas("logged in after"); }, 10000)) return -1;
    TestClient pat(tablePort);
    pat.login("Pat");
    pat.waitForPrefix("CMD_newplayerinfo+" + std::to_string(pat.slot()) + "+");
    waitUntil([] { return false; }, 500);
    std::string flood;
    for (int i = 0; i < lines; ++i)
        flood += chatLine(pat.slot(), i);
    const long pid = static_cast<long>(ann.process.processId());
    // The same reading before the flood, so that "left the table" is never a misreading.
    if (!connectedTo(pid, tablePort)) {
        std::fprintf(stderr, "client_lag: the hosting program's own connection is not seen\n");
        return -1;
    }
    QElapsedTimer clock;
    clock.start();
    pat.sendRaw(flood);
    double lastBusy = 0;
    unsigned long long cpu = cpuNs(pid);
    while (clock.elapsed() < 60000) {
        waitUntil([] { return false; }, 5);
        const unsigned long long now = cpuNs(pid);
        const double at = clock.nsecsElapsed() / 1e6;
        if (now > cpu + 200000) lastBusy = at;  // more than 0.2 ms of CPU in 5 ms
        cpu = now;
        if (at - lastBusy > 100) break;
    }
    alive = ann.process.state() == QProcess::Running && connectedTo(pid, tablePort);
    return lastBusy;
}

std::string chatFlood(int lines) {
    std::string flood;
    for (int i = 0; i < lines; ++i)
        flood += chatLine(3, i);
    return flood;
}

// What no honest host sends: chat lines of 60 KB, spectators joining over and over.
void hostile(const QString& binary) {
    const auto print = [](const std::string& name, double ms) {
        if (ms < 0)
            std::printf("%s: lost ms (the client was gone or never answered)\n", name.c_str());
        else
            std::printf("%s: %.1f ms\n", name.c_str(), ms);
        std::fflush(stdout);
    };
    // Words, links, smileys, and one word without a break.
    for (const char* unit : {"word ", "www.x.org ", ":)#12", "x"}) {
        std::string body;
        while (body.size() < 60000)
            body += unit;
        std::string lines;
        for (int i = 0; i < 15; ++i)
            lines += "CMD_chat+3+Pat chats: " + body + "|clBlack\xFF";
        print(std::string("client_lag_behind_15_chat_lines_of_60kb_of_\"") + unit + "\"",
              joinedLag(binary, lines));
    }
    std::string joins;
    for (int i = 0; i < 10000; ++i)
        joins += "CMD_newplayerinfo+" + std::to_string(5 + i % 5) + "+Spy" + std::to_string(i) +
                 "+0\xFF";
    print("client_lag_behind_10000_spectator_joins", joinedLag(binary, joins));
}

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    if (argc < 3) {
        std::fprintf(stderr, "usage: %s TESSARINE_BINARY N...\n", argv[0]);
        return 2;
    }
    const QString binary = QString::fromLocal8Bit(argv[1]);
    bool lost = false;  // a figure not taken, or the program gone: the run failed
    for (int i = 2; i < argc; ++i) {
        const int lines = std::atoi(argv[i]);
        if (lines == 0) {
            hostile(binary);
            continue;
        }
        const double lag = joinedLag(binary, chatFlood(lines));
        lost = lost || lag < 0;
        if (lag < 0)
            std::printf("client_lag_joined_%d: lost ms (the client was gone or never answered)\n",
                        lines);
        else
            std::printf("client_lag_joined_%d: %.1f ms (target about 1000 ms at 5000)\n", lines,
                        lag);
        std::fflush(stdout);
        bool alive = false;
        const double busy = hostingBusy(binary, lines, alive);
        lost = lost || busy < 0 || !alive;
        if (busy < 0)
            std::printf("client_busy_hosting_%d: lost ms (the table did not start)\n", lines);
        else
            std::printf(
                "client_busy_hosting_%d: %.1f ms (%s)\n", lines, busy,
                alive ? "alive and still connected to its table" : "the program left the table");
        std::fflush(stdout);
    }
    return lost ? 1 : 0;
}
