// The client's picture of the table. It holds no game of its own: it mirrors what the
// host announces, seat by seat, and turns the user's clicks into move requests after
// the checks the client can make itself. No widgets and no timers: the view draws what
// the getters return when told which areas changed, and calls turntimerTimer() once a
// second while the countdown runs.
#pragma once

#include <array>
#include <string>
#include <string_view>

#include "client/model/hand_model.h"
#include "client/model/table_layout.h"
#include "client/model/turn_countdown.h"
#include "wire/limits.h"

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
    // A finished game for the tally: "addtomine" when the local player won, else the
    // winner's name.
    virtual void addGame(const std::string&) {}
    // Start (anew, so the first tick comes a full second later) or stop the one-second
    // timer that calls turntimerTimer().
    virtual void turnTimer(bool /*run*/) {}
    // The local player's own time ran out: focus the chat input if the window is active.
    virtual void focusChat() {}
    virtual void changed(unsigned /*areas*/) {}
};

// The controls of one seat. They travel with the seat's screen position: the hint (the
// name a bot shows there) belongs to the place, not to the seat number.
struct SeatView {
    std::string name{"<Waiting>"};  // caption of the name label
    std::string hint;               // shown when a bot takes this seat
    std::string score{"0"};
    std::string cardCount;  // caption of the card count label, empty when cleared
    int fanCount = 0;       // the seat's card count as last drawn
    int fanBacks = 0;       // card backs drawn in the fan; 0 = empty picture
    int fanWidth = layout::cardWidth;
    bool turn = false;        // green arrow
    bool eyes = false;        // just watching
    bool notPlaying = false;  // NOT PLAYING banner
    bool winner = false;      // WINNER banner
};

// One tab spot as shown: its first (bottom) card and, with two or more, its top card.
struct TabSpotView {
    int first = 0;
    int top = 0;
};

class TableModel {
public:
    static constexpr std::string_view waiting = "<Waiting>";
    static const std::array<std::string, 4> defaultnames;

    explicit TableModel(TableEvents& events);

    // --- Connection (the main window's login and start mode) ---
    // The host's login request: my slot, and connected from now on.
    void setConnection(int mySlot);
    // Hosting shows START GAME.
    void setHosting(bool hosting);
    // 0 "Classic" plays "turn" when the local turn begins, 1 "New" plays "turnnew".
    void setTurnSound(int tag) { turnSound_ = tag; }

    // --- Seats ---
    // Turns the seats so that the own seat is at screen position 1; spectators (and seat
    // 1) see seat k at position k. Then a seat showing its place's bot name gets its
    // default name instead.
    void sortstuff(int ownSlot);
    // Screen position 1-4 of seat 1-4, and the seat at a position.
    int screenPosition(int seat) const;
    int seatAt(int position) const;
    // The seat part of a player list entry: the name on the seat's label, and the eyes
    // when the player is just watching. Slots above the seats are ignored.
    void seatJoined(int slot, const std::string& name, bool watching);
    // A player left: "0+<name> disconnected." unless the label showed nobody or a bot;
    // the seat shows "<Waiting>", seat 2 its bot name.
    void seatLeft(int slot);

    // --- Host announcements, called with the line after the command word and its "+".
    // Each reads all its fields before it changes anything: a field that is not a number
    // throws wire::FieldError, a number out of its range (or a wrong marker) returns
    // false; both leave the table as it was. ---
    bool startthegame(std::string_view data);
    bool roundstart(std::string_view data);
    bool getnextplayer(std::string_view data);
    bool ending(std::string_view data);
    bool endround(std::string_view data);
    bool nomorecards(std::string_view data = {});
    bool winner(std::string_view data);
    bool gamestats(std::string_view data);
    bool mycards(std::string_view data);
    bool foundcards(std::string_view data);
    bool playhand(std::string_view data);
    bool playtab(std::string_view data);
    bool foundcard(std::string_view data);
    bool foundtab(std::string_view data);
    bool justwatching(std::string_view data);

    using Handler = bool (TableModel::*)(std::string_view);

    // Empties the board and the scores (window creation, a new game); clearit empties
    // the board for a new round.
    void clearall();
    void clearit();

    // --- The user ---
    enum class Button { left, right, middle };
    // A press on the hand card of hand position `position`.
    void cardimagesMouseDown(int position, Button button);
    // A click on tab spot 1-4, on foundation 1-4, on the draw pile or DONE, on the
    // kings panel's OK.
    void image_tab22Click(int spot);
    void image_found2Click(int foundation);
    void image_topcardClick();
    void button_kingsClick();
    // Options > Just Watch: asks the host to switch the own seat.
    void JustWatch1Click();
    // One second of the turn countdown.
    void turntimerTimer();

