// What the table model and the user's move input tell the window around them, and
// which areas of the table a change touched.
#pragma once

#include <string>

namespace tess {

// Areas of the table a change touched; the view redraws only these.
enum TableArea : unsigned {
    areaSeats = 1u << 0,      // names, scores, card counts, fans, arrows, eyes, banners
    areaBoard = 1u << 1,      // tab spots, foundations, draw pile
    areaHand = 1u << 2,       // the local hand
    areaCountdown = 1u << 3,  // time bar and time text
    areaCaptions = 1u << 4,   // pot, play to score, time per turn, status line
    areaKings = 1u << 5,      // the kings message panel
    areaButtons = 1u << 6,    // DONE and START GAME
    areaSelection = 1u << 7,  // the frame around a selected tab spot
    areaMenu = 1u << 8,       // the Just Watch check
};

// What the model needs from the window around it. Every call happens inside a model
// call, on the same thread; changed() comes once, last, per model call.
class TableEvents {
public:
    virtual ~TableEvents() = default;
    // A chat notice, "0+" and its text.
    virtual void notice(const std::string&) {}
    virtual void playSound(const std::string&) {}
    // A line for the host, without its terminator.
    virtual void send(const std::string&) {}
    // A one-line message box; only ever in answer to the local user's own click.
    virtual void messageBox(const std::string&) {}
    // The client refused a move of the user's; says why for a few seconds.
    virtual void moveRefused(const std::string& /*reason*/) {}
    // A finished game for the tally: "addtomine" when the local player won, else the
    // winner's name.
    virtual void addGame(const std::string&) {}
    // Start (anew, so the first tick comes a full second later) or stop the one-second
    // timer that calls turntimerTimer().
    virtual void turnTimer(bool /*run*/) {}
    virtual void changed(unsigned /*areas*/) {}
};

}  // namespace tess
