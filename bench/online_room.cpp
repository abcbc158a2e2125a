// The Find Players Online window in a crowded room, against the real server of
// tests/online/xmpp_lab.sh: a crowd of N anonymous occupants fills the room, T of them
// list a table, then every table changes its seats a few times (a presence flood). The
// figures: the longest stall of the window's thread (a 5 ms timer's longest gap beyond
// 5 ms), its peak memory before and after, the tables and people it shows, how long
// until it shows all T tables, and how many occupants the crowd got into the room.
// The crowd runs in child processes of a few hundred sessions each (one select() loop
// per process cannot watch more than about a thousand sockets).
// Usage (inside xmpp_lab.sh): bench_online_room [occupants] [tables] [fill_seconds]
#include <sys/wait.h>
#include <unistd.h>
#include <csignal>

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <QTemporaryDir>
#include <QTimer>
#include <QTreeWidget>
#include <algorithm>
#include <atomic>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <functional>
#include <string>
#include <thread>
#include <vector>

#include "client/joining/online_form.h"
#include "online/lobby_stanzas.h"
#include "online/online_lobby.h"

namespace {

using tess::ListedTable;

constexpr int perChild = 400;         // sessions one crowd process holds
constexpr int connectingAtOnce = 40;  // per process: logins under way at one time
constexpr int floodRounds = 3;        // seat changes per table

std::string env(const char* name) {
    const char* v = std::getenv(name);
    return v ? v : "";
}

std::string roomJid() { return "crowd@" + env("TESS_XMPP_ROOMS"); }

// One occupant of the crowd.
struct Seat {
    struct Crowd* crowd = nullptr;
    xmpp_conn_t* conn = nullptr;
    int index = 0;
    bool joined = false;
    bool closed = false;
    std::string self;  // room/nick
};

struct Crowd {
    xmpp_ctx_t* ctx = nullptr;
    int tables = 0;  // occupants below this index list a table
    int out = -1;    // pipe to the parent: 'j' per joined occupant, 'x' per lost one
    std::vector<Seat> seats;
};

ListedTable tableFor(int index, int seated) {
    return {QStringLiteral("h%1").arg(index), seated, 4, 0, false, {}};
}

void sendPresence(Seat& s, int seated, bool join) {
    xmpp_stanza_t* p = xmpp_presence_new(s.crowd->ctx);
    xmpp_stanza_set_to(p, s.self.c_str());
    if (join) {
        xmpp_stanza_t* x = xmpp_stanza_new(s.crowd->ctx);
        xmpp_stanza_set_name(x, "x");
        xmpp_stanza_set_ns(x, "http://jabber.org/protocol/muc");
        xmpp_stanza_add_child_ex(p, x, 0);
    }
    if (s.index < s.crowd->tables)
        xmpp_stanza_add_child_ex(p, tess::tableElement(s.crowd->ctx, tableFor(s.index, seated)), 0);
    xmpp_send(s.conn, p);
    xmpp_stanza_release(p);
}

void tell(Seat& s, char c) {
    if (write(s.crowd->out, &c, 1) != 1) std::_Exit(1);
}

int onPresence(xmpp_conn_t*, xmpp_stanza_t* st, void* data) {
    auto& s = *static_cast<Seat*>(data);
    if (s.joined) return 1;
    const char* from = xmpp_stanza_get_from(st);
    if (from && s.self == from) {
        if (xmpp_stanza_get_type(st)) {
            std::fprintf(stderr, "online_room: occupant %d refused by the room\n", s.index);
            tell(s, 'x');
            s.closed = true;
        } else {
            s.joined = true;
            tell(s, 'j');
        }
    }
    return 1;
}

void onConnection(xmpp_conn_t*, xmpp_conn_event_t e, int, xmpp_stream_error_t*, void* data) {
    auto& s = *static_cast<Seat*>(data);
    if (e == XMPP_CONN_CONNECT) {
        sendPresence(s, 1, true);
        return;
    }
    if (!s.closed) tell(s, 'x');
    s.closed = true;
}

void open(Seat& s) {
    s.conn = xmpp_conn_new(s.crowd->ctx);
    xmpp_conn_set_flags(s.conn, XMPP_CONN_FLAG_MANDATORY_TLS);
    xmpp_conn_set_jid(s.conn, env("TESS_XMPP_DOMAIN").c_str());
    xmpp_handler_add(s.conn, onPresence, nullptr, "presence", nullptr, &s);
    xmpp_connect_client(s.conn, env("TESS_XMPP_ADDRESS").c_str(),
                        static_cast<unsigned short>(std::atoi(env("TESS_XMPP_PORT").c_str())),
                        onConnection, &s);
}

// A crowd process: occupants [first, first + count) log in, join, wait for the word on
// `go` to flood ('f'), then stay until `go` closes.
[[noreturn]] void crowdProcess(int first, int count, int tables, int go, int out) {
    xmpp_initialize();
    Crowd crowd;
    crowd.ctx = xmpp_ctx_new(nullptr, nullptr);
    crowd.tables = tables;
    crowd.out = out;
    crowd.seats.resize(static_cast<size_t>(count));
    for (int i = 0; i < count; ++i) {
        Seat& s = crowd.seats[static_cast<size_t>(i)];
        s.crowd = &crowd;
        s.index = first + i;
        s.self = roomJid() + "/p" + std::to_string(s.index);
    }
    char word = 0;
    if (read(go, &word, 1) != 1) std::_Exit(0);
    int opened = 0;
    bool flooded = false;
    for (;;) {
        int pending = 0;
        for (int i = 0; i < opened; ++i)
            pending += !crowd.seats[static_cast<size_t>(i)].joined &&
                       !crowd.seats[static_cast<size_t>(i)].closed;
        while (opened < count && pending < connectingAtOnce) {
            open(crowd.seats[static_cast<size_t>(opened++)]);
            ++pending;
        }
        xmpp_run_once(crowd.ctx, 5);
        fd_set r;
        FD_ZERO(&r);
        FD_SET(go, &r);
        timeval none{0, 0};
        if (select(go + 1, &r, nullptr, nullptr, &none) > 0) {
            char c = 0;
            if (read(go, &c, 1) != 1) break;
            if (c == 'f' && !flooded) {
                flooded = true;
                for (int round = 1; round <= floodRounds; ++round)
                    for (Seat& s : crowd.seats)
                        if (s.joined && !s.closed && s.index < tables)
                            sendPresence(s, 1 + round % 4, false);
            }
        }
    }
    std::_Exit(0);  // the server sees the sessions end with the process
}

struct Children {
    std::vector<pid_t> pids;
    std::vector<int> go;
    std::vector<int> from;
};

Children startCrowd(int occupants, int tables) {
    Children c;
    for (int first = 0; first < occupants; first += perChild) {
        int goPipe[2], outPipe[2];
        if (pipe(goPipe) != 0 || pipe(outPipe) != 0) std::exit(1);
        const pid_t pid = fork();
        if (pid == 0) {
            close(goPipe[1]);
            close(outPipe[0]);
            crowdProcess(first, std::min(perChild, occupants - first), tables, goPipe[0],
                         outPipe[1]);
        }
        close(goPipe[0]);
        close(outPipe[1]);
        c.pids.push_back(pid);
        c.go.push_back(goPipe[1]);
        c.from.push_back(outPipe[0]);
    }
    return c;
}

long peakKb() {
    std::ifstream in("/proc/self/status");
    std::string line;
    while (std::getline(in, line))
        if (line.rfind("VmHWM:", 0) == 0) return std::atol(line.c_str() + 6);
    return -1;
}

QString settingsFor(const QTemporaryDir& dir) {
    const QString path = dir.filePath(QStringLiteral("orvanelobby.ini"));
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly)) std::exit(1);
    file.write(QStringLiteral("[Tessarine]\nOnlineserver=%1\nOnlineroom=%2\nOnlineaddress=%3:%4\n")
                   .arg(QString::fromStdString(env("TESS_XMPP_DOMAIN")),
                        QString::fromStdString(roomJid()),
                        QString::fromStdString(env("TESS_XMPP_ADDRESS")),
                        QString::fromStdString(env("TESS_XMPP_PORT")))
                   .toUtf8());
    return path;
}