    // --- What to draw ---
    int mySlot() const { return mySlot_; }
    bool connected() const { return connected_; }
    bool hosting() const { return hosting_; }
    bool spectator() const { return mySlot_ > wire::seatCount; }
    int turnseat() const { return turnseat_; }
    bool canact() const { return canact_; }
    int selectedcard() const { return selectedcard_; }
    int selectedtab() const { return selectedtab_; }
    int timeleft() const { return countdown_.timeleft(); }
    int turnSound() const { return turnSound_; }

    // Seat 1-4 (out of range: seat 1).
    const SeatView& seat(int seat) const;
    // The seat controls at screen position 1-4.
    const SeatView& atPosition(int position) const;

    const TabSpotView& tab(int spot) const;
    int foundation(int foundation) const;
    bool drawPileEmpty() const { return drawPileEmpty_; }
    int pot() const { return pot_; }
    const std::string& playToScoreText() const { return playToScoreText_; }
    const std::string& timePerTurnText() const { return timePerTurnText_; }
    int timePerTurn() const { return timePerTurn_; }
    const std::string& status() const { return status_; }
    bool kingsVisible() const { return kingsVisible_; }
    const std::string& kingsText() const { return kingsText_; }
    bool doneVisible() const { return doneVisible_; }
    bool startVisible() const { return startVisible_; }
    bool highlightVisible() const { return highlightVisible_; }
    const layout::Rect& highlight() const { return highlight_; }
    bool justWatchChecked() const { return justWatchChecked_; }

    const HandModel& hand() const { return hand_; }
    const TurnCountdown& countdown() const { return countdown_; }

private:
    // Collects the areas one model call changes and reports them once at its end.
    class Batch {
    public:
        explicit Batch(TableModel& model) : model_(model) { ++model_.depth_; }
        ~Batch() {
            if (--model_.depth_ != 0 || model_.dirty_ == 0) return;
            const unsigned areas = model_.dirty_;
            model_.dirty_ = 0;
            model_.events_.changed(areas);
        }
        Batch(const Batch&) = delete;
        Batch& operator=(const Batch&) = delete;

    private:
        TableModel& model_;
    };

    void touch(unsigned areas) { dirty_ |= areas; }
    SeatView& control(int seat);
    bool isMe(int seat) const { return seat == mySlot_; }
    void say(const std::string& text);
    void sound(const std::string& name);
    void setStatus(std::string text, bool ownTurn = false);
    void setDone(bool shown);
    void setTimePerTurn(int seconds);
    void startCountdown();
    void stopCountdown();
    void hideHighlight();
    void hideKings();
    void showKings(std::string text);
    void dropSelection();
    void redrawFan(int seat, int count);
    void takeFromFan(int seat);
    void takeFromHand(int position);
    void highliteit(int spot);
    void applyStats(char kind, int n, int a, int b, bool playing);
    bool sendLine(std::string line);
    // The selected card's or pile's card onto tab spot `spot`; true when it was sent.
    bool tryTab(int card, int spot, std::string line);
    bool tryFoundation(int card, int foundation, std::string line);

    TableEvents& events_;
    unsigned dirty_ = 0;
    int depth_ = 0;

    int mySlot_ = 0;
    bool connected_ = false;
    bool hosting_ = false;
    int turnseat_ = 0;
    bool canact_ = false;
    int selectedcard_ = 0;
    int selectedtab_ = 0;
    int turnSound_ = 0;
    bool ownTurnMarker_ = false;  // the status line speaks of the local player's turn
    bool justWatchChecked_ = false;

    int ownSeat_ = 1;                     // the seat shown at screen position 1
    std::array<SeatView, 4> controls_{};  // by screen position

    std::array<TabSpotView, 4> tabs_{};
    std::array<int, 4> foundations_{};
    bool drawPileEmpty_ = false;
    int pot_ = 0;
    std::string playToScoreText_{"Play to Score: 0"};
    std::string timePerTurnText_{"Time Per Turn: 60 sec"};
    int timePerTurn_ = 60;
    std::string status_{"Welcome to Tessarine"};
    bool kingsVisible_ = false;
    std::string kingsText_;
    bool doneVisible_ = false;
    bool startVisible_ = false;
    bool highlightVisible_ = false;
    layout::Rect highlight_{0, 0, 0, 0};

    HandModel hand_;
    TurnCountdown countdown_;
};

}  // namespace tess
