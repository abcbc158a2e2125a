// The chat view: a read-only rich-text view of chat lines in 15 text styles. All lines
// of one style show that style's current colour; a colour change re-renders only the
// lines of that style.
#pragma once

#include <QTextBrowser>
#include <array>
#include <vector>

#include "social/chat_text.h"

namespace tess {

struct ChatStyle {
    QString font = QStringLiteral("Arial");
    int size = 10;
    ColourValue colour = clBlack;
    bool bold = false, italic = false, underline = false;
    bool operator==(const ChatStyle&) const = default;
};

QColor toQColor(ColourValue colour);

class ChatView : public QTextBrowser {
    Q_OBJECT
public:
    static constexpr QColor background{0xE2, 0xE2, 0xCB};  // 13361890, 0x00CBE2E2

    explicit ChatView(QWidget* parent = nullptr);

    // Appends a laid-out line; the line's style takes `colour` and becomes bold.
    void addLine(const ChatLineLayout& layout, ColourValue colour);
    void setTextSize(int points);
    int textSize() const { return styles_[0].size; }
    const ChatStyle& style(int index) const { return styles_[index]; }

    void setScrollOff(bool off) { scrollOff_ = off; }
    bool scrollOff() const { return scrollOff_; }
    void clearChat();

    // A 17 x 16 smiley picture, drawn by the program.
    static QImage smileyImage(int index, qreal scale = 1.0);

signals:
    // A link was clicked; its text as it was shown.
    void linkClicked(const QString& text);

private:
    QTextCharFormat formatFor(int style) const;
    void restyle(int style);

    std::array<ChatStyle, chatStyleCount> styles_;
    std::array<std::vector<int>, chatStyleCount> blocksOfStyle_;
    bool scrollOff_ = false;
};

}  // namespace tess
