#include "wire/message.h"

namespace tess::wire {

Message& Message::add(std::string_view field) {
    text_ += '+';
    text_ += field;
    return *this;
}

Message& Message::add(long long number) { return add(std::to_string(number)); }

Message& Message::raw(std::string_view text) {
    text_ += text;
    return *this;
}

std::string Message::end() const { return text_ + terminator; }

std::string Message::endWithPlus() const { return text_ + '+' + terminator; }

}  // namespace tess::wire
