#include "social/chat_view.h"

#include <QAbstractTextDocumentLayout>
#include <QPaintEvent>
#include <QPainter>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextCursor>
#include <QUrl>
#include <algorithm>
#include <cmath>

namespace tess {

namespace {

constexpr int styleProperty = QTextFormat::UserProperty + 1;
const QString linkScheme = QStringLiteral("chatlink");

// The styles a chat line may recolour: notices (0) and the nine slots (6-14).
bool ownedByLines(int style) { return style == 0 || style >= 6; }

}  // namespace

QColor toQColor(ColourValue colour) {
    if (colour & 0x80000000u) {
        static const QPalette::ColorRole roles[] = {
            QPalette::Window,          QPalette::Window,     QPalette::Highlight,
            QPalette::Window,          QPalette::Window,     QPalette::Base,
            QPalette::WindowText,      QPalette::WindowText, QPalette::WindowText,
            QPalette::HighlightedText, QPalette::Window,     QPalette::Window,
            QPalette::Window,          QPalette::Highlight,  QPalette::HighlightedText,
            QPalette::Button,          QPalette::Dark,       QPalette::PlaceholderText,
            QPalette::ButtonText,      QPalette::WindowText, QPalette::Light,
            QPalette::Shadow,          QPalette::Midlight,   QPalette::ToolTipText,
            QPalette::ToolTipBase};
        const unsigned k = colour & 0xFFu;
        return k < std::size(roles) ? QPalette().color(roles[k]) : QColor(Qt::black);
    }
    if (colour == clNone) return QColor(Qt::transparent);
    return QColor(colour & 0xFF, (colour >> 8) & 0xFF, (colour >> 16) & 0xFF);
}

ChatView::ChatView(QWidget* parent) : QTextBrowser(parent), bar_(new ChatScrollBar(this)) {
    const ColourValue initial[chatStyleCount] = {
        clBlue,     clBlue,     0x800000,   0x000080,   0x008000,   0x008000,   0xC0C0C0,  0xC0C0C0,
        0x80000008, 0x80000008, 0x80000008, 0x80000008, 0x80000008, 0x80000008, 0x80000008};
    for (int i = 0; i < chatStyleCount; ++i)
        styles_[i].colour = initial[i];
    styles_[1].bold = styles_[2].bold = true;
    styles_[3].italic = true;
    styles_[4].underline = styles_[5].underline = true;

    setOpenLinks(false);
    setReadOnly(true);
    setUndoRedoEnabled(false);
    setVerticalScrollBar(bar_);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    document()->setDocumentMargin(5);
    // Lines run left to right, as every line starts with a sender's name or a notice; the
    // layout then need not search each new line for its direction (right-to-left words
    // within a line are still shown right to left).
    QTextOption lines = document()->defaultTextOption();
    lines.setTextDirection(Qt::LeftToRight);
    document()->setDefaultTextOption(lines);
    QPalette p = palette();
    p.setColor(QPalette::Base, background);
    setPalette(p);
    // Lines are only ever added at the end; anything else invalidates the line pictures.
    connect(document(), &QTextDocument::contentsChange, this, [this](int, int removed, int) {
        if (removed > 0) tiles_.clear();
    });
    connect(this, &QTextBrowser::anchorClicked, this, [this](const QUrl& url) {
        if (url.scheme() == linkScheme) emit linkClicked(url.path());
    });
}

QVariant ChatView::loadResource(int type, const QUrl& name) {
    if (type == QTextDocument::ImageResource && name.scheme() == QLatin1String("smiley")) {
        bool ok = false;
        const int index = name.path().toInt(&ok);
        if (ok && index >= 0 && index < smileyCount) return smileyImage(index, devicePixelRatioF());
    }
    return {};
}

QTextCharFormat ChatView::formatFor(int style, int lineStyle) const {
    const ChatStyle& s = styles_[style];
    // A line's own words take the pen the line is painted with: its style's colour now.
    const bool coloured = style != lineStyle || !ownedByLines(style);
    MadeFormat& made = made_[static_cast<std::size_t>(style)][coloured ? 1 : 0];
    if (made.made && made.from == s) return made.format;
    QTextCharFormat f;
    f.setFontFamilies({s.font});
    f.setFontPointSize(s.size * scale_);
    f.setFontWeight(s.bold ? QFont::Bold : QFont::Normal);
    f.setFontItalic(s.italic);
    f.setFontUnderline(s.underline);
    if (coloured) f.setForeground(toQColor(s.colour));
    f.setProperty(styleProperty, style);
    made = {s, f, true};
    return f;
}

QColor ChatView::shownColour(const QTextFragment& fragment) const {
    const QTextCharFormat format = fragment.charFormat();
    if (format.hasProperty(QTextFormat::ForegroundBrush)) return format.foreground().color();
    return toQColor(styles_[format.property(styleProperty).toInt()].colour);
}

// The part of the user's selection within `block`, in the highlight colours.
QList<QTextLayout::FormatRange> ChatView::selectionIn(const QTextBlock& block) const {
    const QTextCursor cursor = textCursor();
    if (!cursor.hasSelection()) return {};
    const int start = std::max(cursor.selectionStart(), block.position());
    const int end = std::min(cursor.selectionEnd(), block.position() + block.length());
    if (start >= end) return {};
    QTextLayout::FormatRange range;
    range.start = start - block.position();
    range.length = end - start;
    range.format.setBackground(palette().brush(QPalette::Highlight));
    range.format.setForeground(palette().brush(QPalette::HighlightedText));
    return {range};
}

// Only the lines on screen are drawn, each with its style's current colour as the pen.
void ChatView::paintEvent(QPaintEvent* event) {
    QPainter painter(viewport());
    const QPointF offset(-horizontalScrollBar()->value(), -verticalScrollBar()->value());
    const QRectF clip = QRectF(event->rect()).translated(-offset);
    painter.translate(offset);
    const QTextDocument* doc = document();
    const QAbstractTextDocumentLayout* layout = doc->documentLayout();
    for (QTextBlock block = doc->findBlockByNumber(firstBlockBelow(clip.top())); block.isValid();
         block = block.next()) {
        const QRectF r = layout->blockBoundingRect(block);
        if (r.top() > clip.bottom()) break;
        const int style = block.userState();
        const QColor pen = style >= 0 && style < chatStyleCount ? toQColor(styles_[style].colour)
                                                                : palette().color(QPalette::Text);
        const QList<QTextLayout::FormatRange> selection = selectionIn(block);
        if (selection.isEmpty()) {
            tiles_.draw(painter, block, r, pen, palette().brush(QPalette::Base),
                        devicePixelRatioF());
        } else {
            painter.setPen(pen);
            // A block's layout holds its own position in the document.
            block.layout()->draw(&painter, QPointF(), selection, clip);
        }
    }
}

// A new width lays every line out anew.
void ChatView::resizeEvent(QResizeEvent* event) {
    tiles_.clear();
    QTextBrowser::resizeEvent(event);
}

void ChatView::changeEvent(QEvent* event) {
    if (event->type() == QEvent::PaletteChange || event->type() == QEvent::FontChange ||
        event->type() == QEvent::StyleChange) {
        tiles_.clear();
        made_ = {};  // system colours follow the palette
    }
    QTextBrowser::changeEvent(event);
}

// Every fragment takes its style as it is now; for a change of size, which moves lines.
void ChatView::restyleAll() {
    QTextCursor cursor(document());
    cursor.beginEditBlock();  // one re-layout for all the changes
    for (QTextBlock block = document()->begin(); block.isValid(); block = block.next()) {
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextFragment fragment = it.fragment();
            if (fragment.charFormat().isImageFormat()) continue;
            const int style = fragment.charFormat().property(styleProperty).toInt();
            cursor.setPosition(fragment.position());
            cursor.setPosition(fragment.position() + fragment.length(), QTextCursor::KeepAnchor);
            QTextCharFormat f =
                formatFor(style, fragment.charFormat().isAnchor() ? -1 : block.userState());
            if (fragment.charFormat().isAnchor()) {
                f.setAnchor(true);
                f.setAnchorHref(fragment.charFormat().anchorHref());
            }
            cursor.setCharFormat(f);
        }
    }
    cursor.endEditBlock();
    tiles_.clear();
}

