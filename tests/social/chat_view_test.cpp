#include <gtest/gtest.h>

#include <QAbstractTextDocumentLayout>
#include <QCoreApplication>
#include <QPaintEvent>
#include <QScreen>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTextBlock>
#include <QUrl>

#include "social/chat_view.h"

namespace tess {
namespace {

class ChatViewTest : public ::testing::Test {
protected:
    void add(const std::string& line, ColourValue colour) {
        view.addLine(layoutChatLine(line, links), colour);
    }
    // The colour shown for the first fragment of block `n` whose text contains `text`.
    QColor colourOf(int n, const QString& text) {
        const QTextBlock block = view.document()->findBlockByNumber(n);
        for (auto it = block.begin(); !it.atEnd(); ++it)
            if (it.fragment().text().contains(text)) return view.shownColour(it.fragment());
        return {};
    }
    // How many pixels of the viewport are close to `colour`, within the rows of block `n`.
    int pixelsOf(int n, QColor colour) {
        const QImage image = view.viewport()->grab().toImage();
        const QRectF r = view.document()->documentLayout()->blockBoundingRect(
            view.document()->findBlockByNumber(n));
        const int offset = view.verticalScrollBar()->value();
        int count = 0;
        for (int y = std::max(0, int(r.top()) - offset);
             y < std::min(image.height(), int(r.bottom()) - offset); ++y)
            for (int x = 0; x < image.width(); ++x) {
                const QColor c = image.pixelColor(x, y);
                if (std::abs(c.red() - colour.red()) + std::abs(c.green() - colour.green()) +
                        std::abs(c.blue() - colour.blue()) <
                    60)
                    ++count;
            }
        return count;
    }
    std::vector<QTextCharFormat> formatsOf(int n) {
        std::vector<QTextCharFormat> out;
        const QTextBlock block = view.document()->findBlockByNumber(n);
        for (auto it = block.begin(); !it.atEnd(); ++it)
            out.push_back(it.fragment().charFormat());
        return out;
    }

    ChatView view;
    LinkCounter links;
};

TEST_F(ChatViewTest, NoticesAndChatLinesShowAsTheyAreLaidOut) {
    add("0+You are Connected.", clBlue);
    add("3+Bob chats: hello", clBlue);
    EXPECT_EQ(view.document()->findBlockByNumber(0).text(), " You are Connected. ");
    EXPECT_EQ(view.document()->findBlockByNumber(1).text(), "Bob chats:  hello ");
    EXPECT_EQ(colourOf(1, "Bob"), QColor(0, 0, 255));
    EXPECT_TRUE(formatsOf(1).front().font().bold());
    EXPECT_EQ(view.style(8).colour, clBlue);
}

TEST_F(ChatViewTest, AllLinesOfOneSenderTakeTheLatestColourOthersStay) {
    add("3+Bob chats: one", clBlue);
    add("4+Cy chats: two", 0x008000);
    add("3+Bob chats: three", clRed);
    EXPECT_EQ(colourOf(0, "one"), QColor(255, 0, 0));
    EXPECT_EQ(colourOf(2, "three"), QColor(255, 0, 0));
    EXPECT_EQ(colourOf(1, "two"), QColor(0, 128, 0));
}

// What the screen shows, not only what the document says: an old line of a sender is
// painted in the sender's new colour, also after it scrolls back into view, while a
// long history costs the change nothing.
TEST_F(ChatViewTest, OldLinesArePaintedInTheSendersLatestColour) {
    view.resize(278, 200);
    view.show();
    add("3+Bob chats: WWWWWW", clBlue);
    add("4+Cy chats: MMMMMM", 0x008000);
    add("3+Bob chats: again", clRed);
    QCoreApplication::processEvents();
    EXPECT_GT(pixelsOf(0, Qt::red), 20);
    EXPECT_EQ(pixelsOf(0, Qt::blue), 0);
    EXPECT_GT(pixelsOf(1, QColor(0, 128, 0)), 20);

    for (int i = 0; i < 80; ++i)
        add("5+Dee chats: filler " + std::to_string(i), clBlack);
    add("3+Bob chats: last", 0xFF00FF);
    view.verticalScrollBar()->setValue(0);
    QCoreApplication::processEvents();
    EXPECT_GT(pixelsOf(0, Qt::magenta), 20);
    EXPECT_EQ(pixelsOf(0, Qt::red) + pixelsOf(0, Qt::blue), 0);
}

// Collects what the viewport is asked to paint.
class PaintedRegion : public QObject {
public:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint) region += static_cast<QPaintEvent*>(event)->region();
        return false;
    }
    QRegion region;
};

