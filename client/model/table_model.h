// The client's picture of the table. It holds no game of its own: it mirrors what the
// host announces, seat by seat; the user's moves go through its MoveInput. No widgets
// and no timers: the view draws what the getters return when told which areas changed,
// and calls turntimerTimer() once a second while the countdown runs.
#pragma once

#include <array>
#include <string>
#include <string_view>

#include "client/model/change_report.h"
#include "client/model/hand_model.h"
#include "client/model/move_input.h"
#include "client/model/table_events.h"
#include "client/model/table_layout.h"
#include "client/model/turn_countdown.h"
#include "wire/limits.h"

namespace tess {

// The controls of one seat at one screen position. The hint (the name a bot shows there)
// belongs to the seat number, whatever place the seat is drawn at.
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
    // The name a bot plays seat 2-4 under, the same in every window; seat 1 has none.
    static std::string botName(int seat);

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
    // 1) see seat k at position k. A label that showed a bot shows its new seat's bot.
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
    // The user's presses and clicks, the selection and whether a move may be made now.
    MoveInput& input() { return input_; }
    const MoveInput& input() const { return input_; }
    // The user drew from the pile: the countdown stops and DONE hides.
    void endOwnTurn();
    // One second of the turn countdown.
    void turntimerTimer();

    // --- What to draw ---
    int mySlot() const { return mySlot_; }
    bool connected() const { return connected_; }
    bool hosting() const { return hosting_; }
    bool spectator() const { return mySlot_ > wire::seatCount; }
    int turnseat() const { return turnseat_; }
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
    bool doneVisible() const { return doneVisible_; }
    bool startVisible() const { return startVisible_; }
    bool justWatchChecked() const { return justWatchChecked_; }

    const HandModel& hand() const { return hand_; }
    const TurnCountdown& countdown() const { return countdown_; }

private:
    using Batch = ChangeReport::Scope;
    void touch(unsigned areas) { report_.touch(areas); }
    SeatView& control(int seat);
    bool isMe(int seat) const { return seat == mySlot_; }
    void say(const std::string& text);
    void sound(const std::string& name);
    void setStatus(std::string text, bool ownTurn = false);
    void setDone(bool shown);
    void setTimePerTurn(int seconds);
    void startCountdown();
    void stopCountdown();
    // A seat showing nobody takes the bot name of its place.
    void showBotName(SeatView& c);
    void redrawFan(int seat, int count);
    void takeFromFan(int seat);
    void takeFromHand(int position);
    void applyStats(char kind, int n, int a, int b, bool playing);

    TableEvents& events_;
    ChangeReport report_{events_};

    int mySlot_ = 0;
    bool connected_ = false;
    bool hosting_ = false;
    int turnseat_ = 0;
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
    bool doneVisible_ = false;
    bool startVisible_ = false;

    HandModel hand_;
    TurnCountdown countdown_;
    MoveInput input_{*this, hand_, events_, report_};
};

}  // namespace tess
