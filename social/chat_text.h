// What a chat line becomes on screen, and what the user's input becomes on the wire.
// Pure text rules; the chat view draws the items.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "records/colour_text.h"

namespace tess {

inline constexpr int chatStyleCount = 15;
inline constexpr int linkStyle = 4;
inline constexpr int smileyCount = 18;  // codes :)#10 to :)#27
inline constexpr std::size_t maxChatInput = 400;
// The most of one line the chat shows; an honest host passes on no line over 2,000 bytes.
inline constexpr std::size_t maxShownLineBytes = 3000;

struct ChatItem {
    enum class Kind { text, smiley, link };
    Kind kind;
    std::string text;  // for text and link items, with the trailing space
    int style = 0;     // text style index 0-14
    int smiley = 0;    // picture index 0-17
    int linkNumber = -1;
    bool operator==(const ChatItem&) const = default;
};

// The running link numbers: -1 at first, 0 for the first link, wrapping from 100 to 1.
class LinkCounter {
public:
    int next() {
        ++counter_;
        if (counter_ > 100) counter_ = 1;
        return counter_;
    }

private:
    int counter_ = -1;
};

struct ChatLineLayout {
    int style = 0;                // the style whose colour the line sets
    std::vector<ChatItem> items;  // the first item starts a new paragraph
};

// The start of a line that the chat shows: at most maxShownLineBytes, cut on a character
// boundary; a cut line is shown with cutMark after it.
std::string_view shownPart(std::string_view line);
inline constexpr std::string_view cutMark = "\u2026";

// Lays out a line "code+prefix:body": the prefix in the sender's style, the body as
// words, smiley pictures for ":)#NN" codes and links for web addresses.
ChatLineLayout layoutChatLine(std::string_view line, LinkCounter& links);

// A received chat or action ("3+Bob chats: hi|clBlue"): the line and its colour. The
// colour follows the last "|", so a "|" the sender typed stays in the line; without a
// readable colour the line shows in red.
struct ReceivedChat {
    std::string line;
    ColourValue colour;
};
ReceivedChat splitReceivedChat(std::string_view data);

// The line the input sends (without its terminator), or nothing ("/" commands other than "/me",
// empty input).
std::optional<std::string> chatMessage(std::string_view input, int mySlot,
                                       std::string_view colourText);

// The address a link opens: http and https addresses as they are, "www." words as
// "http://" + word; nothing for anything else.
std::optional<std::string> linkAddress(std::string_view linkText);
// Whether a link is an invitation to a table ("tessarine://..."), which the program
// opens itself rather than the desktop.
bool isInvitationLink(std::string_view linkText);

}  // namespace tess
