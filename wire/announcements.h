// What the host tells its clients: one struct per message, its fields in the order they
// travel. `encode` builds the message with its terminator, `decode` reads the fields
// after the command word and throws FieldError where a number is not one. Ranges are
// the receiver's to check.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "wire/commands.h"
#include "wire/requests.h"

namespace tess::wire {

struct SendLoginInfo {
    static constexpr std::string_view word = cmd::sendlogininfo;
    int slot = 0;
    std::string encode() const;
    static SendLoginInfo decode(std::string_view rest);
    bool operator==(const SendLoginInfo&) const = default;
};

struct Full {
    static constexpr std::string_view word = cmd::full;
    std::string encode() const;
    static Full decode(std::string_view) { return {}; }
    bool operator==(const Full&) const = default;
};

struct NewPlayerInfo {
    static constexpr std::string_view word = cmd::newplayerinfo;
    int slot = 0;
    std::string name;
    std::string encode() const;
    static NewPlayerInfo decode(std::string_view rest);
    bool operator==(const NewPlayerInfo&) const = default;
};

// The other connections in use, in slot order. Reading stops at the first entry whose
// slot is not a number.
struct ExistingPlayers {
    static constexpr std::string_view word = cmd::existingplayers;
    struct Player {
        int slot = 0;
        std::string name;
        bool watching = false;
        bool operator==(const Player&) const = default;
    };
    std::vector<Player> players;
    std::string encode() const;
    static ExistingPlayers decode(std::string_view rest);
    bool operator==(const ExistingPlayers&) const = default;
};

struct HaveWrongVersion {
    static constexpr std::string_view word = cmd::havewrongversion;
    std::string name;
    std::string encode() const;
    static HaveWrongVersion decode(std::string_view rest);
    bool operator==(const HaveWrongVersion&) const = default;
};

struct WrongVersion {
    static constexpr std::string_view word = cmd::wrongversion;
    std::string encode() const;
    static WrongVersion decode(std::string_view) { return {}; }
    bool operator==(const WrongVersion&) const = default;
};

struct PlayerDisconnected {
    static constexpr std::string_view word = cmd::playerdisconnected;
    int slot = 0;
    std::string name;
    std::string encode() const;
    static PlayerDisconnected decode(std::string_view rest);
    bool operator==(const PlayerDisconnected&) const = default;
};

struct JustWatching {
    static constexpr std::string_view word = cmd::justwatching;
    int seat = 0;
    bool watching = false;
    std::string encode() const;
    static JustWatching decode(std::string_view rest);
    bool operator==(const JustWatching&) const = default;
};

// Throws FieldError for a playing flag other than "t" or "f".
struct RoundStart {
    static constexpr std::string_view word = cmd::roundstart;
    struct Seat {
        int seat = 0;
        bool playing = false;
        bool operator==(const Seat&) const = default;
    };
    int round = 0;
    int pot = 0;
    std::vector<Seat> seats;
    std::string encode() const;
    static RoundStart decode(std::string_view rest);
    bool operator==(const RoundStart&) const = default;
};

// A numbered place and the card on it: a tab spot or a hand position.
struct PlacedCard {
    int place = 0;
    int card = 0;
    bool operator==(const PlacedCard&) const = default;
};

struct FoundCards {
    static constexpr std::string_view word = cmd::foundcards;
    std::vector<PlacedCard> spots;
    std::string encode() const;
    static FoundCards decode(std::string_view rest);
    bool operator==(const FoundCards&) const = default;
};

struct MyCards {
    static constexpr std::string_view word = cmd::mycards;
    int seat = 0;
    std::vector<PlacedCard> cards;
    std::string encode() const;
    static MyCards decode(std::string_view rest);
    bool operator==(const MyCards&) const = default;
};

struct NextPlayer {
    static constexpr std::string_view word = cmd::nextplayer;
    int seat = 0;
    std::string encode() const;
    static NextPlayer decode(std::string_view rest);
    bool operator==(const NextPlayer&) const = default;
};

struct PlayHand {
    static constexpr std::string_view word = cmd::playhand;
    int seat = 0;
    int spot = 0;
    int count = 0;  // cards in the spot now
    int card = 0;   // the spot's top card
    int position = 0;
    std::string encode() const;
    static PlayHand decode(std::string_view rest);
    bool operator==(const PlayHand&) const = default;
};

struct PlayTab {
    static constexpr std::string_view word = cmd::playtab;
    int seat = 0;
    int from = 0;
    int to = 0;
    int first = 0;  // bottom card of the to-spot
    int top = 0;
    int count = 0;
    std::string encode() const;
    static PlayTab decode(std::string_view rest);
    bool operator==(const PlayTab&) const = default;
};

struct FoundCard {
    static constexpr std::string_view word = cmd::foundcard;
    int seat = 0;
    int foundation = 0;
    int card = 0;  // now on the foundation
    int position = 0;
    std::string encode() const;
    static FoundCard decode(std::string_view rest);
    bool operator==(const FoundCard&) const = default;
};

// The fifth value is the king that started an empty foundation, otherwise 0; clients
// ignore it.
struct FoundTab {
    static constexpr std::string_view word = cmd::foundtab;
    int seat = 0;
    int foundation = 0;
    int card = 0;
    int spot = 0;
    int fifth = 0;
    std::string encode() const;
    static FoundTab decode(std::string_view rest);
    bool operator==(const FoundTab&) const = default;
};

// The drawn card is told only to its owner; everybody else gets position and card 0.
struct Ending {
    static constexpr std::string_view word = cmd::ending;
    int seat = 0;
    int position = 0;
    int card = 0;
    int pot = 0;
    std::string encode() const;
    static Ending decode(std::string_view rest);
    bool operator==(const Ending&) const = default;
};

struct NoMoreCards {
    static constexpr std::string_view word = cmd::nomorecards;
    std::string encode() const;
    static NoMoreCards decode(std::string_view) { return {}; }
    bool operator==(const NoMoreCards&) const = default;
};

struct EndRound {
    static constexpr std::string_view word = cmd::endround;
    int seat = 0;
    int pot = 0;
    int score = 0;
    std::string encode() const;
    static EndRound decode(std::string_view rest);
    bool operator==(const EndRound&) const = default;
};

struct Winner {
    static constexpr std::string_view word = cmd::winner;
    int seat = 0;
    std::string encode() const;
    static Winner decode(std::string_view rest);
    bool operator==(const Winner&) const = default;
};

// The whole visible table for a late joiner. Entries are "p" seat cards score t/f,
// "f" foundation card 0 "a", and "t" spot first top "a".
struct GameStats {
    static constexpr std::string_view word = cmd::gamestats;
    struct Entry {
        char kind = 0;
        int n = 0;
        int a = 0;
        int b = 0;
        std::string last;
        bool operator==(const Entry&) const = default;
    };
    int slot = 0;
    int playToScore = 0;
    int timePerTurn = 0;
    long long secondsLeft = 0;  // time per turn + 4 may exceed 32 bits
    int pot = 0;
    int cardsTaken = 0;
    int turnSeat = 0;
    std::vector<Entry> entries;
    std::string encode() const;
    // Throws FieldError for an entry whose kind is not one letter.
    static GameStats decode(std::string_view rest);
    bool operator==(const GameStats&) const = default;
};

}  // namespace tess::wire
