// The countdown shown for the running turn, whoever's it is: a shrinking bar, the time
// left as text, and when to warn. A display only; the host keeps its own limit. The
// view's one-second timer calls tick() while running() is true.
#pragma once

#include <string>

namespace tess {

class TurnCountdown {
public:
    static constexpr int barMax = 139;  // the bar's full length in pixels

    struct Tick {
        bool warn = false;     // play "time"
        bool expired = false;  // reached zero and stopped
    };

    // Pixels per second for a time per turn: 139 div seconds below 139, else 1. A time
    // per turn below 1 never sizes the bar, so it gets 1 too.
    static int pixelsPerSecond(int seconds);
    // "Time: m:ss".
    static std::string format(int seconds);

    void setTimePerTurn(int seconds) { pixelsPerSecond_ = pixelsPerSecond(seconds); }
    void setTimeLeft(int seconds) { timeleft_ = seconds < 0 ? 0 : seconds; }
    void start() { running_ = true; }
    void stop() { running_ = false; }
    // One second has passed. Does nothing while stopped.
    Tick tick();

    int timeleft() const { return timeleft_; }
    bool running() const { return running_; }
    int pixelsPerSecond() const { return pixelsPerSecond_; }
    int barWidth() const { return barWidth_; }
    const std::string& text() const { return text_; }
    // The text is white near the end, black otherwise.
    bool white() const { return white_; }

private:
    int timeleft_ = 0;
    int pixelsPerSecond_ = 2;  // for the 60 seconds shown before the first game
    int barWidth_ = barMax;
    std::string text_ = "TIME:0:00";
    bool white_ = false;
    bool running_ = false;
};

}  // namespace tess
