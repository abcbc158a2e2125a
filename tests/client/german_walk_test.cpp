// Every window of the program walked in English and in German: any word the German
// program shows that the English one shows too is a text left untranslated, unless it
// is the same word in both languages or a name.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <QTextDocument>
#include <QTextEdit>
#include <QTranslator>
#include <QTreeWidget>
#include <algorithm>
#include <map>
#include <memory>
#include <set>
#include <utility>
#include <vector>

#include "client/joining/online_form.h"
#include "client/start/program.h"
#include "client/table/board_view.h"
#include "client/table/tchat.h"
#include "client/windows/tallylist_form.h"
#include "online/online_lobby.h"
#include "shell/about_form.h"
#include "shell/help_form.h"
#include "social/chat_panel.h"
#include "social/chat_view.h"
#include "social/phrase_bar.h"
#include "social/phrases_form.h"
#include "tests/support/test_client.h"
#include "translations/language.h"

namespace tess::testing {
namespace {

// Words German shares with English, names, the languages' own names and the web address.
const std::set<QString> sameInBoth = {
    "tessarine",  "ok",       "version", "tab",      "klot",     "orvane",   "wow",     "esc",
    "start",      "chat",     "lobby",   "download", "firewall", "online",   "offline", "solo",
    "status",     "system",   "oh",      "english",  "deutsch",  "www",      "com",     "an",
    "in",         "so",       "was",     "hand",     "rest",     "plus",     "normal",  "port",
    "internet",   "computer", "desktop", "router",   "tcp",      "patience", "note",    "me",
    "windows",    "division", "ann",     "ipv",      "link",     "server",   "xmpp",    "name",
    "conference", "problem"};

class Words {
public:
    // Every word of `text`, lower case, with where it was seen.
    void add(const QString& text, const QString& where) {
        QString plain = text;
        if (Qt::mightBeRichText(plain)) {
            QTextDocument doc;
            doc.setHtml(plain);
            plain = doc.toPlainText();
        }
        plain.remove(QLatin1Char('&'));  // mnemonics
        if (!plain.isEmpty()) texts.emplace_back(plain, where);
        static const QRegularExpression split(QStringLiteral("[^\\p{L}]+"));
        for (const QString& word : plain.split(split, Qt::SkipEmptyParts))
            if (word.size() >= 2) seen.emplace(word.toLower(), where + ": " + text.left(60));
    }
    void addActions(const QList<QAction*>& actions, const QString& where) {
        for (QAction* a : actions) {
            add(a->text(), where);
            add(a->toolTip() == QString(a->text()).remove(QLatin1Char('&')) ? QString()
                                                                            : a->toolTip(),
                where);
            add(a->statusTip(), where);
            if (QMenu* m = a->menu()) {
                add(m->title(), where);
                addActions(m->actions(), where + " > " + m->title());
            }
        }
    }
    void addWidget(QWidget* w) {
        // Chatter sounds go to the table as they stand, like chat. The phrase buttons'
        // phrases are walked: the defaults are the user's language.
        if (w->objectName() == "popup_sounds") return;
        const QString where = w->window()->objectName() + "/" + w->objectName();
        const bool titled = w->windowType() == Qt::Window || w->windowType() == Qt::Dialog;
        if (titled && w->windowTitle() != QApplication::applicationName())
            add(w->windowTitle(), where);
        add(w->toolTip(), where);
        add(w->accessibleName(), where);
        add(w->accessibleDescription(), where);
        addActions(w->actions(), where);
        if (auto* l = qobject_cast<QLabel*>(w)) add(l->text(), where);
        if (auto* b = qobject_cast<QAbstractButton*>(w)) add(b->text(), where);
        if (auto* e = qobject_cast<QLineEdit*>(w)) {
            add(e->text(), where);
            add(e->placeholderText(), where);
        }
        // The chat view: the notices, and a line and a phrase the user sent (their words
        // are the same in both languages; the names and verbs around them are not).
        if (auto* t = qobject_cast<QTextEdit*>(w)) add(t->toPlainText(), where);
        if (auto* t = qobject_cast<QPlainTextEdit*>(w)) {
            add(t->toPlainText(), where);
            add(t->placeholderText(), where);
        }
        if (auto* tree = qobject_cast<QTreeWidget*>(w)) {
            for (int c = 0; c < tree->columnCount(); ++c)
                add(tree->headerItem()->text(c), where + " header");
            for (int i = 0; i < tree->topLevelItemCount(); ++i)
                for (int c = 0; c < tree->columnCount(); ++c)
                    add(tree->topLevelItem(i)->text(c), where);
        }
        if (auto* list = qobject_cast<QListWidget*>(w))
            for (int i = 0; i < list->count(); ++i)
                add(list->item(i)->text(), where);
        if (auto* bar = qobject_cast<QMenuBar*>(w)) addActions(bar->actions(), where);
    }

    std::multimap<QString, QString> seen;
    std::vector<std::pair<QString, QString>> texts;  // every text whole, and where
    QString chat;                                    // the chat as it reads at the end
};

class GermanWalkTest : public ::testing::Test {
protected:
    void TearDown() override { QCoreApplication::removeTranslator(&translator); }

