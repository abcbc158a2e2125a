#include "social/chat_text.h"

#include <algorithm>
#include <cctype>

#include "wire/commands.h"
#include "wire/fields.h"
#include "wire/requests.h"

namespace tess {

namespace {

std::string lower(std::string_view text) {
    std::string out(text);
    for (char& c : out)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return out;
}

bool startsWith(std::string_view text, std::string_view prefix) {
    return text.substr(0, prefix.size()) == prefix;
}

bool looksLikeLink(std::string_view word) {
    const std::string l = lower(word);
    return l.find("http://") != std::string::npos || l.find("https://") != std::string::npos ||
           l.find("www.") != std::string::npos || l.find("tessarine://") != std::string::npos;
}

// Appends a space, then cuts the text after each space into items.
void addWords(std::string text, int style, LinkCounter& links, std::vector<ChatItem>& items) {
    text += ' ';
    while (!text.empty()) {
        const std::size_t space = text.find(' ');
        std::string part = text.substr(0, space + 1);
        text.erase(0, space + 1);
        if (looksLikeLink(part))
            items.push_back({ChatItem::Kind::link, std::move(part), linkStyle, 0, links.next()});
        else
            items.push_back({ChatItem::Kind::text, std::move(part), style});
    }
}

}  // namespace

std::string_view shownPart(std::string_view line) {
    if (line.size() <= maxShownLineBytes) return line;
    std::size_t end = maxShownLineBytes;
    while (end > 0 && (static_cast<unsigned char>(line[end]) & 0xC0) == 0x80)
        --end;  // not inside a character
    return line.substr(0, end);
}

ChatLineLayout layoutChatLine(std::string_view line, LinkCounter& links) {
    ChatLineLayout layout;
    const std::size_t plus = line.find('+');
    int code = 0;
    if (plus != std::string_view::npos) {
        // A code that is not a slot (nor 0) shows the line as a notice.
        if (!wire::parseNumber(line.substr(0, plus), code) || code < 0 || code > 9) code = 0;
        line.remove_prefix(plus + 1);
    }
    layout.style = code <= 0 ? 0 : code + 5;

    const std::size_t colon = line.find(':');
    const std::string_view prefix =
        colon == std::string_view::npos ? std::string_view{} : line.substr(0, colon + 1);
    std::string body(line.substr(prefix.size()));
    layout.items.push_back({ChatItem::Kind::text, std::string(prefix) + " ", layout.style});

    static constexpr std::string_view smileyMark = ":)#";
    for (std::size_t at = body.find(smileyMark); at != std::string::npos;
         at = body.find(smileyMark)) {
        const std::string segment = body.substr(0, at);
        const std::string digits = body.substr(at + smileyMark.size(), 2);
        body.erase(0, at + smileyMark.size() + digits.size());
        addWords(segment, layout.style, links, layout.items);
        int number = 0;
        if (digits.size() != 2 || !std::isdigit(static_cast<unsigned char>(digits[0])) ||
            !std::isdigit(static_cast<unsigned char>(digits[1])) ||
            !wire::parseNumber(digits, number) || number < 10 || number > 27)
            number = 10;
        layout.items.push_back({ChatItem::Kind::smiley, {}, layout.style, number - 10});
    }
    if (!body.empty()) addWords(body, layout.style, links, layout.items);
    return layout;
}

ReceivedChat splitReceivedChat(std::string_view data) {
    const std::size_t bar = data.rfind('|');
    if (bar == std::string_view::npos) return {std::string(data), clRed};
    const auto colour = colourFromText(data.substr(bar + 1));
    return {std::string(data.substr(0, bar)), colour.value_or(clRed)};
}

std::optional<std::string> chatMessage(std::string_view input, int mySlot,
                                       std::string_view colourText) {
    if (input.empty()) return std::nullopt;
    const std::string tail = "|" + std::string(colourText);
    if (input.front() != '/') return wire::lineOf(wire::Chat{mySlot, std::string(input) + tail});
    if (startsWith(input, "/me")) {
        const std::string_view action = input.substr(std::min<std::size_t>(4, input.size()));
        return wire::lineOf(wire::Action{mySlot, std::string(action) + tail});
    }
    return std::nullopt;
}

std::optional<std::string> linkAddress(std::string_view linkText) {
    std::string_view text = linkText;
    while (!text.empty() && text.back() == ' ')
        text.remove_suffix(1);
    const std::string l = lower(text);
    if (startsWith(l, "http://") || startsWith(l, "https://")) return std::string(text);
    if (startsWith(l, "www.")) return "http://" + std::string(text);
    return std::nullopt;
}

bool isInvitationLink(std::string_view linkText) {
    return startsWith(lower(linkText), "tessarine://");
}

}  // namespace tess
