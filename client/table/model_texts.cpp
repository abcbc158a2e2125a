#include "client/table/model_texts.h"

#include <QCoreApplication>
#include <QRegularExpression>
#include <vector>

namespace tess {

namespace {

constexpr const char* context = "tess::TableText";

// The model's texts; %1 and %2 stand for a player's name or a number.
const char* const patterns[] = {
    QT_TRANSLATE_NOOP("tess::TableText", "You have started a game."),
    QT_TRANSLATE_NOOP("tess::TableText", "%1 has started a game."),
    QT_TRANSLATE_NOOP("tess::TableText", "You are playing against Klot the bot. Good Luck!"),
    QT_TRANSLATE_NOOP("tess::TableText", "Your Turn. Draw a card to end your turn."),
    QT_TRANSLATE_NOOP("tess::TableText", "You ended your turn."),
    QT_TRANSLATE_NOOP("tess::TableText", "You used all your cards. +%1 points."),
    QT_TRANSLATE_NOOP("tess::TableText", "%1 used all their cards. +%2 points."),
    QT_TRANSLATE_NOOP("tess::TableText", "No Cards Left, Pot will roll over. Please Wait..."),
    QT_TRANSLATE_NOOP("tess::TableText", "You have Won the Game!"),
    QT_TRANSLATE_NOOP("tess::TableText", "%1 has Won the Game!"),
    QT_TRANSLATE_NOOP("tess::TableText", "Game Over!"),
    QT_TRANSLATE_NOOP("tess::TableText", "%1 is just watching"),
    QT_TRANSLATE_NOOP("tess::TableText", "%1 is now playing again"),
    QT_TRANSLATE_NOOP("tess::TableText", "You can play the next round."),
    QT_TRANSLATE_NOOP("tess::TableText", "%1 disconnected."),
    QT_TRANSLATE_NOOP("tess::TableText", "Your time ran out. Your turn passes in a moment."),
    QT_TRANSLATE_NOOP("tess::TableText", "Welcome to Tessarine"),
    QT_TRANSLATE_NOOP("tess::TableText", "Kings can only be placed on foundation spots."),
    QT_TRANSLATE_NOOP("tess::TableText",
                      "Kings must be moved to foundation before you can play that card."),
    QT_TRANSLATE_NOOP("tess::TableText", "You cannot select that"),
    // Why the client refused a move of the user's.
    QT_TRANSLATE_NOOP("tess::TableText", "Cards must be one lower and of the other colour"),
    QT_TRANSLATE_NOOP("tess::TableText", "Only kings go on an empty foundation"),
    QT_TRANSLATE_NOOP("tess::TableText", "Kings go on foundations"),
    QT_TRANSLATE_NOOP("tess::TableText", "It is not your turn"),
    QT_TRANSLATE_NOOP("tess::TableText", "empty"),
    // The host's refusals of a move of the hosting user or a bot.
    QT_TRANSLATE_NOOP("tess::TableText", "noplay"),
    QT_TRANSLATE_NOOP("tess::TableText", "match"),
    QT_TRANSLATE_NOOP("tess::TableText", "move king first"),
    QT_TRANSLATE_NOOP("tess::TableText", "Ace"),
    QT_TRANSLATE_NOOP("tess::TableText", "Ace 1"),
    QT_TRANSLATE_NOOP("tess::TableText", "no card on tab"),
    QT_TRANSLATE_NOOP("tess::TableText", "filled"),
    QT_TRANSLATE_NOOP("tess::TableText", "Play To Score: %1"),
    QT_TRANSLATE_NOOP("tess::TableText", "Play to Score: %1"),
    QT_TRANSLATE_NOOP("tess::TableText", "Time Per Turn: %1secs"),
    QT_TRANSLATE_NOOP("tess::TableText", "TIME:%1"),
    QT_TRANSLATE_NOOP("tess::TableText", "Time: %1"),
    // Last: a name alone would match any of the texts above.
    QT_TRANSLATE_NOOP("tess::TableText", "%1's time ran out. The turn passes in a moment."),
    QT_TRANSLATE_NOOP("tess::TableText", "%1's turn."),
    QT_TRANSLATE_NOOP("tess::TableText", "%1 ended their turn."),
};

struct Pattern {
    const char* english;
    QRegularExpression match;  // anchored; one group per placeholder
};

std::vector<Pattern> compiled() {
    std::vector<Pattern> out;
    static const QRegularExpression placeholder(QStringLiteral("%[12]"));
    for (const char* english : patterns) {
        QString expression;
        const QString text = QString::fromUtf8(english);
        qsizetype from = 0;
        for (auto it = placeholder.globalMatch(text); it.hasNext();) {
            const auto m = it.next();
            expression += QRegularExpression::escape(text.mid(from, m.capturedStart() - from));
            expression += QStringLiteral("(.*)");
            from = m.capturedEnd();
        }
        expression += QRegularExpression::escape(text.mid(from));
        out.push_back(
            {english, QRegularExpression(QRegularExpression::anchoredPattern(expression),
                                         QRegularExpression::DotMatchesEverythingOption)});
    }
    return out;
}

}  // namespace

std::string shownChatLine(std::string_view data, std::string_view senderName,
                          std::string_view shownName, bool user) {
    static const char* const verbs[] = {QT_TRANSLATE_NOOP("tess::TableText", "chats:"),
                                        QT_TRANSLATE_NOOP("tess::TableText", "says:")};
    // The same verbs after the user's own name, for languages that tell "you say" from
    // "she says".
    static const char* const userVerbs[][2] = {
        QT_TRANSLATE_NOOP3("tess::TableText", "chats:", "after the user's own name, You"),
        QT_TRANSLATE_NOOP3("tess::TableText", "says:", "after the user's own name, You")};
    const char* const userForm = userVerbs[0][1];
    const std::size_t plus = data.find('+');
    if (plus == std::string_view::npos || senderName.empty()) return std::string(data);
    const std::string_view line = data.substr(plus + 1);
    if (line.substr(0, senderName.size()) != senderName) return std::string(data);
    const std::string_view after = line.substr(senderName.size());
    for (const char* verb : verbs) {
        const std::string english = std::string(" ") + verb + " ";
        if (after.substr(0, english.size()) != english) continue;
        const std::string shown =
            QCoreApplication::translate(context, verb, user ? userForm : nullptr).toStdString();
        return std::string(data.substr(0, plus + 1)) + std::string(shownName) + " " + shown + " " +
               std::string(after.substr(english.size()));
    }
    return std::string(data);
}

QString shownModelText(std::string_view english) {
    const QString text = QString::fromUtf8(english.data(), static_cast<qsizetype>(english.size()));
    if (text.isEmpty()) return text;
    static const std::vector<Pattern> known = compiled();
    for (const Pattern& pattern : known) {
        const QRegularExpressionMatch m = pattern.match.match(text);
        if (!m.hasMatch()) continue;
        QString shown = QCoreApplication::translate(context, pattern.english);
        // Filled in one pass, so a name holding "%2" stays as it is.
        if (m.lastCapturedIndex() == 1) shown = shown.arg(m.captured(1));
        if (m.lastCapturedIndex() == 2) shown = shown.arg(m.captured(1), m.captured(2));
        return shown;
    }
    return text;
}

}  // namespace tess