    // Starts the whole program, opens every window and returns their words.
    Words walk() {
        QTemporaryDir dir;
        TchatOptions options;
        options.settingsPath = dir.filePath("orvanelobby.ini");
        options.lobbyPort = 1;
        options.port = 0;
        Program program(options);
        Tchat& chat = program.chat();
        chat.show();
        EXPECT_TRUE(waitUntil([&] { return chat.chat()->view()->toPlainText().count('\n') >= 1; }));
        EXPECT_TRUE(waitUntil([&] { return chat.link().connected(); }));
        chat.chat()->input()->setText("ok");
        QTest::keyClick(chat.chat()->input(), Qt::Key_Return);
        chat.phraseBar()->findChild<QAbstractButton*>("b_phrase1")->click();
        static const QRegularExpression sent(QStringLiteral("\\bok\\b"));
        EXPECT_TRUE(waitUntil([&] { return chat.chat()->view()->toPlainText().contains(sent); }));
        EXPECT_TRUE(waitUntil([&] {
            const QString text = chat.chat()->view()->toPlainText();
            return text.contains(PhraseBar::defaultPhrase(1));
        }));
        program.help().show();
        program.about().show();
        program.phrases().show();
        program.tally().show();
        // The online window, never connected: a room without a server is refused in the
        // window itself, which shows its own notice.
        Tonline& online = program.openOnlineWindow();
        online.findChild<QLineEdit*>("edit_name")->setText("Ann");
        online.findChild<QLineEdit*>("edit_server")->setText("127.0.0.1");
        online.findChild<QLineEdit*>("edit_room")->setText("tessarine");
        online.connectButton()->click();
        EXPECT_FALSE(online.statusLine()->text().isEmpty());
        EXPECT_EQ(program.lobby().state(), OnlineLobby::State::offline);
        chat.openHostWindow();
        chat.openJoinWindow();
        chat.board()->button_start()->click();
        auto* quick = chat.board()->findChild<QWidget*>("panel_help");
        quick->show();
        // Every text of the quick instructions has the height its lines need.
        for (const QLabel* l : quick->findChildren<QLabel*>()) {
            if (l->wordWrap()) {
                EXPECT_LE(l->heightForWidth(l->width()), l->height()) << l->text().toStdString();
            }
        }
        Words words;
        words.chat = chat.chat()->view()->toPlainText();
        std::set<QWidget*> done;
        QList<QWidget*> all = QApplication::topLevelWidgets();
        for (QWidget* top : QApplication::topLevelWidgets())
            all += top->findChildren<QWidget*>();
        for (QWidget* w : all)
            if (done.insert(w).second) words.addWidget(w);
        return words;
    }

    QTranslator translator;
};

TEST_F(GermanWalkTest, NoEnglishWordIsLeftInAnyWindow) {
    const Words english = walk();
    loadLanguage(translator, QStringLiteral("de"), QLocale(QLocale::English));
    QCoreApplication::installTranslator(&translator);
    const Words german = walk();
    ASSERT_GT(english.seen.size(), 300u);  // the walk reached the windows
    for (const char* window : {"online/", "host/", "join/"}) {
        const auto reached = [&](const Words& words) {
            return std::any_of(words.seen.begin(), words.seen.end(),
                               [&](const auto& w) { return w.second.startsWith(window); });
        };
        EXPECT_TRUE(reached(english) && reached(german)) << window;
    }
    QStringList left;
    for (const auto& [word, where] : german.seen)
        if (english.seen.count(word) && !sameInBoth.count(word)) left << word + "  (" + where + ")";
    left.removeDuplicates();
    EXPECT_TRUE(left.isEmpty()) << left.join("\n").toStdString();
}

// The program writes British English. Texts the game has always shown are kept as they
// stand, whatever their spelling.
TEST_F(GermanWalkTest, TheProgramsEnglishIsBritish) {
    static const QRegularExpression american(
        QStringLiteral("\\b(colors?|colored|coloring|centers?|centered|favorites?|favor|"
                       "behaviors?|honor|gray|canceled|canceling|neighbors?|labeled|traveled|"
                       "catalog|\\w+(iz|yz)(e|es|ed|ing|ation)s?)\\b"),
        QRegularExpression::CaseInsensitiveOption);
    // English words of that shape, and the game's own texts.
    static const QRegularExpression kept(
        QStringLiteral("\\b(size[sd]?|prize|seize)\\b|Text Color|opposite color of the top card"),
        QRegularExpression::CaseInsensitiveOption);
    const Words english = walk();
    ASSERT_GT(english.texts.size(), 300u);
    QStringList found;
    for (const auto& [text, where] : english.texts) {
        QString checked = text;
        checked.remove(kept);
        if (const auto m = american.match(checked); m.hasMatch())
            found << m.captured(0) + "  (" + where + ": " + text.left(80) + ")";
    }
    found.removeDuplicates();
    EXPECT_TRUE(found.isEmpty()) << found.join("\n").toStdString();
}

// The user's own lines address the user: "Du sagst", not "Du sagt".
TEST_F(GermanWalkTest, TheUsersOwnChatLinesAreGrammaticalInGerman) {
    loadLanguage(translator, QStringLiteral("de"), QLocale(QLocale::English));
    QCoreApplication::installTranslator(&translator);
    const QString chat = walk().chat;
    EXPECT_TRUE(chat.contains(QStringLiteral("Du schreibst:  ok"))) << chat.toStdString();
    EXPECT_TRUE(chat.contains(QStringLiteral("Du sagst:  ") + PhraseBar::defaultPhrase(1)))
        << chat.toStdString();
    EXPECT_FALSE(chat.contains(QStringLiteral("Du sagt"))) << chat.toStdString();
    EXPECT_FALSE(chat.contains(QStringLiteral("Du schreibt"))) << chat.toStdString();
}

}  // namespace
}  // namespace tess::testing
