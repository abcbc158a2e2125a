// Adding a line to a chat that already holds 5,000 lines, offscreen. Prints the mean
// time of a line whose sender's colour is unchanged, and of one that recolours its
// sender's earlier lines.
#include <QApplication>
#include <QElapsedTimer>
#include <cstdio>
#include <string>

#include "social/chat_view.h"

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    tess::ChatView view;
    view.resize(278, 427);
    view.show();
    tess::LinkCounter links;
    const auto add = [&](int i, tess::ColourValue colour) {
        const int slot = 1 + i % 9;
        view.addLine(tess::layoutChatLine(std::to_string(slot) + "+Player" + std::to_string(slot) +
                                              " chats: line " + std::to_string(i) +
                                              " with a few words :)#1" + std::to_string(i % 10),
                                          links),
                     colour);
    };
    for (int i = 0; i < 5000; ++i)
        add(i, tess::clBlack);
    app.processEvents();

    constexpr int samples = 200;
    QElapsedTimer timer;
    timer.start();
    for (int i = 5000; i < 5000 + samples; ++i)
        add(i, tess::clBlack);
    const double same = static_cast<double>(timer.nsecsElapsed()) / 1e6 / samples;

    constexpr int recolours = 20;
    timer.start();
    for (int i = 0; i < recolours; ++i)
        add(9 * i, i % 2 == 0 ? tess::clBlue : tess::clRed);
    const double recoloured = static_cast<double>(timer.nsecsElapsed()) / 1e6 / recolours;

    std::printf("chat_append_ms_at_5000_lines: %.3f ms\n", same);
    std::printf("chat_append_recolour_ms_at_5000_lines: %.3f ms\n", recoloured);
    return 0;
}