// A sender's new colour repaints that sender's lines on screen and not another's.
TEST_F(ChatViewTest, ANewColourRepaintsOnlyTheSendersLines) {
    view.resize(278, 300);
    view.show();
    add("3+Bob chats: one", clBlue);
    add("4+Cy chats: two", 0x008000);
    add("3+Bob chats: three", clBlue);
    QCoreApplication::processEvents();
    PaintedRegion painted;
    view.viewport()->installEventFilter(&painted);
    add("3+Bob chats: four", clRed);
    QCoreApplication::processEvents();
    const auto* layout = view.document()->documentLayout();
    const auto onScreen = [&](int n) {
        return layout->blockBoundingRect(view.document()->findBlockByNumber(n))
            .toAlignedRect()
            .translated(0, -view.verticalScrollBar()->value())
            .adjusted(1, 1, -1, -1);
    };
    EXPECT_TRUE(painted.region.contains(onScreen(0)));
    EXPECT_TRUE(painted.region.contains(onScreen(2)));
    EXPECT_FALSE(painted.region.intersects(onScreen(1)));
    EXPECT_GT(pixelsOf(0, Qt::red), 20);
    EXPECT_GT(pixelsOf(1, QColor(0, 128, 0)), 20);
}

// While the chat scrolls with the new line, the sender's lines still on screen take the
// new colour where they now stand.
TEST_F(ChatViewTest, ANewColourReachesLinesThatScrolledWithTheNewLine) {
    view.resize(278, 200);
    view.show();
    for (int i = 0; i < 40; ++i)
        add(i % 2 ? "3+Bob chats: WWWWWW" : "4+Cy chats: MMMMMM", i % 2 ? clBlue : 0x008000);
    QCoreApplication::processEvents();
    add("3+Bob chats: again", clRed);
    QCoreApplication::processEvents();
    ASSERT_GT(view.verticalScrollBar()->value(), 0);
    EXPECT_GT(pixelsOf(39, Qt::red), 20);
    EXPECT_EQ(pixelsOf(39, Qt::blue), 0);
    EXPECT_GT(pixelsOf(38, QColor(0, 128, 0)), 20);
}

// A change of colour repaints; it never edits the history, so it costs nothing per line.
TEST_F(ChatViewTest, AChangeOfColourLeavesTheHistoryUntouched) {
    for (int i = 0; i < 50; ++i)
        add("3+Bob chats: line " + std::to_string(i), i % 2 ? clRed : clBlue);
    int changedAt = -1;
    QObject::connect(view.document(), &QTextDocument::contentsChange, [&](int position, int, int) {
        if (changedAt < 0) changedAt = position;
    });
    const int end = view.document()->characterCount() - 1;
    add("3+Bob chats: green now", 0x008000);
    EXPECT_EQ(changedAt, end);
    EXPECT_EQ(colourOf(0, "line"), QColor(0, 128, 0));
}

// A line is one change of the document, however many words and pictures it holds, so
// the view lays it out once.
TEST_F(ChatViewTest, ALineIsOneChange) {
    add("0+first", clBlue);
    int changes = 0;
    QObject::connect(view.document(), &QTextDocument::contentsChange,
                     [&](int, int, int) { ++changes; });
    add("3+Bob chats: one two :)#12 three www.example.com four", clRed);
    EXPECT_EQ(changes, 1);
    EXPECT_EQ(view.document()->blockCount(), 2);
}

// Going back to an earlier colour, after a change of text size and after clearing: the
// screen shows the lines as they are now, never an older picture of them.
TEST_F(ChatViewTest, RepaintedLinesShowTheirCurrentLook) {
    view.resize(278, 200);
    view.show();
    add("3+Bob chats: WWWWWW", clBlue);
    QCoreApplication::processEvents();
    add("3+Bob chats: MMMMMM", clRed);
    QCoreApplication::processEvents();
    add("3+Bob chats: again", clBlue);
    QCoreApplication::processEvents();
    EXPECT_GT(pixelsOf(0, Qt::blue), 20);
    EXPECT_EQ(pixelsOf(0, Qt::red), 0);

    const int heightBefore = pixelsOf(0, Qt::blue);
    view.setTextSize(20);
    QCoreApplication::processEvents();
    EXPECT_GT(pixelsOf(0, Qt::blue), heightBefore * 2);

    view.clearChat();
    add("4+Cy chats: .", 0x008000);
    QCoreApplication::processEvents();
    EXPECT_EQ(pixelsOf(0, Qt::blue), 0);
    EXPECT_GT(pixelsOf(0, QColor(0, 128, 0)), 20);
}