// The window's thread: the longest gap between ticks of a 5 ms timer, beyond the 5 ms.
struct StallMeter {
    QTimer timer;
    QElapsedTimer clock;
    qint64 last = 0;
    double longest = 0;
    void start() {
        clock.start();
        timer.setTimerType(Qt::PreciseTimer);
        QObject::connect(&timer, &QTimer::timeout, [this] {
            const qint64 now = clock.nsecsElapsed();
            longest = std::max(longest, (now - last) / 1e6 - 5.0);
            last = now;
        });
        last = clock.nsecsElapsed();
        timer.start(5);
    }
};

bool waitFor(QElapsedTimer& clock, qint64 untilMs, const std::function<bool()>& done) {
    while (!done()) {
        if (clock.elapsed() > untilMs) return false;
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    }
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    const int occupants = argc > 1 ? std::atoi(argv[1]) : 5000;
    const int tables = std::min(occupants, argc > 2 ? std::atoi(argv[2]) : 1000);
    const int fillSeconds = argc > 3 ? std::atoi(argv[3]) : 600;
    if (env("TESS_XMPP_DOMAIN").empty()) {
        std::fprintf(stderr, "online_room: run inside tests/online/xmpp_lab.sh\n");
        return 2;
    }
    // A crowd process that died is counted by what it told, not fatal to the figures.
    std::signal(SIGPIPE, SIG_IGN);
    // Forked before any thread exists; the crowd waits for its first word.
    Children crowd = startCrowd(occupants, tables);
    std::atomic<int> joined{0}, lost{0};
    std::vector<std::thread> readers;
    for (int fd : crowd.from)
        readers.emplace_back([fd, &joined, &lost] {
            char buf[256];
            ssize_t n;
            while ((n = read(fd, buf, sizeof buf)) > 0)
                for (ssize_t i = 0; i < n; ++i)
                    (buf[i] == 'j' ? joined : lost)++;
        });
    // Closing the word pipes ends the crowd; its ending ends the readers.
    auto endCrowd = [&] {
        for (int fd : crowd.go)
            close(fd);
        for (pid_t pid : crowd.pids)
            waitpid(pid, nullptr, 0);
        for (std::thread& t : readers)
            t.join();
    };

    QApplication app(argc, argv);
    QTimer wake;  // the waits below look at the clock at least this often
    wake.start(20);
    QTemporaryDir dir;
    tess::OnlineLobby lobby;
    tess::Tonline window(settingsFor(dir), lobby);
    window.show();
    window.findChild<QLineEdit*>(QStringLiteral("edit_name"))->setText(QStringLiteral("Watcher"));
    window.connectClick();
    QElapsedTimer clock;
    clock.start();
    if (!waitFor(clock, 30000, [&] { return lobby.state() == tess::OnlineLobby::State::inRoom; })) {
        std::fprintf(stderr, "online_room: the window did not get into the room\n");
        endCrowd();
        return 1;
    }
    const long peakBefore = peakKb();
    StallMeter meter;
    meter.start();
    auto shownTables = [&] { return window.tableList()->topLevelItemCount(); };
    auto shownPeople = [&] { return window.peopleList()->count(); };

    clock.restart();
    qint64 allTablesAt = -1;
    auto watchTables = [&] {
        if (allTablesAt < 0 && shownTables() >= tables) allTablesAt = clock.elapsed();
        return false;
    };
    for (int fd : crowd.go)
        (void)!write(fd, "s", 1);
    // The room fills: every occupant in, or lost, or out of time.
    waitFor(clock, fillSeconds * 1000LL, [&] {
        watchTables();
        return joined + lost >= occupants;
    });
    const double fillS = clock.elapsed() / 1000.0;
    const int inRoom = joined;
    // The window catches up with everyone that got in.
    const int tablesIn = std::min(inRoom, tables);
    waitFor(clock, clock.elapsed() + 60000, [&] {
        watchTables();
        return shownTables() >= tablesIn && shownPeople() >= inRoom + 1;
    });
    const double stallFill = meter.longest;
    for (int fd : crowd.go)
        (void)!write(fd, "f", 1);
    // The flood has passed when every table shows its last seat count.
    const QString lastSeats = QStringLiteral("%1 of 4").arg(1 + floodRounds % 4);
    auto settled = [&] {
        QTreeWidget* list = window.tableList();
        int done = 0;
        for (int i = 0; i < list->topLevelItemCount(); ++i)
            done += list->topLevelItem(i)->text(1) == lastSeats;
        return done >= tablesIn;
    };
    QElapsedTimer flood;
    flood.start();
    const bool floodShown = waitFor(clock, clock.elapsed() + 60000, settled);
    const double floodS = flood.elapsed() / 1000.0;
    // A second more: whatever the window still had queued.
    waitFor(clock, clock.elapsed() + 1000, [] { return false; });
    const long peakAfter = peakKb();
    const bool stillIn = lobby.state() == tess::OnlineLobby::State::inRoom;

    std::printf("online_room_occupants_in_room: %d of %d (%d tables asked, %.1f s to fill)\n",
                inRoom, occupants, tables, fillS);
    std::printf("online_room_longest_stall_ms: %.1f ms (target <= 100 ms; while filling %.1f ms)\n",
                meter.longest, stallFill);
    std::printf("online_room_peak_rss_kb: %ld kB before, %ld kB after\n", peakBefore, peakAfter);
    std::printf("online_room_shown: %d tables, %d people (the window's own name included)\n",
                shownTables(), shownPeople());
    if (allTablesAt >= 0)
        std::printf("online_room_all_tables_shown_s: %.1f s from the first join\n",
                    allTablesAt / 1000.0);
    else
        std::printf("online_room_all_tables_shown_s: never (%d of %d)\n", shownTables(), tables);
    std::printf("online_room_flood_shown_s: %.1f s until %d seat changes were shown%s\n", floodS,
                floodRounds * tablesIn, floodShown ? "" : " (not all were)");
    std::fflush(stdout);

    endCrowd();
    if (!stillIn) std::fprintf(stderr, "online_room: the window left the room\n");
    return stillIn && inRoom > 0 ? 0 : 1;
}
