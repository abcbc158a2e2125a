#include <gtest/gtest.h>

#include <QDir>
#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QTextBrowser>
#include <QToolButton>
#include <QTranslator>

#include "shell/about_form.h"
#include "shell/help_form.h"
#include "shell/help_pages.h"
#include "shell/maker_site.h"
#include "shell/quick_instructions.h"
#include "shell/shell_pictures.h"
#include "tests/support/url_catcher.h"
#include "translations/language.h"

namespace tess {
namespace {

using tess::testing::UrlCatcher;

void saveShot(QWidget& widget, const char* name) {
    if (const QString dir = qEnvironmentVariable("TESS_SCREENSHOT_DIR"); !dir.isEmpty())
        widget.grab().save(QDir(dir).filePath(name));
}

QStringList labelTexts(const QWidget& widget) {
    QStringList texts;
    for (auto* label : widget.findChildren<QLabel*>())
        texts << label->text();
    return texts;
}

TEST(HelpWindow, StartsOnOverviewAndKeepsTheLastChosenPage) {
    QWidget main;
    main.resize(772, 535);
    main.show();
    Thelp help(&main);
    EXPECT_EQ(help.windowTitle(), "Tessarine - Help File");
    EXPECT_EQ(help.size(), QSize(623, 422));
    EXPECT_FALSE(help.isModal());
    EXPECT_EQ(help.currentPage(), 1);
    EXPECT_EQ(help.heading(), "Overview");

    help.show();
    QTest::mouseClick(help.findChild<QPushButton*>("SelButton4"), Qt::LeftButton);
    EXPECT_EQ(help.currentPage(), 4);
    EXPECT_EQ(help.heading(), "Scoring");
    QTest::mouseClick(help.findChild<QPushButton*>("button_done"), Qt::LeftButton);
    EXPECT_FALSE(help.isVisible());

    help.show();
    EXPECT_EQ(help.currentPage(), 4);
    EXPECT_EQ(help.heading(), "Scoring");
    EXPECT_TRUE(help.page(4)->isVisible());
    EXPECT_FALSE(help.page(1)->isVisible());
}

TEST(HelpWindow, PageButtonsInOrderWithTheirHeadings) {
    Thelp help;
    const std::vector<std::pair<QString, QString>> expected{
        {"Overview", "Overview"},        {"Connecting", "Connecting"}, {"Game Play", "Game Play"},
        {"Scoring", "Scoring"},          {"Options", "Options"},       {"Documentation", "History"},
        {"Orvane Lobby", "Orvane Lobby"}};
    ASSERT_EQ(help.pageCount(), int(expected.size()));
    int lastY = -1;
    for (int n = 1; n <= help.pageCount(); ++n) {
        auto* button = help.findChild<QPushButton*>(QString("SelButton%1").arg(n));
        ASSERT_NE(button, nullptr);
        EXPECT_EQ(button->text(), expected[n - 1].first);
        EXPECT_EQ(button->size(), QSize(117, 20));
        EXPECT_GT(button->y(), lastY);
        lastY = button->y();
        help.SelButton1Click(n);
        EXPECT_EQ(help.heading(), expected[n - 1].second);
        EXPECT_EQ(help.currentPage(), n);

        QTextBrowser* page = help.page(n);
        EXPECT_TRUE(page->isReadOnly());
        EXPECT_EQ(page->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
        EXPECT_EQ(page->palette().color(QPalette::Base), QColor(0xE2, 0xE2, 0xCB));
        EXPECT_GT(page->toPlainText().size(), 200) << n;
        help.show();
        saveShot(help, QString("help%1.png").arg(n).toLatin1().constData());
    }
    help.SelButton1Click(0);
    help.SelButton1Click(99);
    EXPECT_EQ(help.currentPage(), help.pageCount());

    QSignalSpy about(&help, &Thelp::aboutRequested);
    QTest::mouseClick(help.findChild<QPushButton*>("button_about"), Qt::LeftButton);
    EXPECT_EQ(about.count(), 1);
}

TEST(HelpPages, CoverWhatPlayersNeed) {
    const auto& pages = helpPages();
    const auto text = [&](const char* caption) {
        for (const auto& page : pages)
            if (page.caption == caption) {
                QTextDocument doc;
                doc.setHtml(page.html);
                return doc.toPlainText();
            }
        return QString();
    };
    const QString connecting = text("Connecting");
    EXPECT_TRUE(connecting.contains("7772"));
    EXPECT_TRUE(connecting.contains("firewall"));
    for (const char* word : {"seven cards", "tab spot", "king", "opposite colour", "draw pile"})
        EXPECT_TRUE(text("Game Play").contains(word)) << word;
    // The rules as the table applies them: a king never goes onto a tab spot.
    EXPECT_TRUE(text("Game Play").contains("kings can only be placed on foundation spots"));
    for (const char* wrong : {"takes any card.", "or to an empty tab spot", "only onto an empty"})
        EXPECT_FALSE(text("Game Play").contains(wrong)) << wrong;
    for (const char* key : {"F6", "Arrow keys", "Space", "Enter", "Ctrl+1", "Esc", "S:", "D:"})
        EXPECT_TRUE(text("Game Play").contains(key)) << key;
    EXPECT_TRUE(text("Scoring").contains("10 points for a king"));
    for (const char* option :
         {"Just Watch", "Bot Speed", "Play Sounds", "Player Phrase Sounds", "Turn Sound",
          "Text Color", "Text Size", "Scroll Chat Off", "Clear Main Chat", "Reset Screen Location",
          "Phrase Buttons", "Tally List", "Spy List", "Phrase List"})
        EXPECT_TRUE(text("Options").contains(option)) << option;
    const QString history = text("Documentation");
    const qsizetype v102 = history.indexOf("1.0.2.0"), v101 = history.indexOf("1.0.1.0"),
                    v100 = history.indexOf("1.0.0.0");
    EXPECT_GE(v102, 0);
    EXPECT_LT(v102, v101);
    EXPECT_LT(v101, v100);
}

TEST(AboutWindow, ShowsTheVersionAndOpensTheMakersAddress) {
    UrlCatcher browser;
    Tabout about;
    EXPECT_EQ(about.windowTitle(), "Tessarine - About");
    EXPECT_EQ(about.size(), QSize(304, 174));
    EXPECT_FALSE(about.isModal());
    EXPECT_TRUE(labelTexts(about).contains("Version 1.0.2.0"));
    about.show();
    saveShot(about, "about.png");
    if (const QString dir = qEnvironmentVariable("TESS_SCREENSHOT_DIR"); !dir.isEmpty())
        makerLogo(QSize(243, 24)).save(QDir(dir).filePath("logo_small.png"));

    auto* web = about.findChild<QLabel*>("label_web");
    EXPECT_EQ(web->cursor().shape(), Qt::PointingHandCursor);
    QTest::mouseClick(web, Qt::LeftButton);
    QTest::mouseClick(about.findChild<QLabel*>("image_logo"), Qt::LeftButton);
    EXPECT_EQ(browser.opened, (QList<QUrl>{makerWebAddress(), makerWebAddress()}));
    EXPECT_EQ(makerWebAddress().scheme(), "https");

    QTest::mouseClick(about.findChild<QPushButton*>("button_done"), Qt::LeftButton);
    EXPECT_FALSE(about.isVisible());
}

TEST(WebAddresses, OnlyTheWebIsOpened) {
    UrlCatcher browser;
    const struct {
        const char* url;
        bool opened;
    } cases[] = {{"https://www.orvane.com/", true}, {"http://example.com/a?b", true},
                 {"file:///etc/passwd", false},     {"ftp://example.com/", false},
                 {"javascript:alert(1)", false},    {"http://", false}};
    for (const auto& c : cases) {
        browser.opened.clear();
        EXPECT_EQ(openWebAddress(QUrl(c.url)), c.opened) << c.url;
        EXPECT_EQ(browser.opened.size(), c.opened ? 1 : 0) << c.url;
    }
}

TEST(QuickInstructions, HiddenAtStartShownInFrontAndHiddenByDone) {
    QWidget board;
    board.resize(764, 526);
    QuickInstructionsPanel panel(&board);
    auto* other = new QLabel("a card", &board);
    other->setGeometry(100, 100, 60, 82);
    board.show();
    // The board's own child that shows at a point.
    const auto topAt = [&board](int x, int y) {
        QWidget* w = board.childAt(x, y);
        while (w && w->parentWidget() != &board)
            w = w->parentWidget();
        return w;
    };

    EXPECT_EQ(panel.objectName(), "panel_help");
    EXPECT_EQ(panel.geometry(), QRect(40, 64, 625, 361));
    EXPECT_FALSE(panel.isVisible());

    panel.showQuickInstructions();
    EXPECT_TRUE(panel.isVisible());
    EXPECT_EQ(topAt(130, 140), &panel);
    // Something drawn over it later; asking again brings it back to the front.
    other->raise();
    EXPECT_EQ(topAt(130, 140), other);
    panel.showQuickInstructions();
    EXPECT_TRUE(panel.isVisible());
    EXPECT_NE(topAt(130, 140), other);
    EXPECT_EQ(board.children().last(), &panel);

    const QStringList texts = labelTexts(panel);
    for (const char* text :
         {"QUICK INSTRUCTIONS", "FOUNDATIONS", "TAB SPOTS", "DRAW PILE",
          "Get rid of your cards by playing them on foundations and tab spots. All cards played "
          "must be one lower and opposite color of the top card.",
          "FOUNDATIONS always start with KINGS. Cards cannot be removed from Foundations. ",
          "Tab Spots can start with anything and can be moved. When moving TAB SPOTS the whole "
          "pile will move. ",
          "Your turn ends when you either play all your cards or you draw from the DRAW PILE. "})
        EXPECT_TRUE(texts.contains(text)) << text;
    EXPECT_TRUE(texts.join(' ').contains("F6")) << "the keys are listed";
    saveShot(panel, "quick_instructions.png");

    auto* done = panel.findChild<QToolButton*>("button_done");
    EXPECT_EQ(done->size(), QSize(65, 29));
    QTest::mouseClick(done, Qt::LeftButton);
    EXPECT_FALSE(panel.isVisible());
}

// No text of the panel runs into a picture or another text, and none is cut: each label
// has the room its text asks for.
void expectTextsClear(const QuickInstructionsPanel& panel, qreal scale, const std::string& where) {
    EXPECT_GE(panel.width(), qRound(625 * scale)) << where;
    EXPECT_GE(panel.height(), qRound(361 * scale)) << where;
    auto* picture = panel.findChild<QLabel*>("image_layout");
    auto* done = panel.findChild<QToolButton*>("button_done");
    ASSERT_TRUE(picture && done) << where;
    EXPECT_EQ(picture->size(), (QSizeF(158, 209) * scale).toSize()) << where;
    EXPECT_EQ(done->size(), (QSizeF(65, 29) * scale).toSize()) << where;
    const QRect pictures[] = {picture->geometry(), done->geometry()};
    QList<QLabel*> texts;
    for (QLabel* l : panel.findChildren<QLabel*>()) {
        const std::string text = where + ": " + l->text().toStdString();
        if (l == picture) continue;
        EXPECT_TRUE(l->isVisible()) << text;
        if (l->parentWidget() == picture) {  // a caption on the picture
            EXPECT_TRUE(picture->rect().contains(l->geometry())) << text;
            EXPECT_LE(l->sizeHint().width(), l->width()) << text;
            EXPECT_LE(l->sizeHint().height(), l->height()) << text;
            continue;
        }
        EXPECT_TRUE(panel.contentsRect().contains(l->geometry())) << text;
        EXPECT_LE(l->heightForWidth(l->width()), l->height()) << text;
        EXPECT_LE(l->minimumSizeHint().width(), l->width()) << text;
        for (const QRect& p : pictures)
            EXPECT_FALSE(l->geometry().intersects(p)) << text;
        for (const QLabel* other : texts)
            EXPECT_FALSE(l->geometry().intersects(other->geometry()))
                << text << " / " << other->text().toStdString();
        texts << l;
    }
    EXPECT_EQ(texts.size(), 8) << where;
}

// In either language, at every scale the board is drawn at, whether the panel first shows
// at that scale or is showing when the board grows to it.
TEST(QuickInstructions, TextsKeepClearOfThePicturesInEveryLanguageAndScale) {
    for (const char* language : {"en", "de"}) {
        QTranslator translator;
        if (QString(language) == "de") {
            ASSERT_EQ(loadLanguage(translator, "de", QLocale(QLocale::English)), "de");
            QCoreApplication::installTranslator(&translator);
        }
        QWidget growing;
        growing.resize(1600, 1100);
        QuickInstructionsPanel shown(&growing);
        shown.showQuickInstructions();
        growing.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&growing));
        for (const qreal scale : {1.0, 1.5, 1.64, 2.0}) {
            const std::string where = std::string(language) + " at " + std::to_string(scale);
            QWidget board;
            board.resize((QSizeF(764, 526) * scale).toSize());
            QuickInstructionsPanel panel(&board);
            panel.setScale(scale);
            panel.showQuickInstructions();
            board.show();
            ASSERT_TRUE(QTest::qWaitForWindowExposed(&board));
            expectTextsClear(panel, scale, "first shown, " + where);
            if (scale == 1.0)
                saveShot(panel, (std::string("quick_instructions_") + language + ".png").c_str());

            shown.setScale(scale);
            QCoreApplication::processEvents();
            expectTextsClear(shown, scale, "showing, " + where);
        }
        QCoreApplication::removeTranslator(&translator);
    }
}

// Drawn larger when the board is; the texts are made again at the new size.
TEST(QuickInstructions, FollowsTheBoardsScaleWhileShowing) {
    QWidget board;
    board.resize(1528, 1052);
    QuickInstructionsPanel panel(&board);
    panel.showQuickInstructions();
    board.show();
    const int headingAtOne = panel.findChild<QLabel*>()->fontInfo().pixelSize();
    panel.setScale(2);
    EXPECT_EQ(panel.findChildren<QToolButton*>().size(), 1);
    QLabel* heading = panel.findChild<QLabel*>();
    EXPECT_NEAR(heading->fontInfo().pixelSize(), 2 * headingAtOne, 2);
    auto* done = panel.findChild<QToolButton*>("button_done");
    EXPECT_TRUE(done->isVisible());
    QTest::mouseClick(done, Qt::LeftButton);
    EXPECT_FALSE(panel.isVisible());
}

}  // namespace
}  // namespace tess
