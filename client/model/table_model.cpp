#include "client/model/table_model.h"

#include <utility>

#include "wire/commands.h"

namespace tess {

const std::array<std::string, 4> TableModel::defaultnames{"Orvane", "Klot", "Klick", "Kling"};

std::string TableModel::botName(int seat) {
    if (seat < 2 || seat > wire::seatCount) return {};
    return defaultnames[static_cast<std::size_t>(seat - 1)];
}

TableModel::TableModel(TableEvents& events) : events_(events) {
    // Until the own seat is known, seat n stands at screen position n.
    for (int n = 1; n <= wire::seatCount; ++n)
        control(n).hint = botName(n);
    // The window may still be under construction: nothing is reported from here.
    Batch batch(report_);
    clearall();
    report_.discard();
}

void TableModel::setConnection(int mySlot) {
    Batch batch(report_);
    mySlot_ = mySlot;
    connected_ = true;
    touch(areaMenu);
}

void TableModel::setHosting(bool hosting) {
    Batch batch(report_);
    hosting_ = hosting;
    startVisible_ = hosting;
    touch(areaButtons);
}

// --- Seats ---

int TableModel::screenPosition(int seat) const {
    if (seat < 1 || seat > wire::seatCount) return 0;
    return (seat - ownSeat_ + wire::seatCount) % wire::seatCount + 1;
}

int TableModel::seatAt(int position) const {
    if (position < 1 || position > wire::seatCount) return 0;
    return (ownSeat_ - 1 + position - 1) % wire::seatCount + 1;
}

SeatView& TableModel::control(int seat) {
    const int position = screenPosition(seat);
    return controls_[static_cast<std::size_t>(position == 0 ? 0 : position - 1)];
}

const SeatView& TableModel::seat(int seat) const {
    return const_cast<TableModel*>(this)->control(seat);
}

const SeatView& TableModel::atPosition(int position) const {
    if (position < 1 || position > wire::seatCount) position = 1;
    return controls_[static_cast<std::size_t>(position - 1)];
}

void TableModel::sortstuff(int ownSlot) {
    Batch batch(report_);
    // The controls stay at their places; which seat each place stands for changes, and
    // the bot name goes with the seat, so every window at the table shows the same bot
    // under the same name.
    ownSeat_ = ownSlot >= 1 && ownSlot <= wire::seatCount ? ownSlot : 1;
    for (int n = 1; n <= wire::seatCount; ++n) {
        SeatView& c = control(n);
        const bool showedBot = !c.hint.empty() && c.name == c.hint;
        c.hint = botName(n);
        if (showedBot) c.name = c.hint.empty() ? std::string(waiting) : c.hint;
    }
    touch(areaSeats);
}

void TableModel::seatJoined(int slot, const std::string& name, bool watching) {
    if (slot < 1 || slot > wire::seatCount) return;
    Batch batch(report_);
    SeatView& c = control(slot);
    c.name = name;
    if (watching) c.eyes = true;
    touch(areaSeats);
}

void TableModel::seatLeft(int slot) {
    if (slot < 1 || slot > wire::seatCount) return;
    Batch batch(report_);
    SeatView& c = control(slot);
    if (c.name != waiting && c.name != c.hint) say(c.name + " disconnected.");
    // Seat 2 always plays, by the bot when nobody sits there.
    c.name = slot == 2 ? c.hint : std::string(waiting);
    c.eyes = false;
    touch(areaSeats);
}

// --- Shared steps ---

void TableModel::say(const std::string& text) { events_.notice("0+" + text); }

void TableModel::sound(const std::string& name) { events_.playSound(name); }

void TableModel::setStatus(std::string text, bool ownTurn) {
    status_ = std::move(text);
    ownTurnMarker_ = ownTurn;
    touch(areaCaptions);
}

void TableModel::setDone(bool shown) {
    doneVisible_ = shown;
    touch(areaButtons);
}

void TableModel::setTimePerTurn(int seconds) {
    timePerTurn_ = seconds;
    timePerTurnText_ = "Time Per Turn: " + std::to_string(seconds) + "secs";
    countdown_.setTimePerTurn(seconds);
    touch(areaCaptions | areaCountdown);
}

void TableModel::startCountdown() {
    countdown_.start();
    events_.turnTimer(true);
    touch(areaCountdown);
}

void TableModel::stopCountdown() {
    if (!countdown_.running()) return;
    countdown_.stop();
    events_.turnTimer(false);
    touch(areaCountdown);
}

void TableModel::showBotName(SeatView& c) {
    if (c.name != waiting || c.hint.empty()) return;
    c.name = c.hint;
    touch(areaSeats);
}

void TableModel::redrawFan(int seat, int count) {
    SeatView& c = control(seat);
    c.fanCount = count;
    c.fanBacks = count;
    c.fanWidth = layout::fanWidth(count);
    c.cardCount = std::to_string(count);
    touch(areaSeats);
}

void TableModel::takeFromFan(int seat) {
    const SeatView& c = control(seat);
    redrawFan(seat, c.fanCount > 0 ? c.fanCount - 1 : 0);
}

void TableModel::takeFromHand(int position) {
    hand_.remove(position);
    input_.forgetCard();
    input_.allow(true);
    touch(areaHand);
}

void TableModel::clearall() {
    Batch batch(report_);
    for (SeatView& c : controls_) {
        c.score = "0";
        c.cardCount.clear();
    }
    touch(areaSeats);
    clearit();
}

void TableModel::clearit() {
    Batch batch(report_);
    input_.hideKings();
    hand_.clear();
    input_.forgetCard();  // no card left to be raised
    tabs_.fill({});
    foundations_.fill(0);
    for (SeatView& c : controls_) {
        c.fanCount = 0;
        c.fanBacks = 0;
        c.winner = false;
    }
    drawPileEmpty_ = false;
    touch(areaSeats | areaBoard | areaHand);
}

// --- Countdown ---

void TableModel::endOwnTurn() {
    Batch batch(report_);
    stopCountdown();
    setDone(false);
}

void TableModel::turntimerTimer() {
    Batch batch(report_);
    const TurnCountdown::Tick tick = countdown_.tick();
    if (!tick.warn && !tick.expired) {
        if (countdown_.running()) touch(areaCountdown);
        return;
    }
    touch(areaCountdown);
    if (tick.warn) sound("time");
    if (!tick.expired) return;
    events_.turnTimer(false);
    const int seat = turnseat_;
    turnseat_ = 0;
    setDone(false);
    // Until the host's own limit (a few seconds more) the player may still move or end
    // the turn; the status line says why the clock stands at nought. The keyboard stays
    // where the user left it.
    if (ownTurnMarker_) {
        sound("timeup");
        setStatus("Your time ran out. Your turn passes in a moment.");
    } else if (seat >= 1 && seat <= wire::seatCount && status_ == control(seat).name + "'s turn.") {
        setStatus(control(seat).name + "'s time ran out. The turn passes in a moment.");
    }
}

}  // namespace tess