// The scroll bar on screen (what the window shows, not a fresh drawing of it) keeps
// showing where the view is: its handle follows a jump and a growing chat.
TEST_F(ChatViewTest, TheScrollBarOnScreenFollowsTheChat) {
    view.resize(278, 200);
    view.show();
    QScrollBar* bar = view.verticalScrollBar();
    const auto shown = [&] {
        QCoreApplication::processEvents();
        const QRect place(bar->mapTo(&view, QPoint()), bar->size());
        return view.screen()
            ->grabWindow(view.winId())
            .toImage()
            .copy(place)
            .convertToFormat(QImage::Format_RGB32);
    };
    for (int i = 0; i < 20; ++i)
        add("5+Dee chats: line " + std::to_string(i), clBlack);
    const QImage atEnd = shown();
    bar->setValue(0);
    const QImage atTop = shown();
    EXPECT_NE(atEnd, atTop);
    bar->setValue(bar->maximum());
    EXPECT_EQ(shown(), atEnd);
    for (int i = 0; i < 200; ++i)
        add("5+Dee chats: more " + std::to_string(i), clBlack);
    EXPECT_NE(shown(), atEnd);  // a longer chat, a smaller handle
    EXPECT_EQ(shown(), bar->grab().toImage().convertToFormat(QImage::Format_RGB32));
}

// The bar keeps its picture between paints; each change still shows as a plain scroll
// bar in the same state draws it.
TEST_F(ChatViewTest, TheScrollBarLooksLikeAPlainOneAfterEachChange) {
    view.resize(278, 200);
    view.show();
    QScrollBar* bar = view.verticalScrollBar();
    for (int i = 0; i < 40; ++i)
        add("5+Dee chats: line " + std::to_string(i), clBlack);
    QCoreApplication::processEvents();
    QScrollBar plain(Qt::Vertical, &view);  // in the same window, drawn as active as the bar
    const auto same = [&] {
        plain.resize(bar->size());
        plain.setRange(bar->minimum(), bar->maximum());
        plain.setPageStep(bar->pageStep());
        plain.setValue(bar->value());
        plain.setEnabled(bar->isEnabled());
        plain.setPalette(bar->palette());
        return bar->grab().toImage() == plain.grab().toImage();
    };
    EXPECT_TRUE(same());
    bar->setValue(3);
    EXPECT_TRUE(same());
    view.resize(278, 320);
    QCoreApplication::processEvents();
    EXPECT_TRUE(same());
    view.setEnabled(false);
    EXPECT_TRUE(same());
    view.setEnabled(true);
    QPalette red = bar->palette();
    red.setColor(QPalette::Button, Qt::red);
    bar->setPalette(red);
    EXPECT_TRUE(same());
}

// The view paints the lines itself; what the user selects still shows highlighted.
TEST_F(ChatViewTest, ASelectionIsPaintedHighlighted) {
    view.resize(278, 200);
    view.show();
    add("3+Bob chats: WWWWWW", clBlue);
    add("4+Cy chats: MMMMMM", 0x008000);
    const QColor highlight = view.palette().color(QPalette::Highlight);
    QCoreApplication::processEvents();
    const int before = pixelsOf(0, highlight);
    QTextCursor cursor(view.document());
    cursor.setPosition(0);
    cursor.movePosition(QTextCursor::EndOfBlock, QTextCursor::KeepAnchor);
    view.setTextCursor(cursor);
    QCoreApplication::processEvents();
    EXPECT_GT(pixelsOf(0, highlight), before + 100);
    EXPECT_EQ(pixelsOf(1, highlight), 0);
}

