// The host's announcements of the game's course: start, rounds, turns, draws, round
// ends, the winner, and the whole table for a late joiner.
#include <vector>

#include "client/model/table_fields.h"
#include "client/model/table_model.h"
#include "wire/announcements.h"

namespace tess {

using namespace table_fields;

bool TableModel::startthegame(std::string_view data) {
    const wire::StartGame start = wire::StartGame::decode(data, true);
    const std::string& name = start.name;
    const int playTo = start.playToScore;
    const int seconds = start.timePerTurn;
    if (!isAmount(playTo) || !isAmount(seconds)) return false;

    Batch batch(report_);
    stopCountdown();
    setDone(false);
    startVisible_ = false;
    justWatchChecked_ = false;
    touch(areaMenu);
    clearall();
    // The host clears every seat's just-watching flag when a game starts.
    for (SeatView& c : controls_)
        c.eyes = false;
    setTimePerTurn(seconds);
    if (mySlot_ < 1 || mySlot_ > wire::seatCount || control(mySlot_).name != name)
        say(name + " has started a game.");
    else
        say("You have started a game.");
    playToScoreText_ = "Play To Score: " + std::to_string(playTo);
    touch(areaCaptions);
    if (control(2).name == waiting) {
        control(2).name = "Klot";
        say("You are playing against Klot the bot. Good Luck!");
    }
    return true;
}

bool TableModel::roundstart(std::string_view data) {
    const wire::RoundStart round = wire::RoundStart::decode(data);  // its number is not shown
    const int pot = round.pot;
    if (!isAmount(pot)) return false;
    for (const wire::RoundStart::Seat& s : round.seats)
        if (!isSeat(s.seat)) return false;

    Batch batch(report_);
    clearit();
    setDone(false);
    for (const auto& [seat, playing] : round.seats) {
        SeatView& c = control(seat);
        c.notPlaying = !playing;
        if (!playing) {
            c.fanBacks = 0;
            c.cardCount.clear();
        } else {
            // A bot plays a seat nobody sits at: its place's bot name shows from the deal.
            showBotName(c);
            if (!isMe(seat)) redrawFan(seat, 7);
        }
    }
    pot_ = pot;
    input_.dropTab();
    touch(areaSeats | areaCaptions);
    return true;
}

bool TableModel::getnextplayer(std::string_view data) {
    const int seat = wire::NextPlayer::decode(data).seat;
    if (!isSeat(seat)) return false;

    Batch batch(report_);
    stopCountdown();
    turnseat_ = seat;
    for (SeatView& c : controls_)
        c.turn = false;
    SeatView& c = control(seat);
    showBotName(c);
    c.turn = true;
    touch(areaSeats);
    if (isMe(seat)) {
        input_.allow(true);
        input_.dropSelection();
        setStatus("Your Turn. Draw a card to end your turn.", true);
        setDone(true);
        sound(turnSound_ == 1 ? "turnnew" : "turn");
    } else {
        // Another seat's turn: nothing the local player does counts now.
        input_.allow(false);
        setStatus(c.name + "'s turn.");
    }
    countdown_.setTimeLeft(timePerTurn_);
    startCountdown();
    return true;
}

bool TableModel::ending(std::string_view data) {
    const auto [seat, position, card, pot] = wire::Ending::decode(data);
    if (!isSeat(seat) || !within(position, 0, wire::handSize) || !isCardOrNone(card) ||
        !isAmount(pot))
        return false;

    Batch batch(report_);
    stopCountdown();
    setDone(false);
    pot_ = pot;
    touch(areaCaptions);
    sound("getcard");
    if (isMe(seat)) {
        // Position 0 and card 0: the hand was full and took no card.
        if (position != 0 && card != 0) hand_.createcard(position, card);
        input_.allow(false);
        input_.dropSelection();
        setStatus("You ended your turn.");
        return true;
    }
    setStatus(control(seat).name + " ended their turn.");
    const int count = control(seat).fanCount;
    redrawFan(seat, count < wire::handSize ? count + 1 : count);
    return true;
}

bool TableModel::endround(std::string_view data) {
    const auto [seat, pot, score] = wire::EndRound::decode(data);
    if (!isSeat(seat) || !isAmount(pot) || !isAmount(score)) return false;

    Batch batch(report_);
    setDone(false);
    stopCountdown();
    input_.allow(false);
    turnseat_ = 0;
    pot_ = pot;
    SeatView& c = control(seat);
    c.score = std::to_string(score);
    touch(areaSeats | areaCaptions);
    const std::string points = " +" + std::to_string(pot) + " points.";
    if (isMe(seat)) {
        setStatus("You used all your cards." + points);
    } else {
        c.cardCount.clear();
        setStatus(c.name + " used all their cards." + points);
    }
    sound("roundover");
    return true;
}

bool TableModel::nomorecards(std::string_view) {
    Batch batch(report_);
    setStatus("No Cards Left, Pot will roll over. Please Wait...");
    turnseat_ = 0;
    input_.allow(false);
    drawPileEmpty_ = true;
    touch(areaBoard);
    sound("roundover");
    return true;
}

bool TableModel::winner(std::string_view data) {
    const int seat = wire::Winner::decode(data).seat;
    if (!isSeat(seat)) return false;

    Batch batch(report_);
    stopCountdown();
    setDone(false);
    input_.allow(false);  // the game is over; nobody moves on this table any more
    sound("winner");
    SeatView& c = control(seat);
    say(isMe(seat) ? std::string("You have Won the Game!") : c.name + " has Won the Game!");
    setStatus("Game Over!");
    c.winner = true;
    touch(areaSeats);
    if (hosting_) {
        startVisible_ = true;
        touch(areaButtons);
    }
    if (mySlot_ >= 1 && mySlot_ <= wire::seatCount)
        events_.addGame(isMe(seat) ? "addtomine" : c.name);
    return true;
}

bool TableModel::justwatching(std::string_view data) {
    const auto [seat, watching] = wire::JustWatching::decode(data);
    if (!isSeat(seat)) return false;

    Batch batch(report_);
    SeatView& c = control(seat);
    if (isMe(seat)) {
        justWatchChecked_ = watching;
        touch(areaMenu);
    }
    say(c.name + (watching ? " is just watching" : " is now playing again"));
    c.eyes = watching;
    touch(areaSeats);
    return true;
}

namespace {
// One entry of the late joiner's table: "p" seat cards score t/f, "f" foundation card 0
// a, "t" spot first top a.
bool validEntry(const wire::GameStats::Entry& e) {
    if (!isSeat(e.n)) return false;
    switch (e.kind) {
        case 'p':
            return isHandCount(e.a) && isAmount(e.b) && flag(e.last) >= 0;
        case 'f':
            return isCardOrNone(e.a);
        case 't':
            return isCardOrNone(e.a) && isCardOrNone(e.b);
        default:
            return false;
    }
}
}  // namespace

bool TableModel::gamestats(std::string_view data) {
    const wire::GameStats stats = wire::GameStats::decode(data);
    if (stats.slot != mySlot_) return true;  // meant for another connection
    const int playTo = stats.playToScore;
    const int seconds = stats.timePerTurn;
    const int pot = stats.pot;
    const int taken = stats.cardsTaken;
    const int turn = stats.turnSeat;
    if (!isAmount(playTo) || !isAmount(seconds) || !isAmount(pot) || !isAmount(taken) ||
        !within(turn, 0, wire::seatCount))
        return false;
    for (const wire::GameStats::Entry& e : stats.entries)
        if (!validEntry(e)) return false;

    Batch batch(report_);
    turnseat_ = turn;
    playToScoreText_ = "Play to Score: " + std::to_string(playTo);
    setTimePerTurn(seconds);
    // The host counts 4 seconds more than it shows.
    countdown_.setTimeLeft(static_cast<int>(stats.secondsLeft) - 4);
    pot_ = pot;
    // Nothing taken yet (no deal), or every card taken: no card is left to draw. The
    // host keeps counting draw attempts past the last card.
    if (taken == 0 || taken >= deckSize) drawPileEmpty_ = true;
    if (isSeat(turn)) control(turn).turn = true;
    touch(areaSeats | areaBoard | areaCaptions);
    for (const wire::GameStats::Entry& e : stats.entries)
        applyStats(e.kind, e.n, e.a, e.b, flag(e.last) == 1);
    if (countdown_.timeleft() > 0) startCountdown();
    return true;
}

void TableModel::applyStats(char kind, int n, int a, int b, bool playing) {
    if (kind == 'f') {
        foundations_[static_cast<std::size_t>(n - 1)] = a;
        return;
    }
    if (kind == 't') {
        tabs_[static_cast<std::size_t>(n - 1)] = {a, b};
        return;
    }
    SeatView& c = control(n);
    if (a > 0) c.cardCount = std::to_string(a);
    c.score = std::to_string(b);
    if (!playing) {
        c.fanBacks = 0;
        c.fanCount = 0;
        c.notPlaying = true;
        if (isMe(n)) say("You can play the next round.");
    } else {
        showBotName(c);
        if (!isMe(n)) redrawFan(n, a);
    }
}

}  // namespace tess