void ChatView::addLine(const ChatLineLayout& layout, ColourValue colour) {
    const int style = layout.style;
    ChatStyle updated = styles_[style];
    updated.colour = colour;
    if (ownedByLines(style)) {
        updated.bold = true;
        updated.italic = updated.underline = false;
    }
    const bool recoloured = !(updated == styles_[style]);
    styles_[style] = updated;

    bar_->hold();
    QTextCursor cursor(document());
    // One change for the whole line: the document lays the new block out once, instead of
    // again for every word and picture (and the cursor does not measure where it stands).
    cursor.beginEditBlock();
    cursor.movePosition(QTextCursor::End);
    if (!document()->isEmpty()) cursor.insertBlock();
    cursor.block().setUserState(style);
    for (const ChatItem& item : layout.items) {
        switch (item.kind) {
            case ChatItem::Kind::text:
                cursor.insertText(QString::fromStdString(item.text), formatFor(item.style, style));
                break;
            case ChatItem::Kind::link: {
                QTextCharFormat f = formatFor(linkStyle, -1);
                f.setAnchor(true);
                QUrl url;
                url.setScheme(linkScheme);
                url.setPath(QString::fromStdString(item.text));
                f.setAnchorHref(url.toString());
                cursor.insertText(QString::fromStdString(item.text), f);
                break;
            }
            case ChatItem::Kind::smiley: {
                QTextImageFormat f;
                f.setName(QStringLiteral("smiley:%1").arg(item.smiley));
                f.setWidth(17);
                f.setHeight(16);
                f.setProperty(styleProperty, item.style);
                cursor.insertImage(f);
                break;
            }
        }
    }
    cursor.endEditBlock();
    trimHistory();
    if (!scrollOff_) bar_->setValue(bar_->maximum());
    bar_->release();
    if (recoloured) updateLinesOf(style);
}

