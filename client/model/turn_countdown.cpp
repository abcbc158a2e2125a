#include "client/model/turn_countdown.h"

#include <algorithm>

namespace tess {

int TurnCountdown::pixelsPerSecond(int seconds) {
    return seconds >= 1 && seconds < barMax ? barMax / seconds : 1;
}

std::string TurnCountdown::format(int seconds) {
    const int minutes = seconds / 60;
    const int rest = seconds % 60;
    return "Time: " + std::to_string(minutes) + (rest < 10 ? ":0" : ":") + std::to_string(rest);
}

TurnCountdown::Tick TurnCountdown::tick() {
    Tick result;
    if (!running_) return result;
    --timeleft_;
    if (timeleft_ >= 1) {
        // A long turn would run the bar past its box; it stays full until it fits.
        barWidth_ = static_cast<int>(
            std::min<long long>(barMax, static_cast<long long>(pixelsPerSecond_) * timeleft_));
        white_ = timeleft_ < 20;
        result.warn = timeleft_ == 20 || timeleft_ == 15 || timeleft_ <= 10;
        text_ = format(timeleft_);
    } else {
        timeleft_ = 0;
        text_ = format(0);
        barWidth_ = 0;
        running_ = false;
        result.expired = true;
    }
    return result;
}

}  // namespace tess
