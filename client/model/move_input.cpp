#include "client/model/move_input.h"

#include "client/model/change_report.h"
#include "client/model/hand_model.h"
#include "client/model/table_events.h"
#include "client/model/table_fields.h"
#include "client/model/table_model.h"
#include "wire/cards.h"
#include "wire/requests.h"

namespace tess {

using namespace table_fields;
namespace {
const std::string kingsOnTab = "Kings can only be placed on foundation spots.";
const std::string kingFirst = "Kings must be moved to foundation before you can play that card.";
// Why a move was refused, in the status line.
const std::string notOneLower = "Cards must be one lower and of the other colour";
const std::string onlyKings = "Only kings go on an empty foundation";
const std::string kingsToFoundations = "Kings go on foundations";
const std::string notYourTurn = "It is not your turn";
}  // namespace

MoveInput::MoveInput(TableModel& table, HandModel& hand, TableEvents& events, ChangeReport& report)
    : table_(table), hand_(hand), events_(events), report_(report) {}

// --- What the host's announcements do ---

void MoveInput::allow(bool canact) { canact_ = canact; }

void MoveInput::dropSelection() {
    ChangeReport::Scope scope(report_);
    if (selectedcard_ != 0) hand_.lower(selectedcard_);
    selectedcard_ = 0;
    selectedtab_ = 0;
    hideHighlight();
    report_.touch(areaHand);
}

void MoveInput::dropTab() {
    ChangeReport::Scope scope(report_);
    selectedtab_ = 0;
    hideHighlight();
}

void MoveInput::hideKings() {
    if (!kingsVisible_) return;
    ChangeReport::Scope scope(report_);
    kingsVisible_ = false;
    report_.touch(areaKings);
}

void MoveInput::showKings(std::string text) {
    kingsText_ = std::move(text);
    kingsVisible_ = true;
    report_.touch(areaKings);
}

void MoveInput::hideHighlight() {
    highlightVisible_ = false;
    report_.touch(areaSelection);
}

// --- What the user does ---

bool MoveInput::sendLine(std::string text) {
    if (!table_.connected()) return false;
    events_.send(text);
    return true;
}

void MoveInput::pressHandCard(int position, Button button) {
    ChangeReport::Scope scope(report_);
    hideKings();
    if (button == Button::right) {
        hand_.sortthem();
        // Sorting shows every card lowered, so none stays selected behind the look.
        selectedcard_ = 0;
        report_.touch(areaHand);
    }
    selectedtab_ = 0;
    hideHighlight();
    if (button != Button::left || refuseOutOfTurn() || !table_.connected()) return;
    const HandCard* card = hand_.find(position);
    if (card == nullptr) return;
    if (card->top == layout::handTop) {
        if (selectedcard_ != 0) hand_.lower(selectedcard_);
        hand_.raise(position);
        selectedcard_ = position;
    } else {
        hand_.lower(position);
        selectedcard_ = 0;
    }
    report_.touch(areaHand);
}

// The four checks of a card (or a pile's first card) onto a tab spot.
bool MoveInput::tryTab(int card, int spot, std::string request) {
    const TabSpotView& tab = table_.tab(spot);
    const int target = tab.top != 0 ? tab.top : tab.first;
    if (target == 0 && isKing(card)) {
        showKings(kingsOnTab);
    } else if (isKing(target)) {
        showKings(kingFirst);
    } else if (isCard(card) && (target == 0 || fitsOn(card, target))) {
        canact_ = false;
        return sendLine(std::move(request));
    } else if (isCard(card)) {
        // A king fits on no card: its place is a foundation.
        events_.moveRefused(isKing(card) ? kingsToFoundations : notOneLower);
    }
    events_.playSound("invalid");
    return false;
}

// A move tried outside the own turn (and not while the own move is on its way).
bool MoveInput::refuseOutOfTurn() {
    if (canact_) return false;
    if (table_.connected() && !table_.spectator() && table_.turnseat() != 0 &&
        table_.turnseat() != table_.mySlot())
        events_.moveRefused(notYourTurn);
    return true;
}

void MoveInput::clickTabSpot(int spot) {
    ChangeReport::Scope scope(report_);
    hideKings();
    if (!isSpot(spot) || refuseOutOfTurn()) return;
    if (spot == selectedtab_) {
        selectedtab_ = 0;
        hideHighlight();
        return;
    }
    const int mySlot = table_.mySlot();
    const HandCard* card = selectedcard_ != 0 ? hand_.find(selectedcard_) : nullptr;
    if (card != nullptr) {
        tryTab(card->card, spot, wire::lineOf(wire::HandPlay{mySlot, selectedcard_, spot}));
    } else if (selectedtab_ != 0) {
        tryTab(table_.tab(selectedtab_).first, spot,
               wire::lineOf(wire::TabPlay{mySlot, selectedtab_, spot}));
    } else if (table_.tab(spot).first != 0 || table_.tab(spot).top != 0) {
        selectedtab_ = spot;
        highliteit(spot);
    } else {
        events_.messageBox("You cannot select that");
    }
}

void MoveInput::highliteit(int spot) {
    const TabSpotView& t = table_.tab(spot);
    if (t.first == 0) {
        events_.messageBox("empty");
        return;
    }
    highlight_ = layout::highlight(spot, t.top != 0);
    highlightVisible_ = true;
    report_.touch(areaSelection);
}

bool MoveInput::tryFoundation(int card, int found, std::string request) {
    const int top = table_.foundation(found);
    const bool fits = top == 0 ? isKing(card) : fitsOn(card, top);
    if (fits) {
        canact_ = false;
        return sendLine(std::move(request));
    }
    if (isCard(card)) events_.moveRefused(top == 0 ? onlyKings : notOneLower);
    events_.playSound("invalid");
    return false;
}

void MoveInput::clickFoundation(int found) {
    ChangeReport::Scope scope(report_);
    hideKings();
    if (!isSpot(found) || refuseOutOfTurn()) return;
    if (isAce(table_.foundation(found))) {
        events_.messageBox("filled");
        return;
    }
    const int mySlot = table_.mySlot();
    const HandCard* card = selectedcard_ != 0 ? hand_.find(selectedcard_) : nullptr;
    if (card != nullptr) {
        tryFoundation(card->card, found,
                      wire::lineOf(wire::HandFound{mySlot, selectedcard_, found}));
    } else if (selectedtab_ != 0) {
        tryFoundation(table_.tab(selectedtab_).first, found,
                      wire::lineOf(wire::TabFound{mySlot, selectedtab_, found}));
    } else {
        events_.playSound("invalid");
    }
}

void MoveInput::clickDrawPile() {
    if (refuseOutOfTurn()) return;
    ChangeReport::Scope scope(report_);
    canact_ = false;
    dropSelection();
    sendLine(wire::lineOf(wire::EndTurn{table_.mySlot()}));
    table_.endOwnTurn();
}

void MoveInput::dismissKings() {
    ChangeReport::Scope scope(report_);
    hideKings();
}

void MoveInput::toggleJustWatch() {
    const int mySlot = table_.mySlot();
    if (!table_.connected() || mySlot < 1 || mySlot > wire::seatCount) return;
    sendLine(wire::lineOf(wire::JustWatch{mySlot, table_.justWatchChecked() ? 2 : 1}));
}

}  // namespace tess
