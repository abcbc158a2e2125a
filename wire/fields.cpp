#include "wire/fields.h"

#include <limits>

namespace tess::wire {

CommandLine splitCommand(std::string_view line) {
    const auto plus = line.find('+');
    if (plus == std::string_view::npos) return {{}, {}};
    return {line.substr(0, plus), line.substr(plus + 1)};
}

namespace {
std::string describe(std::string_view field) {
    constexpr std::size_t shown = 40;  // keep log lines short whatever a peer sends
    std::string text(field.substr(0, shown));
    if (field.size() > shown) text += "...";
    return "'" + text + "' is not a valid integer value";
}
}  // namespace

FieldError::FieldError(std::string_view field) : std::runtime_error(describe(field)) {}

bool parseNumber(std::string_view text, int& value) {
    std::size_t i = 0;
    bool negative = false;
    if (i < text.size() && (text[i] == '-' || text[i] == '+')) {
        negative = text[i] == '-';
        ++i;
    }
    if (i == text.size()) return false;
    long long magnitude = 0;
    const long long limit = negative ? -static_cast<long long>(std::numeric_limits<int>::min())
                                     : std::numeric_limits<int>::max();
    for (; i < text.size(); ++i) {
        const char c = text[i];
        if (c < '0' || c > '9') return false;
        magnitude = magnitude * 10 + (c - '0');
        if (magnitude > limit) return false;
    }
    value = static_cast<int>(negative ? -magnitude : magnitude);
    return true;
}

std::string_view FieldReader::text() {
    const auto plus = rest_.find('+');
    std::string_view field = rest_.substr(0, plus);
    rest_ = plus == std::string_view::npos ? std::string_view{} : rest_.substr(plus + 1);
    return field;
}

int FieldReader::number() {
    const std::string_view field = text();
    int value = 0;
    if (!parseNumber(field, value)) throw FieldError(field);
    return value;
}

}  // namespace tess::wire