// The oldest lines go, a batch at a time: the kept pictures of lines are known by their
// number, which then changes for every line.
void ChatView::trimHistory() {
    QTextDocument* doc = document();
    if (doc->blockCount() <= maxLines + trimBatch) return;
    const int keptFrom = doc->blockCount() - maxLines;
    const int scrolled = verticalScrollBar()->value();
    const qreal goneHeight =
        doc->documentLayout()->blockBoundingRect(doc->findBlockByNumber(keptFrom)).top();
    QTextCursor cursor(doc);
    cursor.beginEditBlock();
    cursor.movePosition(QTextCursor::Start);
    cursor.setPosition(doc->findBlockByNumber(keptFrom).position(), QTextCursor::KeepAnchor);
    cursor.removeSelectedText();
    cursor.endEditBlock();
    tiles_.clear();
    // A reader scrolled back keeps the lines he was reading in view.
    if (scrollOff_)
        verticalScrollBar()->setValue(std::max(0, scrolled - static_cast<int>(goneHeight)));
}

// Older lines of `style` on screen take its new colour; the other lines look the same.
void ChatView::updateLinesOf(int style) {
    const QRect shown = viewport()->rect();
    const QPoint offset(-horizontalScrollBar()->value(), -verticalScrollBar()->value());
    const QTextDocument* doc = document();
    const QAbstractTextDocumentLayout* layout = doc->documentLayout();
    for (QTextBlock block = doc->findBlockByNumber(firstBlockBelow(-offset.y())); block.isValid();
         block = block.next()) {
        const QRect r = layout->blockBoundingRect(block).toAlignedRect().translated(offset);
        if (r.top() > shown.bottom()) break;
        if (block.userState() == style) viewport()->update(r);
    }
}

// The first block that reaches below document height `y`.
int ChatView::firstBlockBelow(qreal y) const {
    const QTextDocument* doc = document();
    const QAbstractTextDocumentLayout* layout = doc->documentLayout();
    int low = 0, high = std::max(0, doc->blockCount() - 1);
    while (low < high) {
        const int middle = (low + high) / 2;
        if (layout->blockBoundingRect(doc->findBlockByNumber(middle)).bottom() < y)
            low = middle + 1;
        else
            high = middle;
    }
    return low;
}

void ChatView::setTextSize(int points) {
    if (points <= 0 || points == styles_[0].size) return;
    for (ChatStyle& style : styles_)
        style.size = points;
    restyleAll();
}

void ChatView::setScale(qreal scale) {
    // In steps of a twentieth: a window dragged larger restyles the chat a few times only.
    scale = std::max<qreal>(1, std::round(scale * 20) / 20);
    if (scale == scale_) return;
    scale_ = scale;
    made_ = {};
    restyleAll();
}

void ChatView::clearChat() {
    tiles_.clear();
    clear();
}

QImage ChatView::smileyImage(int index, qreal scale) {
    QImage image(QSize(17, 16) * scale, QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(scale);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    static const QColor faces[] = {QColor(255, 214, 0), QColor(255, 170, 60),
                                   QColor(120, 200, 255)};
    p.setPen(QPen(QColor(90, 60, 0), 1));
    p.setBrush(faces[index % 3]);
    p.drawEllipse(QRectF(1, 0.5, 15, 15));
    p.setBrush(QColor(40, 30, 0));
    p.setPen(Qt::NoPen);
    const bool wink = index % 6 == 4;
    p.drawEllipse(QRectF(5, 4.5, 2, 3));
    if (wink)
        p.fillRect(QRectF(9.5, 6, 2.5, 1), QColor(40, 30, 0));
    else
        p.drawEllipse(QRectF(10, 4.5, 2, 3));
    p.setPen(QPen(QColor(60, 30, 0), 1.2));
    p.setBrush(Qt::NoBrush);
    const QRectF mouth(4.5, 6, 8, 6);
    switch (index % 5) {
        case 0:
            p.drawArc(mouth, 200 * 16, 140 * 16);
            break;  // smile
        case 1:
            p.drawArc(QRectF(4.5, 10, 8, 5), 20 * 16, 140 * 16);
            break;  // frown
        case 2:
            p.setBrush(QColor(140, 20, 20));
            p.drawEllipse(QRectF(6.5, 9.5, 4, 3.5));
            break;
        case 3:
            p.drawLine(QPointF(5.5, 11), QPointF(11.5, 11));
            break;  // straight
        default:
            p.drawArc(QRectF(3.5, 5, 10, 7), 190 * 16, 160 * 16);
            break;  // grin
    }
    return image;
}

}  // namespace tess
