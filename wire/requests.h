// What a client asks of the host: one struct per message, its fields in the order they
// travel. `encode` builds the message with its terminator, `decode` reads the fields
// after the command word and throws FieldError where a number is not one. Ranges are
// the receiver's to check.
#pragma once

#include <string>
#include <string_view>

#include "wire/commands.h"
#include "wire/limits.h"

namespace tess::wire {

// "CMD_logininfo+" slot "+" version "+" name, followed by an empty message.
struct LoginInfo {
    static constexpr std::string_view word = cmd::logininfo;
    int slot = 0;
    std::string version;
    std::string name;  // everything after the second "+"
    std::string encode() const;
    static LoginInfo decode(std::string_view rest);
    bool operator==(const LoginInfo&) const = default;
};

// A chat or action line: the slot, then text that runs to the end of the message (the
// line, "|" and the sender's colour). The host relays it with the sender's name in front.
struct Chat {
    static constexpr std::string_view word = cmd::chat;
    int slot = 0;
    std::string text;
    std::string encode() const;
    static Chat decode(std::string_view rest);
    bool operator==(const Chat&) const = default;
};

struct Action {
    static constexpr std::string_view word = cmd::action;
    int slot = 0;
    std::string text;
    std::string encode() const;
    static Action decode(std::string_view rest);
    bool operator==(const Action&) const = default;
};

// A chatter sound for every table: "wave" and its number.
struct PlayASound {
    static constexpr std::string_view word = cmd::playasound;
    int slot = 0;
    std::string sound;
    std::string encode() const;
    static PlayASound decode(std::string_view rest);
    bool operator==(const PlayASound&) const = default;
};

struct KickHim {
    static constexpr std::string_view word = cmd::kickhim;
    int slot = 0;
    int target = 0;
    std::string encode() const;
    static KickHim decode(std::string_view rest);
    bool operator==(const KickHim&) const = default;
};

// Watching: 1 starts, 2 stops, 0 is anything else that arrived.
struct JustWatch {
    static constexpr std::string_view word = cmd::justwatch;
    int seat = 0;
    int mode = 0;
    std::string encode() const;
    static JustWatch decode(std::string_view rest);
    bool operator==(const JustWatch&) const = default;
};

// The start request, and the host's announcement of the started game. Unreadable numbers
// mean the defaults, as the host has always taken them. The players at the table travel
// only when they are not two, so a two-player start is the request every copy knows;
// absent, unreadable or out of range, they are two.
struct StartGame {
    static constexpr std::string_view word = cmd::startgame;
    static constexpr int defaultPlayToScore = 5;
    static constexpr int defaultTimePerTurn = 90;
    std::string name;
    int playToScore = defaultPlayToScore;
    int timePerTurn = defaultTimePerTurn;
    int tablePlayers = minTablePlayers;
    std::string encode() const;
    // `strict`, as a client reads the host's announcement: a score or time that is not a
    // number throws FieldError instead of meaning the default.
    static StartGame decode(std::string_view rest, bool strict = false);
    bool operator==(const StartGame&) const = default;
};

// The four moves: the mover's seat, where the card or pile comes from, where it goes.
struct HandPlay {
    static constexpr std::string_view word = cmd::handplay;
    int seat = 0;
    int position = 0;
    int spot = 0;
    std::string encode() const;
    static HandPlay decode(std::string_view rest);
    bool operator==(const HandPlay&) const = default;
};

struct TabPlay {
    static constexpr std::string_view word = cmd::tabplay;
    int seat = 0;
    int from = 0;
    int to = 0;
    std::string encode() const;
    static TabPlay decode(std::string_view rest);
    bool operator==(const TabPlay&) const = default;
};

struct HandFound {
    static constexpr std::string_view word = cmd::handfound;
    int seat = 0;
    int position = 0;
    int foundation = 0;
    std::string encode() const;
    static HandFound decode(std::string_view rest);
    bool operator==(const HandFound&) const = default;
};

struct TabFound {
    static constexpr std::string_view word = cmd::tabfound;
    int seat = 0;
    int spot = 0;
    int foundation = 0;
    std::string encode() const;
    static TabFound decode(std::string_view rest);
    bool operator==(const TabFound&) const = default;
};

struct EndTurn {
    static constexpr std::string_view word = cmd::endturn;
    int seat = 0;
    std::string encode() const;
    static EndTurn decode(std::string_view rest);
    bool operator==(const EndTurn&) const = default;
};

// The message without its last terminator, for a connection that adds it when sending.
template <class M>
std::string lineOf(const M& message) {
    std::string text = message.encode();
    text.pop_back();
    return text;
}

}  // namespace tess::wire
