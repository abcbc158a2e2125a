// Adding a line to a chat that already holds 5,000 lines, with the events (layout and
// paint) processed after each line, as a user's window does. Next to it, the floor: the
// same text appended to a bare QTextBrowser in one format. Then 2,000 lines whose
// colour alternates against 2,000 lines of one colour.
#include <QApplication>
#include <QElapsedTimer>
#include <QScrollBar>
#include <QTextBrowser>
#include <algorithm>
#include <cstdio>
#include <functional>
#include <string>
#include <vector>

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

// Median milliseconds of one `add` followed by processing events, over `samples` lines.
double medianMs(int from, int samples, const std::function<void(int)>& add) {
    std::vector<double> ms;
    QElapsedTimer timer;
    for (int i = from; i < from + samples; ++i) {
        timer.start();
        add(i);
        settle();
        ms.push_back(static_cast<double>(timer.nsecsElapsed()) / 1e6);
    }
    std::sort(ms.begin(), ms.end());
    return ms[ms.size() / 2];
}

// Total milliseconds of `lines` lines into a fresh view, each followed by its events.
double chatOfLines(int lines, bool alternate) {
    tess::ChatView view;
    view.resize(278, 427);
    view.show();
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
    return static_cast<double>(timer.nsecsElapsed()) / 1e6;
}

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    constexpr int held = 5000, samples = 300;

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
        chat = medianMs(held, samples, [&](int i) {
            view.addLine(tess::layoutChatLine(chatLine(i), links), tess::clBlack);
        });
        chatPaints = counter.paints;
    }
    {
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
        floor = medianMs(held, samples, add);
    }
    std::printf("chat_append_ms_at_5000_lines: %.3f ms\n", chat);
    std::printf("chat_append_floor_ms_at_5000_lines: %.3f ms\n", floor);
    std::printf("chat_append_paints_per_line: %.2f paints\n",
                static_cast<double>(chatPaints) / samples);

    const double oneColour = chatOfLines(2000, false);
    const double alternating = chatOfLines(2000, true);
    std::printf("chat_2000_lines_one_colour_ms: %.0f ms\n", oneColour);
    std::printf("chat_2000_lines_alternating_colour_ms: %.0f ms\n", alternating);
    std::printf("chat_alternating_vs_one_colour: %.2f x\n", alternating / oneColour);
    return 0;
}