TEST_F(ChatViewTest, SmileysStillShowAfterClearing) {
    add("2+Ann chats: hi :)#12", clBlack);
    view.clearChat();
    add("2+Ann chats: again :)#12", clBlack);
    const QImage shown =
        view.document()->resource(QTextDocument::ImageResource, QUrl("smiley:2")).value<QImage>();
    EXPECT_FALSE(shown.isNull());
    EXPECT_EQ(shown, ChatView::smileyImage(2, view.devicePixelRatioF()));
    EXPECT_TRUE(
        view.document()->resource(QTextDocument::ImageResource, QUrl("smiley:40")).isNull());
}

TEST_F(ChatViewTest, LinksCarryTheirOwnTextAndSmileysArePictures) {
    QSignalSpy clicked(&view, &ChatView::linkClicked);
    add("2+Ann chats: see www.example.com :)#12", clBlack);
    QString href;
    bool image = false;
    for (const QTextCharFormat& f : formatsOf(0)) {
        if (f.isAnchor()) href = f.anchorHref();
        if (f.isImageFormat()) image = f.toImageFormat().name() == "smiley:2";
    }
    EXPECT_TRUE(image);
    ASSERT_FALSE(href.isEmpty());
    emit view.anchorClicked(QUrl(href));
    ASSERT_EQ(clicked.count(), 1);
    EXPECT_EQ(clicked.at(0).at(0).toString(), "www.example.com ");
    add("2+Ann chats: again", clBlue);  // recolouring keeps the link working
    for (const QTextCharFormat& f : formatsOf(0)) {
        if (f.isAnchor()) {
            EXPECT_EQ(f.anchorHref(), href);
        }
    }
}

TEST_F(ChatViewTest, TextSizeScrollingAndClearing) {
    view.resize(278, 200);
    for (int i = 0; i < 60; ++i)
        add("1+You chats: line " + std::to_string(i), clBlack);
    EXPECT_EQ(view.verticalScrollBar()->value(), view.verticalScrollBar()->maximum());
    view.verticalScrollBar()->setValue(0);
    view.setScrollOff(true);
    add("1+You chats: more", clBlack);
    EXPECT_EQ(view.verticalScrollBar()->value(), 0);

    view.setTextSize(9);
    for (const QTextCharFormat& f : formatsOf(0))
        EXPECT_EQ(f.fontPointSize(), 9);
    EXPECT_EQ(view.textSize(), 9);

    view.clearChat();
    EXPECT_TRUE(view.document()->isEmpty());
    add("0+fresh", clBlue);
    EXPECT_EQ(view.document()->blockCount(), 1);
}

// The chat keeps its last few thousand lines: older ones go, and what stays keeps its
// text, its sender's style and colour, on screen too.
TEST_F(ChatViewTest, TheHistoryKeepsItsLastLines) {
    view.resize(278, 200);
    view.show();
    const int total = ChatView::maxLines + ChatView::trimBatch + 1;
    for (int i = 0; i < total; ++i)
        add(i % 2 == 0 ? "3+Bob chats: b" + std::to_string(i) : "4+Cy chats: c" + std::to_string(i),
            i % 2 == 0 ? clBlue : 0x008000);
    const QTextDocument* doc = view.document();
    EXPECT_EQ(doc->blockCount(), ChatView::maxLines);
    EXPECT_FALSE(doc->isUndoRedoEnabled());  // nothing removed is kept elsewhere
    const int first = total - ChatView::maxLines;
    EXPECT_TRUE(doc->firstBlock().text().endsWith(QString::number(first) + " "))
        << doc->firstBlock().text().toStdString();
    const int firstStyle = doc->firstBlock().userState();
    EXPECT_EQ(firstStyle, doc->findBlockByNumber(2).userState());
    EXPECT_NE(firstStyle, doc->findBlockByNumber(1).userState());
    EXPECT_EQ(colourOf(0, "chats"), first % 2 == 0 ? QColor(0, 0, 255) : QColor(0, 128, 0));
    QCoreApplication::processEvents();
    const int last = doc->blockCount() - 1;
    EXPECT_GT(pixelsOf(last, (total - 1) % 2 == 0 ? QColor(0, 0, 255) : QColor(0, 128, 0)), 20);
}

TEST(Smileys, EighteenDistinctPictures) {
    std::vector<QImage> images;
    for (int i = 0; i < smileyCount; ++i)
        images.push_back(ChatView::smileyImage(i));
    EXPECT_EQ(images[0].size(), QSize(17, 16));
    EXPECT_NE(images[0], images[1]);
    EXPECT_NE(images[2], images[4]);
}

}  // namespace
}  // namespace tess
