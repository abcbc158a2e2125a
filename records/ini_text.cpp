#include "records/ini_text.h"

#include <algorithm>

namespace tess::ini {

namespace {

constexpr std::string_view utf8Signature = "\xEF\xBB\xBF";

bool isSpace(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }
bool isBreak(char c) { return c == '\n' || c == '\r'; }
bool isComment(char c) { return c == ';' || c == '#'; }

char lower(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

std::size_t trimEnd(std::string_view text, std::size_t begin, std::size_t end) {
    while (end > begin && isSpace(text[end - 1]))
        --end;
    return end;
}

// The line break that starts at `at`: "\r\n", "\n", "\r" or none.
std::string_view breakAt(std::string_view text, std::size_t at) {
    if (at >= text.size() || !isBreak(text[at])) return {};
    const bool pair = text[at] == '\r' && at + 1 < text.size() && text[at + 1] == '\n';
    return text.substr(at, pair ? 2 : 1);
}

std::string_view firstBreak(std::string_view text) {
    const std::size_t at = text.find_first_of("\r\n");
    return at == std::string_view::npos ? std::string_view("\n") : breakAt(text, at);
}

// After the "[" at `i`: a section entry, or nothing when the name does not end on its line.
bool scanHeader(std::string_view t, std::size_t& i, std::vector<Entry>& out) {
    ++i;
    while (i < t.size() && isSpace(t[i]))
        ++i;
    const std::size_t begin = i;
    while (i < t.size() && t[i] != ']' && !isBreak(t[i]))
        ++i;
    if (i >= t.size() || t[i] != ']') return false;
    Entry e;
    e.kind = Entry::Kind::section;
    e.name = std::string(t.substr(begin, trimEnd(t, begin, i) - begin));
    while (i < t.size() && !isBreak(t[i]))
        ++i;
    e.lineEnd = i;
    out.push_back(std::move(e));
    return true;
}

// From the first character of a key line: a key entry, or nothing for a line without "="
// or without a name.
void scanKey(std::string_view t, std::size_t& i, std::vector<Entry>& out) {
    const std::size_t begin = i;
    while (i < t.size() && t[i] != '=' && !isBreak(t[i]))
        ++i;
    if (i >= t.size() || t[i] != '=') return;
    if (i == begin) {
        while (i < t.size() && !isBreak(t[i]))
            ++i;
        return;
    }
    Entry e;
    e.name = std::string(t.substr(begin, trimEnd(t, begin, i) - begin));
    ++i;
    while (i < t.size() && !isBreak(t[i]) && isSpace(t[i]))
        ++i;
    e.valueBegin = i;
    while (i < t.size() && !isBreak(t[i]))
        ++i;
    e.lineEnd = i;
    e.valueEnd = trimEnd(t, e.valueBegin, i);
    i += breakAt(t, i).size();
    out.push_back(std::move(e));
}

}  // namespace

bool sameName(std::string_view a, std::string_view b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(),
                                              [](char x, char y) { return lower(x) == lower(y); });
}

std::vector<Entry> scan(std::string_view t) {
    std::vector<Entry> out;
    std::size_t i = t.substr(0, utf8Signature.size()) == utf8Signature ? utf8Signature.size() : 0;
    while (i < t.size()) {
        while (i < t.size() && isSpace(t[i]))
            ++i;
        if (i >= t.size()) break;
        if (isComment(t[i])) {
            while (i < t.size() && !isBreak(t[i]))
                ++i;
        } else if (t[i] == '[') {
            scanHeader(t, i, out);
        } else {
            scanKey(t, i, out);
        }
    }
    return out;
}

std::string setValues(std::string_view text, std::string_view section, const Values& values,
                      const Values& wherePresent) {
    std::vector<bool> found(values.size(), false);
    std::string out;
    out.reserve(text.size() + 64);
    std::size_t copied = 0;
    bool inside = false, seen = false;
    std::size_t anchor = 0;  // the end of the line of the section's last entry
    for (const Entry& e : scan(text)) {
        if (e.kind == Entry::Kind::section) inside = sameName(e.name, section);
        if (!inside) continue;
        seen = true;
        anchor = e.lineEnd;
        if (e.kind != Entry::Kind::key) continue;
        for (const auto& [name, value] : wherePresent) {
            if (!sameName(e.name, name)) continue;
            out.append(text.substr(copied, e.valueBegin - copied)).append(value);
            copied = e.valueEnd;
        }
        for (std::size_t k = 0; k < values.size(); ++k) {
            if (!sameName(e.name, values[k].first)) continue;
            out.append(text.substr(copied, e.valueBegin - copied)).append(values[k].second);
            copied = e.valueEnd;
            found[k] = true;
            break;
        }
    }
    std::string lines;
    const std::string_view own = seen ? breakAt(text, anchor) : std::string_view();
    const std::string_view lineBreak = own.empty() ? firstBreak(text) : own;
    for (std::size_t k = 0; k < values.size(); ++k)
        if (!found[k])
            lines.append(values[k].first).append("=").append(values[k].second).append(lineBreak);
    if (seen) {
        const std::size_t at = anchor + own.size();
        out.append(text.substr(copied, at - copied));
        if (!lines.empty() && own.empty()) out.append(lineBreak);
        out.append(lines).append(text.substr(at));
        return out;
    }
    out.append(text.substr(copied));
    const bool empty = text.size() == (text.substr(0, 3) == utf8Signature ? 3u : 0u);
    if (!empty) {
        if (!isBreak(text.back())) out.append(lineBreak);
        out.append(lineBreak);  // a blank line before the new section
    }
    out.append("[").append(section).append("]").append(lineBreak).append(lines);
    return out;
}

}  // namespace tess::ini
