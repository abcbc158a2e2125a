// The user's side of play: what a press on a hand card or a click on a tab spot, a
// foundation, the draw pile or the kings panel does. It keeps the selection (the
// raised card, the selected tab spot and its frame) and whether the user may move now,
// makes the checks the client can make itself, and sends the move requests. The host's
// announcements reach it through the few calls in its second section.
#pragma once

#include <string>

#include "client/model/table_layout.h"

namespace tess {

class ChangeReport;
class HandModel;
class TableEvents;
class TableModel;

class MoveInput {
public:
    enum class Button { left, right, middle };

    // Reads the board from `table` and ends the own turn on it; raises, lowers and
    // sorts the cards of `hand`.
    MoveInput(TableModel& table, HandModel& hand, TableEvents& events, ChangeReport& report);
    MoveInput(const MoveInput&) = delete;
    MoveInput& operator=(const MoveInput&) = delete;

    // --- What the user does ---
    // A press on the hand card of hand position `position`: the left button raises it
    // (or lowers it again), the right button sorts the hand.
    void pressHandCard(int position, Button button);
    // A click on tab spot 1-4: plays the raised card or the selected pile onto it, or
    // selects its pile.
    void clickTabSpot(int spot);
    // A click on foundation 1-4: plays the raised card or the selected pile onto it.
    void clickFoundation(int foundation);
    // A click on the draw pile or DONE: draws a card, which ends the turn.
    void clickDrawPile();
    // OK on the kings panel.
    void dismissKings();
    // Options > Just Watch: asks the host to switch the own seat.
    void toggleJustWatch();

    // --- What the host's announcements do ---
    // The local player may move (the own turn began, the own move was accepted) or not.
    void allow(bool canact);
    // No card raised, no spot selected.
    void dropSelection();
    // No tab spot selected; a raised card stays.
    void dropTab();
    // The raised card is no longer in the hand (played, or the hand was cleared).
    void forgetCard() { selectedcard_ = 0; }
    void hideKings();

    // --- What to draw ---
    bool canact() const { return canact_; }
    int selectedcard() const { return selectedcard_; }
    int selectedtab() const { return selectedtab_; }
    bool kingsVisible() const { return kingsVisible_; }
    const std::string& kingsText() const { return kingsText_; }
    bool highlightVisible() const { return highlightVisible_; }
    const layout::Rect& highlight() const { return highlight_; }

private:
    void showKings(std::string text);
    void hideHighlight();
    void highliteit(int spot);
    bool sendLine(std::string line);
    // True when the user may not move now; says so when another seat has the turn.
    bool refuseOutOfTurn();
    // The raised card or the selected pile's first card onto a tab spot or a
    // foundation; true when the request was sent.
    bool tryTab(int card, int spot, std::string request);
    bool tryFoundation(int card, int foundation, std::string request);

    TableModel& table_;
    HandModel& hand_;
    TableEvents& events_;
    ChangeReport& report_;

    bool canact_ = false;
    int selectedcard_ = 0;
    int selectedtab_ = 0;
    bool kingsVisible_ = false;
    std::string kingsText_;
    bool highlightVisible_ = false;
    layout::Rect highlight_{0, 0, 0, 0};
};

}  // namespace tess
