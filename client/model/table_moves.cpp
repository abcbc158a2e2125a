// The local hand and the moves: the host's announcements of dealt cards and accepted
// moves, and the user's clicks with the checks made before a move is sent.
#include <vector>

#include "client/model/table_fields.h"
#include "client/model/table_model.h"
#include "wire/announcements.h"
#include "wire/cards.h"
#include "wire/requests.h"

namespace tess {

using namespace table_fields;
namespace {
const std::string kingsOnTab = "Kings can only be placed on foundation spots.";
const std::string kingFirst = "Kings must be moved to foundation before you can play that card.";
}  // namespace

// --- Announcements ---

bool TableModel::mycards(std::string_view data) {
    const wire::MyCards m = wire::MyCards::decode(data);
    for (const wire::PlacedCard& c : m.cards)
        if (!isPosition(c.place) || !isCard(c.card)) return false;
    if (!isMe(m.seat)) return true;  // someone else's hand

    Batch batch(*this);
    for (const wire::PlacedCard& c : m.cards)
        hand_.createcard(c.place, c.card);
    touch(areaHand);
    return true;
}

bool TableModel::foundcards(std::string_view data) {
    const wire::FoundCards m = wire::FoundCards::decode(data);
    for (const wire::PlacedCard& c : m.spots)
        if (!isSpot(c.place) || !isCardOrNone(c.card)) return false;

    Batch batch(*this);
    dropSelection();
    for (const wire::PlacedCard& c : m.spots)
        tabs_[static_cast<std::size_t>(c.place - 1)].first = c.card;
    touch(areaBoard);
    return true;
}

bool TableModel::playhand(std::string_view data) {
    const auto [seat, spot, count, card, position] = wire::PlayHand::decode(data);
    if (!isSeat(seat) || !isSpot(spot) || !within(count, 1, deckSize) || !isCard(card) ||
        !isPosition(position))
        return false;

    Batch batch(*this);
    TabSpotView& tab = tabs_[static_cast<std::size_t>(spot - 1)];
    (count == 1 ? tab.first : tab.top) = card;
    touch(areaBoard);
    if (isMe(seat))
        takeFromHand(position);
    else
        takeFromFan(seat);
    selectedtab_ = 0;
    hideHighlight();
    sound("topile");
    return true;
}

bool TableModel::playtab(std::string_view data) {
    const auto [seat, from, to, first, top, count] = wire::PlayTab::decode(data);
    if (!isSeat(seat) || !isSpot(from) || !isSpot(to) || !isCardOrNone(first) ||
        !isCardOrNone(top) || !within(count, 0, deckSize))
        return false;

    Batch batch(*this);
    tabs_[static_cast<std::size_t>(from - 1)] = {};
    TabSpotView& dest = tabs_[static_cast<std::size_t>(to - 1)];
    dest.first = first;
    if (count > 1) dest.top = top;
    touch(areaBoard);
    selectedtab_ = 0;
    hideHighlight();
    if (isMe(seat)) canact_ = true;
    sound("topile");
    return true;
}

bool TableModel::foundcard(std::string_view data) {
    const auto [seat, found, card, position] = wire::FoundCard::decode(data);
    if (!isSeat(seat) || !isSpot(found) || !isCard(card) || !isPosition(position)) return false;

    Batch batch(*this);
    foundations_[static_cast<std::size_t>(found - 1)] = card;
    touch(areaBoard);
    if (isMe(seat))
        takeFromHand(position);
    else
        takeFromFan(seat);
    sound("tofound");
    return true;
}

bool TableModel::foundtab(std::string_view data) {
    const wire::FoundTab m = wire::FoundTab::decode(data);
    const int seat = m.seat, found = m.foundation, card = m.card, spot = m.spot;
    // The fifth field is not used.
    if (!isSeat(seat) || !isSpot(found) || !isCard(card) || !isSpot(spot)) return false;

    Batch batch(*this);
    foundations_[static_cast<std::size_t>(found - 1)] = card;
    tabs_[static_cast<std::size_t>(spot - 1)] = {};
    touch(areaBoard);
    if (isMe(seat)) canact_ = true;
    selectedtab_ = 0;
    hideHighlight();
    sound("tofound");
    return true;
}

// --- The user ---

bool TableModel::sendLine(std::string text) {
    if (!connected_) return false;
    events_.send(text);
    return true;
}

void TableModel::cardimagesMouseDown(int position, Button button) {
    Batch batch(*this);
    hideKings();
    if (button == Button::right) {
        hand_.sortthem();
        // Sorting shows every card lowered, so none stays selected behind the look.
        selectedcard_ = 0;
        touch(areaHand);
    }
    selectedtab_ = 0;
    hideHighlight();
    if (button != Button::left || !connected_ || !canact_) return;
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
    touch(areaHand);
}

// The four checks of a card (or a pile's first card) onto a tab spot.
bool TableModel::tryTab(int card, int spot, std::string request) {
    const TabSpotView& tab = tabs_[static_cast<std::size_t>(spot - 1)];
    const int target = tab.top != 0 ? tab.top : tab.first;
    if (target == 0 && isKing(card)) {
        showKings(kingsOnTab);
    } else if (isKing(target)) {
        showKings(kingFirst);
    } else if (isCard(card) && (target == 0 || fitsOn(card, target))) {
        canact_ = false;
        return sendLine(std::move(request));
    }
    sound("invalid");
    return false;
}

void TableModel::image_tab22Click(int spot) {
    Batch batch(*this);
    hideKings();
    if (!canact_ || !isSpot(spot)) return;
    if (spot == selectedtab_) {
        selectedtab_ = 0;
        hideHighlight();
        return;
    }
    const HandCard* card = selectedcard_ != 0 ? hand_.find(selectedcard_) : nullptr;
    if (card != nullptr) {
        tryTab(card->card, spot, wire::lineOf(wire::HandPlay{mySlot_, selectedcard_, spot}));
    } else if (selectedtab_ != 0) {
        tryTab(tab(selectedtab_).first, spot,
               wire::lineOf(wire::TabPlay{mySlot_, selectedtab_, spot}));
    } else if (tab(spot).first != 0 || tab(spot).top != 0) {
        selectedtab_ = spot;
        highliteit(spot);
    } else {
        events_.messageBox("You cannot select that");
    }
}

void TableModel::highliteit(int spot) {
    const TabSpotView& t = tab(spot);
    if (t.first == 0) {
        events_.messageBox("empty");
        return;
    }
    highlight_ = layout::highlight(spot, t.top != 0);
    highlightVisible_ = true;
    touch(areaSelection);
}

bool TableModel::tryFoundation(int card, int found, std::string request) {
    const int top = foundation(found);
    const bool fits = top == 0 ? isKing(card) : fitsOn(card, top);
    if (fits) {
        canact_ = false;
        return sendLine(std::move(request));
    }
    sound("invalid");
    return false;
}

void TableModel::image_found2Click(int found) {
    Batch batch(*this);
    hideKings();
    if (!canact_ || !isSpot(found)) return;
    if (isAce(foundation(found))) {
        events_.messageBox("filled");
        return;
    }
    const HandCard* card = selectedcard_ != 0 ? hand_.find(selectedcard_) : nullptr;
    if (card != nullptr) {
        tryFoundation(card->card, found,
                      wire::lineOf(wire::HandFound{mySlot_, selectedcard_, found}));
    } else if (selectedtab_ != 0) {
        tryFoundation(tab(selectedtab_).first, found,
                      wire::lineOf(wire::TabFound{mySlot_, selectedtab_, found}));
    } else {
        sound("invalid");
    }
}

void TableModel::image_topcardClick() {
    if (!canact_) return;
    Batch batch(*this);
    canact_ = false;
    dropSelection();
    sendLine(wire::lineOf(wire::EndTurn{mySlot_}));
    stopCountdown();
    setDone(false);
}

void TableModel::button_kingsClick() {
    Batch batch(*this);
    hideKings();
}

void TableModel::JustWatch1Click() {
    if (!connected_ || mySlot_ < 1 || mySlot_ > wire::seatCount) return;
    sendLine(wire::lineOf(wire::JustWatch{mySlot_, justWatchChecked_ ? 2 : 1}));
}

const TabSpotView& TableModel::tab(int spot) const {
    static const TabSpotView none;
    return isSpot(spot) ? tabs_[static_cast<std::size_t>(spot - 1)] : none;
}

int TableModel::foundation(int found) const {
    return isSpot(found) ? foundations_[static_cast<std::size_t>(found - 1)] : 0;
}

}  // namespace tess
