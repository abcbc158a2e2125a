#include <gtest/gtest.h>

#include "social/chat_text.h"

namespace tess {

void PrintTo(const ChatItem& i, std::ostream* os) {
    static const char* kinds[] = {"text", "smiley", "link"};
    *os << kinds[static_cast<int>(i.kind)] << "('" << i.text << "', style " << i.style
        << ", smiley " << i.smiley << ", link " << i.linkNumber << ")";
}

namespace {

ChatItem text(std::string t, int style) { return {ChatItem::Kind::text, std::move(t), style}; }
ChatItem smiley(int index, int style) { return {ChatItem::Kind::smiley, {}, style, index}; }
ChatItem link(std::string t, int number) {
    return {ChatItem::Kind::link, std::move(t), linkStyle, 0, number};
}

TEST(ChatLine, LaysOutPrefixWordsSmileysAndLinks) {
    struct Case {
        std::string line;
        int style;
        std::vector<ChatItem> items;
    };
    const Case cases[] = {
        {"0+You are Connected.",
         0,
         {text(" ", 0), text("You ", 0), text("are ", 0), text("Connected. ", 0)}},
        {"3+Bob chats: hello", 8, {text("Bob chats: ", 8), text(" ", 8), text("hello ", 8)}},
        {"1+Ann chats: hi:)#12 there",
         6,
         {text("Ann chats: ", 6), text(" ", 6), text("hi ", 6), smiley(2, 6), text(" ", 6),
          text("there ", 6)}},
        {"2+Ann: a:)#9xb:)#30",
         7,
         {text("Ann: ", 7), text(" ", 7), text("a ", 7), smiley(0, 7), text("b ", 7),
          smiley(0, 7)}},
        {"4+Cy: see WWW.Example.com or example.com",
         9,
         {text("Cy: ", 9), text(" ", 9), text("see ", 9), link("WWW.Example.com ", 0),
          text("or ", 9), text("example.com ", 9)}},
        {"9+Spy says: http://a.b/c:d",
         14,
         {text("Spy says: ", 14), text(" ", 14), link("http://a.b/c:d ", 0)}},
        {"x+odd code", 0, {text(" ", 0), text("odd ", 0), text("code ", 0)}},
        {"12+too high: yes", 0, {text("too high: ", 0), text(" ", 0), text("yes ", 0)}},
    };
    for (const Case& c : cases) {
        LinkCounter links;
        const ChatLineLayout layout = layoutChatLine(c.line, links);
        EXPECT_EQ(layout.style, c.style) << c.line;
        EXPECT_EQ(layout.items, c.items) << c.line;
    }
}

TEST(ChatLine, LinkNumbersWrapFromHundredToOne) {
    LinkCounter links;
    std::vector<int> numbers;
    for (int i = 0; i < 103; ++i)
        numbers.push_back(links.next());
    EXPECT_EQ(numbers[0], 0);
    EXPECT_EQ(numbers[100], 100);
    EXPECT_EQ(numbers[101], 1);
    EXPECT_EQ(numbers[102], 2);
}

TEST(ChatLine, ReceivedColourFollowsTheLastBar) {
    struct Case {
        std::string data, line;
        ColourValue colour;
    };
    for (const Case& c : {Case{"3+Bob chats: hi|clBlue", "3+Bob chats: hi", clBlue},
                          Case{"3+Bob chats: a|b|clBlue", "3+Bob chats: a|b", clBlue},
                          Case{"3+Bob chats: hi|nonsense", "3+Bob chats: hi", clRed},
                          Case{"3+Bob chats: no colour", "3+Bob chats: no colour", clRed},
                          Case{"2+Ann waves|$00123456", "2+Ann waves", 0x123456}}) {
        const ReceivedChat r = splitReceivedChat(c.data);
        EXPECT_EQ(r.line, c.line) << c.data;
        EXPECT_EQ(r.colour, c.colour) << c.data;
    }
}

TEST(ChatLine, LongLinesAreCutOnACharacterBoundary) {
    const std::string full(maxShownLineBytes, 'a');
    const std::string euro = "\xE2\x82\xAC";  // three bytes
    struct Case {
        std::string line;
        std::size_t kept;
    };
    for (const Case& c :
         {Case{"3+Bob chats: hi", 15}, Case{full, maxShownLineBytes},
          Case{full + "b", maxShownLineBytes},
          Case{std::string(maxShownLineBytes - 1, 'a') + euro, maxShownLineBytes - 1},
          Case{std::string(maxShownLineBytes - 2, 'a') + euro + "x", maxShownLineBytes - 2},
          Case{std::string(60000, 'x'), maxShownLineBytes}}) {
        EXPECT_EQ(shownPart(c.line), std::string_view(c.line).substr(0, c.kept)) << c.line.size();
    }
}

TEST(ChatInput, BecomesChatOrActionOrNothing) {
    struct Case {
        std::string input;
        std::optional<std::string> sent;
    };
    for (const Case& c :
         {Case{"hello", "CMD_chat+3+hello|clBlack"},
          Case{"/me waves", "CMD_action+3+waves|clBlack"}, Case{"/me!", "CMD_action+3+|clBlack"},
          Case{"/me", "CMD_action+3+|clBlack"}, Case{"/help", std::nullopt},
          Case{"/ME shouts", std::nullopt}, Case{"", std::nullopt},
          Case{"a|b", "CMD_chat+3+a|b|clBlack"}}) {
        EXPECT_EQ(chatMessage(c.input, 3, "clBlack"), c.sent) << c.input;
    }
}

TEST(ChatLinks, OnlyWebAddressesOpen) {
    struct Case {
        std::string text;
        std::optional<std::string> address;
    };
    for (const Case& c :
         {Case{"http://example.com/x ", "http://example.com/x"},
          Case{"HTTPS://Example.com  ", "HTTPS://Example.com"},
          Case{"www.example.com ", "http://www.example.com"},
          Case{"WWW.Example.com", "http://WWW.Example.com"},
          Case{"file:///etc/passwd ", std::nullopt}, Case{"(see:http://x.y) ", std::nullopt},
          Case{"javascript:alert(1)//www.x ", std::nullopt}, Case{"", std::nullopt}}) {
        EXPECT_EQ(linkAddress(c.text), c.address) << c.text;
    }
}

// An invitation is a link, but the program opens it itself, never the desktop.
TEST(ChatLinks, InvitationsAreLinksTheProgramOpens) {
    LinkCounter links;
    const ChatLineLayout layout = layoutChatLine("1+Ann: come to tessarine://[::1] now", links);
    int linkItems = 0;
    for (const ChatItem& item : layout.items)
        if (item.kind == ChatItem::Kind::link) {
            ++linkItems;
            EXPECT_EQ(item.text, "tessarine://[::1] ");
            EXPECT_TRUE(isInvitationLink(item.text));
            EXPECT_EQ(linkAddress(item.text), std::nullopt);
        }
    EXPECT_EQ(linkItems, 1);
    EXPECT_TRUE(isInvitationLink("TESSARINE://host.example"));
    EXPECT_FALSE(isInvitationLink("http://tessarine://x"));
    EXPECT_FALSE(isInvitationLink("www.tessarine.example"));
}

}  // namespace
}  // namespace tess
