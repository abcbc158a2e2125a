// What painting the main window costs as it grows, on a real X server: the window hosts a
// solo table in the same process (as a solo game does) at its default size and at
// 1920x1200 (run it with QT_SCALE_FACTOR=2 for the doubled scale). Every update request
// the window handles is timed: the widgets' paint events and the flush of the painted
// pixels to the X server. A move's figure is what the window paints from the click on
// the tab spot until the table has applied the move and all that followed it; a full
// repaint is the whole window painted and flushed at once, as after an expose. Also the
// board's painted area per move and how many of its paints covered the whole board.
// Usage: bench_board_paint [MOVES] [LABEL [BASE_MS]]
//   LABEL is added to every figure's name; BASE_MS, the default size's move at scale 1
//   from another run, is what the move is compared with.
#include <QApplication>
#include <QElapsedTimer>
#include <QPaintEvent>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <string>
#include <vector>

#include "bench/solo_table.h"
#include "client/model/table_layout.h"
#include "client/table/board_view.h"
#include "client/table/tchat.h"
#include "engine/virtual_clock.h"
#include "net/server.h"

namespace {

using namespace tess;

// Times the window's update requests and notes what the board paints.
class PaintClock : public QApplication {
public:
    using QApplication::QApplication;

    QWidget* board = nullptr;
    qint64 paintNs = 0;
    long boardArea = 0;  // device pixels the board painted
    int boardPaints = 0, boardWholePaints = 0;

    void reset() { paintNs = boardArea = boardPaints = boardWholePaints = 0; }

    bool notify(QObject* receiver, QEvent* event) override {
        if (receiver == board && event->type() == QEvent::Paint) {
            const QRegion& region = static_cast<QPaintEvent*>(event)->region();
            const qreal ratio = board->devicePixelRatioF();
            for (const QRect& r : region)
                boardArea += static_cast<long>(r.width() * r.height() * ratio * ratio);
            ++boardPaints;
            if ((board->visibleRegion() - region).isEmpty()) ++boardWholePaints;
        }
        if (event->type() != QEvent::UpdateRequest || depth_ > 0)
            return QApplication::notify(receiver, event);
        ++depth_;
        QElapsedTimer clock;
        clock.start();
        const bool result = QApplication::notify(receiver, event);
        paintNs += clock.nsecsElapsed();
        --depth_;
        return result;
    }

private:
    int depth_ = 0;
};

// Everything posted handled, the paints included.
void settle(int ms = 30) {
    QElapsedTimer timer;
    timer.start();
    while (timer.elapsed() < ms)
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 5);
}

double median(std::vector<double> v) {
    if (v.empty()) return -1;
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

struct Figures {
    double fullMs = -1, firstMs = -1, moveMs = -1, moveKpx = -1;
    int wholePaints = 0;
};

class Bench {
public:
    Bench(PaintClock& app, SoloTable& solo)
        : app_(app), solo_(solo), window_(solo.window), table_(solo.window.model()) {}

    bool measure(QSize size, int moves, Figures& out) {
        // The paints a new size takes, with what they draw and keep for the next ones.
        app_.reset();
        window_.resize(size);
        settle(300);
        out.firstMs = app_.paintNs / 1e6;
        std::vector<double> full, move, area;
        for (int i = 0; i < std::max(5, moves / 4); ++i) {
            // Every widget of the window marked for painting, as an expose of it all does.
            app_.reset();
            window_.update();
            for (QWidget* w : window_.findChildren<QWidget*>())
                w->update();
            settle();
            full.push_back(app_.paintNs / 1e6);
            if (app_.boardPaints == 0) return false;
        }
        for (int i = 0; i < moves; ++i) {
            if (!solo_.deal()) return false;
            table_.input().pressHandCard(1, MoveInput::Button::left);
            settle();
            app_.reset();
            table_.input().clickTabSpot(1);
            if (!runUntil([&] { return table_.tab(1).top != 0 && solo_.quiet(); })) return false;
            settle();
            move.push_back(app_.paintNs / 1e6);
            area.push_back(app_.boardArea / 1e3);
            out.wholePaints += app_.boardWholePaints;
        }
        out.fullMs = median(full);
        out.moveMs = median(move);
        out.moveKpx = median(area);
        return true;
    }

private:
    PaintClock& app_;
    SoloTable& solo_;
    Tchat& window_;
    TableModel& table_;
};

void print(const std::string& name, const Figures& f, const Figures* base) {
    std::printf(
        "board_full_repaint_ms_%s: %.2f ms (the whole window; target at 1920x1200 <= 8 ms)\n",
        name.c_str(), f.fullMs);
    if (f.firstMs > 0)
        std::printf("board_resize_paint_ms_%s: %.2f ms (the paints of the window's new size)\n",
                    name.c_str(), f.firstMs);
    std::printf("board_move_paint_ms_%s: %.3f ms", name.c_str(), f.moveMs);
    if (base != nullptr && base->moveMs > 0)
        std::printf(" (%.2f x the default size's; target <= 2 x)", f.moveMs / base->moveMs);
    std::printf("\n");
    std::printf("board_move_painted_kpx_%s: %.1f kpx (board repaints covering it all: %d)\n",
                name.c_str(), f.moveKpx, f.wholePaints);
}

}  // namespace

int main(int argc, char** argv) {
    PaintClock app(argc, argv);
    const int moves = argc > 1 ? std::max(1, std::atoi(argv[1])) : 60;
    const std::string label = argc > 2 ? std::string("_") + argv[2] : std::string();
    SoloTable solo;
    Tchat& window = solo.window;
    app.board = window.board();
    if (!solo.loggedIn()) {
        std::fprintf(stderr, "board_paint: the window did not log in\n");
        return 1;
    }
    const QSize standard = window.size();
    Bench bench(app, solo);
    Figures atDefault, atLarge;
    if (!bench.measure(standard, moves, atDefault)) {
        std::fprintf(stderr, "board_paint: a move did not come back\n");
        return 1;
    }
    Figures base;
    base.moveMs = argc > 3 ? std::atof(argv[3]) : -1;
    print("default" + label, atDefault, label.empty() ? nullptr : &base);
    std::fflush(stdout);
    if (!label.empty()) return 0;  // another scale: the default size fills the screen
    if (!bench.measure(QSize(1920, 1200), moves, atLarge)) {
        std::fprintf(stderr, "board_paint: a move did not come back\n");
        return 1;
    }
    print("1920x1200", atLarge, &atDefault);
    return 0;
}
