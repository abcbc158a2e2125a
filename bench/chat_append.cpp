// Adding a line to a chat that already holds 5,000 lines, with the events (layout and
// paint) processed after each line, as a user's window does: like the program, it paints
// each window at most once a frame, so the figure is the mean per line, the paints
// included. Next to it, the floor: the same text appended to a bare QTextBrowser in one
// format, painted after every line as bare Qt does. Then 2,000 lines whose colour
// alternates against 2,000 lines of one colour, and how many paints each took.
#include <QApplication>
#include <QElapsedTimer>
#include <QScrollBar>
#include <QTextBrowser>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <string>

#include "shell/paint_pacer.h"
#include "social/chat_view.h"

namespace {

std::string chatLine(int i) {
    const int slot = 1 + i % 9;
    return std::to_string(slot) + "+Player" + std::to_string(slot) + " chats: line " +
           std::to_string(i) + " with a few words :)#1" + std::to_string(i % 10);
}

// Counts paints, so a figure that painted nothing is seen.
class PaintCounter : public QObject {
public:
    int paints = 0;

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint) ++paints;
        return false;
    }
};

void settle() {
    QCoreApplication::sendPostedEvents();
    QCoreApplication::processEvents();
}

// Waits for the paint the pacer holds until the end of the frame, and lets it happen.
void finishFrame(const tess::PaintPacer& pacer) {
    while (pacer.waiting() > 0)
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    settle();
}

// Milliseconds per line of `samples` lines, each `add` followed by processing events,
// and at the end the paint still held for the last frame: the mean, since a window that
// paints once a frame pays the paint on some lines only.
double meanMs(int from, int samples, const std::function<void(int)>& add,
              const tess::PaintPacer& pacer) {
    QElapsedTimer timer;
    timer.start();
    for (int i = from; i < from + samples; ++i) {
        add(i);
        settle();
    }
    finishFrame(pacer);
    return static_cast<double>(timer.nsecsElapsed()) / 1e6 / samples;
}

// Total milliseconds of `lines` lines into a fresh view, each followed by its events.
double chatOfLines(int lines, bool alternate, const tess::PaintPacer& pacer, int& paints) {
    tess::ChatView view;
    view.resize(278, 427);
    view.show();
    PaintCounter counter;
    view.viewport()->installEventFilter(&counter);
    tess::LinkCounter links;
    settle();
    QElapsedTimer timer;
    timer.start();
    for (int i = 0; i < lines; ++i) {
        const tess::ColourValue colour = alternate && i % 2 ? tess::clRed : tess::clBlue;
        view.addLine(tess::layoutChatLine("3+Mallory chats: line " + std::to_string(i), links),
                     colour);
        settle();
    }
    finishFrame(pacer);
    paints = counter.paints;
    return static_cast<double>(timer.nsecsElapsed()) / 1e6;
}

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    tess::PaintPacer pacer;  // as the program does: each window paints at most once a frame
    app.installEventFilter(&pacer);
    // The lines held, the lines timed, the lines of the colour comparison.
    const int held = argc > 1 ? std::max(1, std::atoi(argv[1])) : 5000;
    const int samples = argc > 2 ? std::max(1, std::atoi(argv[2])) : 300;
    const int lines = argc > 3 ? std::max(1, std::atoi(argv[3])) : 2000;

    PaintCounter counter;
    double chat = 0, floor = 0;
    int chatPaints = 0;
    {
        tess::ChatView view;
        view.resize(278, 427);
        view.show();
        view.viewport()->installEventFilter(&counter);
        tess::LinkCounter links;
        for (int i = 0; i < held; ++i)
            view.addLine(tess::layoutChatLine(chatLine(i), links), tess::clBlack);
        settle();
        counter.paints = 0;
        chat = meanMs(
            held, samples,
            [&](int i) { view.addLine(tess::layoutChatLine(chatLine(i), links), tess::clBlack); },
            pacer);
        chatPaints = counter.paints;
    }
    {
        app.removeEventFilter(&pacer);  // bare Qt paints after every line
        QTextBrowser bare;
        bare.resize(278, 427);
        bare.show();
        const auto add = [&](int i) {
            bare.append(QString::fromStdString(chatLine(i)));
            bare.verticalScrollBar()->setValue(bare.verticalScrollBar()->maximum());
        };
        for (int i = 0; i < held; ++i)
            add(i);
        settle();
        floor = meanMs(held, samples, add, pacer);
        app.installEventFilter(&pacer);
    }
    std::printf("chat_append_ms_at_5000_lines: %.3f ms\n", chat);
    std::printf("chat_append_floor_ms_at_5000_lines: %.3f ms\n", floor);
    std::printf("chat_append_paints_per_line: %.2f paints\n",
                static_cast<double>(chatPaints) / samples);

    int onePaints = 0, alternatingPaints = 0;
    const double oneColour = chatOfLines(lines, false, pacer, onePaints);
    const double alternating = chatOfLines(lines, true, pacer, alternatingPaints);
    std::printf("chat_2000_lines_one_colour_ms: %.0f ms\n", oneColour);
    std::printf("chat_2000_lines_alternating_colour_ms: %.0f ms\n", alternating);
    std::printf("chat_alternating_vs_one_colour: %.2f x\n", alternating / oneColour);
    std::printf("chat_2000_lines_paints: %d one colour, %d alternating\n", onePaints,
                alternatingPaints);
    return 0;
}
