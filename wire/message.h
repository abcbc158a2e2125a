// Building messages: a command word, "+"-separated fields, and the 0xFF terminator.
#pragma once

#include <string>
#include <string_view>

namespace tess::wire {

inline constexpr char terminator = '\xFF';

// Appends fields to a command word. Every field is written as "+" and its text, so
// lists are built by adding entries one after another.
//
//   Message(cmd::nextplayer).add(2).endWithPlus()  ->  "CMD_nextplayer+2+\xFF"
//   Message(cmd::sendlogininfo).add(3).end()      ->  "CMD_sendlogininfo+3\xFF"
class Message {
public:
    explicit Message(std::string_view word) : text_(word) {}

    Message& add(std::string_view field);
    Message& add(const char* field) { return add(std::string_view(field)); }
    Message& add(const std::string& field) { return add(std::string_view(field)); }
    Message& add(long long number);
    Message& add(int number) { return add(static_cast<long long>(number)); }
    // Appends text verbatim, for entries that bring their own separators.
    Message& raw(std::string_view text);

    // The message with its terminator.
    std::string end() const;
    // The message with a trailing "+" (an empty last field) and its terminator.
    std::string endWithPlus() const;

private:
    std::string text_;
};

}  // namespace tess::wire
