// The chat view: a read-only rich-text view of chat lines in 15 text styles. All lines
// of one style show that style's current colour. The words of a line in its own style
// carry no colour in the document: the view paints each line with its style's colour as
// it is now, so a change of colour costs one repaint however long the chat.
#pragma once

#include <QTextBrowser>
#include <QTextFragment>
#include <QTextLayout>
#include <array>

#include "social/chat_line_tiles.h"
#include "social/chat_scroll_bar.h"
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

    // The chat keeps the last this many lines; older ones go in batches of this many.
    static constexpr int maxLines = 5000;
    static constexpr int trimBatch = 500;

    explicit ChatView(QWidget* parent = nullptr);

    // Appends a laid-out line; the line's style takes `colour` and becomes bold.
    void addLine(const ChatLineLayout& layout, ColourValue colour);
    void setTextSize(int points);
    int textSize() const { return styles_[0].size; }
    // The table's scale: the text is drawn this many times its size in points.
    void setScale(qreal scale);
    qreal scale() const { return scale_; }
    const ChatStyle& style(int index) const { return styles_[index]; }

    void setScrollOff(bool off) { scrollOff_ = off; }
    bool scrollOff() const { return scrollOff_; }
    void clearChat();

    // The colour a text fragment shows: a line's own words take their style's colour.
    QColor shownColour(const QTextFragment& fragment) const;

    // A 17 x 16 smiley picture, drawn by the program.
    static QImage smileyImage(int index, qreal scale = 1.0);

signals:
    // A link was clicked; its text as it was shown.
    void linkClicked(const QString& text);

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;
    // Smileys are drawn on demand, so they survive a cleared document; nothing else loads.
    QVariant loadResource(int type, const QUrl& name) override;

private:
    // The format of words in `style` on a line of style `lineStyle`.
    QTextCharFormat formatFor(int style, int lineStyle) const;
    void restyleAll();
    void trimHistory();
    void updateLinesOf(int style);
    int firstBlockBelow(qreal y) const;
    QList<QTextLayout::FormatRange> selectionIn(const QTextBlock& block) const;

    std::array<ChatStyle, chatStyleCount> styles_;
    // The last format made for each style, with and without its colour, and the style it
    // was made from: a line reuses it while the style stays as it was.
    struct MadeFormat {
        ChatStyle from;
        QTextCharFormat format;
        bool made = false;
    };
    mutable std::array<std::array<MadeFormat, 2>, chatStyleCount> made_;
    ChatLineTiles tiles_;
    ChatScrollBar* bar_;
    bool scrollOff_ = false;
    qreal scale_ = 1;
};

}  // namespace tess
