// A move's round trip through the real client: the main window hosts the table in the
// same process, as a solo game does; each time from the tab spot's click handler until
// the client's table model has applied the host's CMD_playhand (the client's dispatch,
// the model and the repaint request included), taken when the event that applied it
// returns. The time until that repaint has been drawn too is printed beside it. Next to
// it, the floor: a request and its answer between two bare Qt sockets on loopback, each
// handled in readyRead. Prints the median and 99th percentile over 2,000 moves (or argv[1]).
#include <QApplication>
#include <QElapsedTimer>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTemporaryDir>
#include <algorithm>
#include <array>
#include <cstdio>
#include <functional>
#include <vector>

#include "bench/solo_table.h"
#include "client/model/table_layout.h"
#include "client/table/tchat.h"
#include "engine/virtual_clock.h"
#include "net/server.h"

namespace {

using namespace tess;

// Notes the moment an event leaves `done` true: the move is applied when the event
// that handled CMD_playhand returns, not once the loop has also drawn the result.
class TimedApplication : public QApplication {
public:
    using QApplication::QApplication;

    void watch(std::function<bool()> done) {
        done_ = std::move(done);
        doneAt_ = 0;
        clock_.start();
    }
    // Nanoseconds from watch() until an event made `done` true; 0 while it has not.
    qint64 doneAfterNs() const { return doneAt_; }
    qint64 elapsedNs() const { return clock_.nsecsElapsed(); }

    bool notify(QObject* receiver, QEvent* event) override {
        const bool result = QApplication::notify(receiver, event);
        if (done_ && doneAt_ == 0 && done_()) {
            doneAt_ = clock_.nsecsElapsed();
            done_ = nullptr;
        }
        return result;
    }

private:
    std::function<bool()> done_;
    qint64 doneAt_ = 0;
    QElapsedTimer clock_;
};

void report(const char* name, std::vector<double> ms) {
    std::sort(ms.begin(), ms.end());
    std::printf("%s_median: %.3f ms\n", name, ms[ms.size() / 2]);
    std::printf("%s_p99: %.3f ms\n", name, ms[ms.size() * 99 / 100]);
}

std::vector<double> bareSockets(int rounds) {
    QTcpServer server;
    server.listen(QHostAddress::LocalHost, 0);
    QTcpSocket client;
    client.connectToHost(QHostAddress::LocalHost, server.serverPort());
    runUntil([&] { return server.hasPendingConnections(); });
    QTcpSocket* peer = server.nextPendingConnection();
    QObject::connect(peer, &QTcpSocket::readyRead, [peer] { peer->write(peer->readAll()); });
    bool answered = false;
    QObject::connect(&client, &QTcpSocket::readyRead, [&] {
        client.readAll();
        answered = true;
    });
    std::vector<double> ms;
    QElapsedTimer timer;
    for (int i = 0; i < rounds; ++i) {
        answered = false;
        timer.start();
        client.write("CMD_handplay+1+1+1+\xFF");
        if (!runUntil([&] { return answered; })) break;
        ms.push_back(static_cast<double>(timer.nsecsElapsed()) / 1e6);
    }
    return ms;
}

}  // namespace

int main(int argc, char** argv) {
    TimedApplication app(argc, argv);
    SoloTable solo;
    Tchat& window = solo.window;
    TableModel& table = window.model();
    if (!solo.loggedIn()) {
        std::fprintf(stderr, "move_round_trip: the window did not log in\n");
        return 1;
    }

    const int moves = argc > 1 ? std::max(1, std::atoi(argv[1])) : 2000;
    std::vector<double> ms, painted;
    ms.reserve(moves);
    painted.reserve(moves);
    for (int i = 0; i < moves; ++i) {
        if (!solo.deal()) {
            std::fprintf(stderr, "move_round_trip: the new deal did not come\n");
            return 1;
        }
        table.input().pressHandCard(1, MoveInput::Button::left);
        // A user raises the card well before clicking the spot: its repaint is done.
        QCoreApplication::processEvents();
        app.watch([&] { return table.tab(1).top != 0; });
        table.input().clickTabSpot(1);
        if (!runUntil([&] { return app.doneAfterNs() != 0; })) {
            std::fprintf(stderr, "move_round_trip: the move did not come back\n");
            return 1;
        }
        // The loop that applied the move has drawn it by now as well.
        painted.push_back(static_cast<double>(app.elapsedNs()) / 1e6);
        ms.push_back(static_cast<double>(app.doneAfterNs()) / 1e6);
    }
    report("move_round_trip", ms);
    report("move_round_trip_painted", painted);
    report("move_round_trip_floor", bareSockets(moves));
    return 0;
}
