#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QMessageBox>
#include <QMimeData>
#include <QTest>
#include <QUrl>

#include "social/chat_panel.h"

namespace tess {
namespace {

class ChatPanelTest : public ::testing::Test {
protected:
    ChatPanelTest() {
        QObject::connect(&panel, &ChatPanel::lineReady,
                         [this](const std::string& line) { sent.push_back(line); });
        panel.openUrl = [this](const QUrl& url) {
            opened.push_back(url.toString());
            return true;
        };
    }
    void type(const QString& text) {
        QTest::keyClicks(panel.input(), text);
        QTest::keyClick(panel.input(), Qt::Key_Return);
    }

    ChatPanel panel;
    std::vector<std::string> sent;
    std::vector<QString> opened;
};

TEST_F(ChatPanelTest, EnterSendsChatAndActionsOnlyWhileConnected) {
    EXPECT_EQ(panel.input()->text(), ChatPanel::placeholder);
    type("hello");  // the placeholder goes with the first key
    EXPECT_TRUE(sent.empty());
    EXPECT_EQ(panel.input()->text(), "hello");  // not connected: the text stays

    panel.setConnection(true, 3);
    panel.setChatColour(clBlue);
    QTest::keyClick(panel.input(), Qt::Key_Return);
    type("/me waves");
    type("/help");
    EXPECT_EQ(sent,
              (std::vector<std::string>{"CMD_chat+3+hello|clBlue", "CMD_action+3+waves|clBlue"}));
    EXPECT_TRUE(panel.input()->text().isEmpty());
    EXPECT_EQ(panel.input()->maxLength(), 400);
}

TEST_F(ChatPanelTest, SmileysAndPasteGoToTheEndOfTheInput) {
    panel.smiliesMenu()->actions().at(2)->trigger();
    EXPECT_EQ(panel.input()->text(), ":)#12");
    QApplication::clipboard()->setText(" hi");
    panel.input()->setCursorPosition(0);
    QTest::keyClick(panel.input(), Qt::Key_V, Qt::ControlModifier);
    EXPECT_TRUE(panel.input()->text().endsWith(" hi"));
    EXPECT_EQ(panel.input()->cursorPosition(), panel.input()->text().size());
}

// The menu's smileys are drawn when first shown: each is its own face, centred in the
// icon at any size asked for.
TEST_F(ChatPanelTest, TheSmileyMenuShowsEachFaceWhenDrawn) {
    const QList<QAction*> items = panel.smiliesMenu()->actions();
    ASSERT_EQ(items.size(), smileyCount);
    const auto drawn = [&](int i, int size) {
        return items.at(i)->icon().pixmap(QSize(size, size), 1.0).toImage();
    };
    const QImage smile = drawn(0, 16), frown = drawn(1, 16);
    EXPECT_EQ(smile.size(), QSize(16, 16));
    EXPECT_NE(smile, frown);
    EXPECT_NE(smile.pixelColor(8, 8).alpha(), 0);  // the face
    EXPECT_EQ(smile.pixelColor(0, 0).alpha(), 0);  // the corner stays clear
    EXPECT_NE(drawn(0, 32).pixelColor(16, 16).alpha(), 0);
}

TEST_F(ChatPanelTest, ReceivedLinesShowAndLinksOpenWhatWasClicked) {
    panel.chatrecieved("3+Bob chats: see WWW.Example.com and x|y|clBlue");
    const QString text = panel.view()->toPlainText();
    EXPECT_TRUE(text.contains("Bob chats:  see WWW.Example.com and x|y")) << text.toStdString();
    emit panel.view()->linkClicked("WWW.Example.com ");
    EXPECT_EQ(opened, (std::vector<QString>{"http://www.example.com"}));

    emit panel.view()->linkClicked("file://www.example.com/etc ");
    EXPECT_EQ(opened.size(), 1u);
    QMessageBox* box = panel.findChild<QMessageBox*>();
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(box->text(), "Cannot open Webpage");
    box->accept();
}

// No honest host passes on a line this long; the chat shows its start and "…".
TEST_F(ChatPanelTest, AnOverlongLineShowsItsStartAndACutMark) {
    std::string words;
    while (words.size() < 60000)
        words += "word www.x.org :)#12 ";
    panel.chatrecieved("3+Bob chats: " + words + "|clBlue");
    panel.chatrecieved("3+Bob chats: next|clBlue");
    const QStringList lines = panel.view()->toPlainText().split('\n');
    ASSERT_EQ(lines.size(), 2);
    EXPECT_TRUE(lines[0].startsWith("Bob chats:  word www.x.org"))
        << lines[0].left(40).toStdString();
    EXPECT_TRUE(lines[0].trimmed().endsWith(QChar(0x2026)));
    EXPECT_LE(lines[0].toUtf8().size(), static_cast<qsizetype>(maxShownLineBytes + 8));
    EXPECT_TRUE(lines[1].startsWith("Bob chats:  next"));
}

TEST_F(ChatPanelTest, ScrollSwitchAndClearing) {
    bool reported = false;
    QObject::connect(&panel, &ChatPanel::scrollOffChanged, [&](bool off) { reported = off; });
    panel.ScrollChatOff1Click();
    EXPECT_TRUE(panel.scrollOff());
    EXPECT_TRUE(reported);
    panel.addlinetochat("0+one", clBlue);
    panel.ClearMainChat1Click();
    EXPECT_TRUE(panel.view()->toPlainText().isEmpty());
}

TEST_F(ChatPanelTest, CtrlCCopiesPlainTextOnly) {
    panel.addlinetochat("3+Bob chats: hello there", clBlue);
    panel.view()->selectAll();
    QApplication::clipboard()->setText("before");
    QTest::keyClick(panel.view(), Qt::Key_C, Qt::ControlModifier);
    const QMimeData* copied = QApplication::clipboard()->mimeData();
    ASSERT_NE(copied, nullptr);
    EXPECT_FALSE(copied->hasHtml());
    EXPECT_EQ(copied->text(), "Bob chats:  hello there ");
}

}  // namespace
}  // namespace tess
