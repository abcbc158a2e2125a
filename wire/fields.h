// Reading a received line: the command word, then fields one by one.
#pragma once

#include <stdexcept>
#include <string>
#include <string_view>

namespace tess::wire {

// A line split at its first "+": the command word and everything after it. A line
// without any "+" has an empty word and is dropped by the dispatchers.
struct CommandLine {
    std::string_view word;
    std::string_view rest;
};
CommandLine splitCommand(std::string_view line);

// A field that should hold a number does not. Ends the handler reading it.
class FieldError : public std::runtime_error {
public:
    explicit FieldError(std::string_view field);
};

// Parses a decimal integer (optional sign, digits, within 32 bits); nothing else.
bool parseNumber(std::string_view text, int& value);

// Takes fields off the front of a line's rest, each up to the next "+".
class FieldReader {
public:
    explicit FieldReader(std::string_view rest) : rest_(rest) {}

    // The text before the next "+", which is consumed too; without a "+", all that is
    // left.
    std::string_view text();
    // The next field as a number; throws FieldError when it is not one.
    int number();
    // Everything not read yet.
    std::string_view remainder() const { return rest_; }

private:
    std::string_view rest_;
};

}  // namespace tess::wire
