// The host's announcements of the game's course: start, rounds, turns, draws, round
// ends, the winner, and the whole table for a late joiner.
#include <vector>

#include "client/table_fields.h"
#include "client/table_model.h"

namespace tess {

using namespace table_fields;
using wire::FieldReader;

bool TableModel::startthegame(std::string_view data) {
    FieldReader f(data);
    const std::string name(f.text());
    const int playTo = f.number();
    const int seconds = f.number();
    if (!isAmount(playTo) || !isAmount(seconds)) return false;

    Batch batch(*this);
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
    if (mySlot_ < 1 || mySlot_ > seatcount || control(mySlot_).name != name)
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
    FieldReader f(data);
    f.number();  // the round number is not shown
    const int pot = f.number();
    if (!isAmount(pot)) return false;
    std::vector<std::pair<int, bool>> seats;
    while (!f.remainder().empty()) {
        const int seat = f.number();
        const int playing = flag(f.text());
        if (!isSeat(seat) || playing < 0) return false;
        seats.emplace_back(seat, playing == 1);
    }

    Batch batch(*this);
    clearit();
    setDone(false);
    for (const auto& [seat, playing] : seats) {
        SeatView& c = control(seat);
        c.notPlaying = !playing;
        if (!playing) {
            c.fanBacks = 0;
            c.cardCount.clear();
        } else if (!isMe(seat)) {
            redrawFan(seat, 7);
        }
    }
    pot_ = pot;
    selectedtab_ = 0;
    hideHighlight();
    touch(areaSeats | areaCaptions);
    return true;
}

bool TableModel::getnextplayer(std::string_view data) {
    FieldReader f(data);
    const int seat = f.number();
    if (!isSeat(seat)) return false;

    Batch batch(*this);
    stopCountdown();
    turnseat_ = seat;
    for (SeatView& c : controls_)
        c.turn = false;
    SeatView& c = control(seat);
    if (c.name == waiting && !c.hint.empty()) c.name = c.hint;
    c.turn = true;
    touch(areaSeats);
    if (isMe(seat)) {
        canact_ = true;
        dropSelection();
        setStatus("Your Turn. Draw a card to end your turn.", true);
        setDone(true);
        sound(turnSound_ == 1 ? "turnnew" : "turn");
    } else {
        // Another seat's turn: nothing the local player does counts now.
        canact_ = false;
        setStatus(c.name + "'s turn.");
    }
    countdown_.setTimeLeft(timePerTurn_);
    startCountdown();
    return true;
}

bool TableModel::ending(std::string_view data) {
    FieldReader f(data);
    const int seat = f.number();
    const int position = f.number();
    const int card = f.number();
    const int pot = f.number();
    if (!isSeat(seat) || !within(position, 0, handPositions) || !isCardOrNone(card) ||
        !isAmount(pot))
        return false;

    Batch batch(*this);
    stopCountdown();
    setDone(false);
    pot_ = pot;
    touch(areaCaptions);
    sound("getcard");
    if (isMe(seat)) {
        // Position 0 and card 0: the hand was full and took no card.
        if (position != 0 && card != 0) hand_.createcard(position, card);
        canact_ = false;
        dropSelection();
        setStatus("You ended your turn.");
        return true;
    }
    setStatus(control(seat).name + " ended their turn.");
    const int count = control(seat).fanCount;
    redrawFan(seat, count < handPositions ? count + 1 : count);
    return true;
}

bool TableModel::endround(std::string_view data) {
    FieldReader f(data);
    const int seat = f.number();
    const int pot = f.number();
    const int score = f.number();
    if (!isSeat(seat) || !isAmount(pot) || !isAmount(score)) return false;

    Batch batch(*this);
    setDone(false);
    stopCountdown();
    canact_ = false;
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
    Batch batch(*this);
    setStatus("No Cards Left, Pot will roll over. Please Wait...");
    turnseat_ = 0;
    canact_ = false;
    drawPileEmpty_ = true;
    touch(areaBoard);
    sound("roundover");
    return true;
}

bool TableModel::winner(std::string_view data) {
    FieldReader f(data);
    const int seat = f.number();
    if (!isSeat(seat)) return false;

    Batch batch(*this);
    stopCountdown();
    setDone(false);
    canact_ = false;  // the game is over; nobody moves on this table any more
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
    if (mySlot_ >= 1 && mySlot_ <= seatcount) events_.addGame(isMe(seat) ? "addtomine" : c.name);
    return true;
}

bool TableModel::justwatching(std::string_view data) {
    FieldReader f(data);
    const int seat = f.number();
    const bool watching = f.text() == "1";
    if (!isSeat(seat)) return false;

    Batch batch(*this);
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
struct StatsEntry {
    char kind;
    int n;
    int a;
    int b;
    int playing;
};

bool readEntry(FieldReader& f, StatsEntry& e) {
    const std::string_view kind = f.text();
    e.n = f.number();
    e.a = f.number();
    e.b = f.number();
    const std::string_view last = f.text();
    if (kind.size() != 1 || !isSeat(e.n)) return false;
    e.kind = kind[0];
    e.playing = flag(last);
    switch (e.kind) {
        case 'p':
            return isHandCount(e.a) && isAmount(e.b) && e.playing >= 0;
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
    FieldReader f(data);
    if (f.number() != mySlot_) return true;  // meant for another connection
    const int playTo = f.number();
    const int seconds = f.number();
    const int secondsLeft = f.number();
    const int pot = f.number();
    const int taken = f.number();
    const int turn = f.number();
    if (!isAmount(playTo) || !isAmount(seconds) || !isAmount(pot) || !isAmount(taken) ||
        !within(turn, 0, seats))
        return false;
    std::vector<StatsEntry> entries;
    while (!f.remainder().empty()) {
        StatsEntry e{};
        if (!readEntry(f, e)) return false;
        entries.push_back(e);
    }

    Batch batch(*this);
    turnseat_ = turn;
    playToScoreText_ = "Play to Score: " + std::to_string(playTo);
    setTimePerTurn(seconds);
    // The host counts 4 seconds more than it shows.
    countdown_.setTimeLeft(secondsLeft - 4);
    pot_ = pot;
    // Nothing taken yet (no deal), or every card taken: no card is left to draw. The
    // host keeps counting draw attempts past the last card.
    if (taken == 0 || taken >= deckCards) drawPileEmpty_ = true;
    if (isSeat(turn)) control(turn).turn = true;
    touch(areaSeats | areaBoard | areaCaptions);
    for (const StatsEntry& e : entries)
        applyStats(e.kind, e.n, e.a, e.b, e.playing == 1);
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
    } else if (!isMe(n)) {
        redrawFan(n, a);
    }
}

}  // namespace tess
