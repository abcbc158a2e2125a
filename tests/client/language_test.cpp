// The program in German: its own texts translated, everything that travels to other
// players exactly as before.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QFile>
#include <QLineEdit>
#include <QMenu>
#include <QTemporaryDir>
#include <QTest>
#include <QTranslator>
#include <memory>

#include "client/start/program.h"
#include "client/table/board_view.h"
#include "client/table/main_menu.h"
#include "client/table/model_texts.h"
#include "client/table/tchat.h"
#include "client/windows/gamestart_form.h"
#include "records/settings_file.h"
#include "social/chat_panel.h"
#include "social/chat_view.h"
#include "social/phrase_bar.h"
#include "tests/support/test_client.h"
#include "translations/language.h"

namespace tess::testing {
namespace {

const QLocale german(QLocale::German, QLocale::Germany);
const QLocale english(QLocale::English, QLocale::UnitedStates);

class LanguageTest : public ::testing::Test {
protected:
    void TearDown() override {
        program.reset();
        QCoreApplication::removeTranslator(&translator);
    }
    void useLanguage(const QString& setting, const QLocale& system) {
        language = loadLanguage(translator, setting, system);
        QCoreApplication::installTranslator(&translator);
    }
    void startSolo() {
        TchatOptions options;
        options.settingsPath = dir.filePath("orvanelobby.ini");
        options.lobbyPort = 1;  // nobody there: ignored
        options.port = 0;       // any free port: 7772 belongs to the program tests
        program = std::make_unique<Program>(options);
        chat = &program->chat();
        chat->show();
    }
    QString chatText() const { return chat->chat()->view()->toPlainText(); }
    bool chatShows(const QString& text) const {
        return waitUntil([&] { return chatText().contains(text); });
    }
    QString settingsText() const {
        QFile f(dir.filePath("orvanelobby.ini"));
        return f.open(QIODevice::ReadOnly) ? QString::fromUtf8(f.readAll()) : QString();
    }

    QTranslator translator;
    QString language;
    QTemporaryDir dir;
    std::unique_ptr<Program> program;
    Tchat* chat = nullptr;
};

TEST_F(LanguageTest, TheSettingOrTheSystemChoosesTheTranslation) {
    struct Case {
        const char* setting;
        QLocale system;
        const char* expected;
    };
    const Case cases[] = {
        {"", german, "de"},         {"", QLocale(QLocale::German, QLocale::Austria), "de"},
        {"", english, "en"},        {"", QLocale(QLocale::French, QLocale::France), "en"},
        {"de", english, "de"},      {"en", german, "en"},  // English is chosen over a German system
        {"klingon", german, "de"},                         // an unknown value follows the system
        {"klingon", english, "en"},
    };
    for (const Case& c : cases) {
        QTranslator t;
        EXPECT_EQ(loadLanguage(t, QString::fromLatin1(c.setting), c.system), c.expected)
            << c.setting << " on " << c.system.name().toStdString();
        EXPECT_EQ(t.isEmpty(), QString::fromLatin1(c.expected) == "en") << c.setting;
    }
}

TEST_F(LanguageTest, TheModelsEnglishTextsAreShownUnchangedWithoutATranslation) {
    // Byte for byte, names with pattern characters included.
    for (const char* text :
         {"You have started a game.", "Ann's turn.", "Klot used all their cards. +12 points.",
          "You used all your cards. +3 points.", "%2 has Won the Game!", "Bob's turn. 50%1",
          "Time Per Turn: 60secs", "TIME:0:45", "something the table never says", ""})
        EXPECT_EQ(shownModelText(text), QString::fromUtf8(text)) << text;
}

TEST_F(LanguageTest, TheModelsTextsAreShownInGerman) {
    useLanguage("de", english);
    const std::pair<const char*, const char*> cases[] = {
        {"You have started a game.", "Du hast ein Spiel gestartet."},
        {"Ann's turn.", "Ann ist am Zug."},
        {"Klot used all their cards. +12 points.", "Klot hat alle Karten ausgespielt. +12 Punkte."},
        {"A. B. has Won the Game!", "A. B. hat das Spiel gewonnen!"},
        {"%2 is just watching", "%2 schaut nur zu"},  // a name is never a placeholder
        {"Play To Score: 100", "Spielen bis: 100"},
        {"Time Per Turn: 60secs", "Zeit pro Zug: 60 s"},
        {"TIME:0:45", "ZEIT:0:45"},
        {"noplay", "Dieser Zug geht nicht."},  // the host's refusal of a move
        {"something the table never says", "something the table never says"},
    };
    for (const auto& [english, shown] : cases)
        EXPECT_EQ(shownModelText(english), QString::fromUtf8(shown)) << english;
}

TEST_F(LanguageTest, TheWindowsStartInTheSystemsGerman) {
    useLanguage("", german);
    ASSERT_EQ(language, "de");
    startSolo();
    ASSERT_TRUE(chatShows("Du bist verbunden."));
    EXPECT_TRUE(chatText().startsWith(" Solospiel wird geladen..Bitte warten."));
    EXPECT_EQ(chat->menu()->Options->title(), "&Optionen");
    EXPECT_EQ(chat->menu()->JustWatch1->text(), "Nur zuschauen");
    EXPECT_EQ(chat->menu()->Language1->title(), "Sprache");
    EXPECT_EQ(chat->chat()->input()->text(), "<Hier chatten>");
    // "System" is checked; the languages keep their own names.
    QStringList items;
    for (QAction* item : chat->menu()->Language1->actions())
        items << item->text() + (item->isChecked() ? "*" : "");
    EXPECT_EQ(items, QStringList({"System*", "English", "Deutsch"}));

    // The model's English reaches the table in German.
    chat->board()->button_start()->click();
    auto* gamestart = chat->findChild<Tgamestart*>();
    ASSERT_NE(gamestart, nullptr);
    EXPECT_EQ(gamestart->windowTitle(), "Tessarine - Spielstart");
    gamestart->button_start()->click();
    ASSERT_TRUE(chatShows("Du hast ein Spiel gestartet.")) << chatText().toStdString();
    EXPECT_TRUE(waitUntil([&] {
        const QString status = chat->board()->label_status()->text();
        return status == "Du bist am Zug. Zieh eine Karte, um den Zug zu beenden." ||
               status == "Klot ist am Zug.";
    })) << chat->board()->label_status()->text().toStdString();
}

// The wire keeps the host's English words; the window shows them in German after a
// name it knows, and the default phrases are the user's language.
TEST_F(LanguageTest, WhatTravelsToOtherPlayersStaysAsItIsInGerman) {
    useLanguage("de", english);
    startSolo();
    ASSERT_TRUE(chatShows("Du bist verbunden."));
    TestClient ann(program->server().port());
    ann.login("Ann");
    ASSERT_TRUE(chatShows("Ann ist verbunden."));

    // A chat line relayed from another player, and one sent from here.
    ann.send("CMD_chat+2+hallo|clRed");
    ASSERT_TRUE(chatShows("Ann schreibt:  hallo"));
    ann.skipSeen();
    chat->chat()->input()->setText("hello");
    QTest::keyClick(chat->chat()->input(), Qt::Key_Return);
    EXPECT_FALSE(ann.waitForPrefix("CMD_chat+1+You chats: hello|clBlack").empty());

    ASSERT_TRUE(chatShows("Du schreibst:  hello")) << chatText().toStdString();

    // A phrase button sends its default phrase, which is German here.
    chat->phraseBar()->button(1)->click();
    const std::string phrase = ann.waitForPrefix("CMD_action+1+");
    EXPECT_NE(phrase.find("says: Weiter so!|"), std::string::npos) << phrase;
    ASSERT_TRUE(chatShows("Du sagst:  Weiter so!")) << chatText().toStdString();
}

TEST_F(LanguageTest, TheLanguageChoiceIsKeptForTheNextStartBesideTheOtherKeys) {
    QFile f(dir.filePath("orvanelobby.ini"));
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("[Lobby]\nName=Ann\n\n[Tessarine]\nTextsize=12\nHelp=2\n");
    f.close();
    startSolo();
    ASSERT_TRUE(chatShows("You are Connected."));
    QAction* deutsch = chat->menu()->Language1->actions().at(2);
    ASSERT_EQ(deutsch->text(), "Deutsch");
    EXPECT_EQ(deutsch->statusTip(), "The language changes at the next start.");
    deutsch->trigger();
    EXPECT_TRUE(chatShows("The language changes at the next start."));
    EXPECT_TRUE(deutsch->isChecked());
    EXPECT_FALSE(chat->menu()->Language1->actions().at(0)->isChecked());
    const QString saved = settingsText();
    EXPECT_TRUE(saved.contains("Language=de")) << saved.toStdString();
    EXPECT_TRUE(saved.contains("[Lobby]\nName=Ann")) << saved.toStdString();
    EXPECT_TRUE(saved.contains("Textsize=12")) << saved.toStdString();

    // Read before any window, without touching the file.
    SettingsFile file(dir.filePath("orvanelobby.ini"));
    EXPECT_EQ(file.language(), "de");
    EXPECT_EQ(settingsText(), saved);
}

TEST_F(LanguageTest, AFileWithoutTheKeyOrAnUnreadableOneFollowsTheSystem) {
    SettingsFile missing(dir.filePath("none.ini"));
    EXPECT_EQ(missing.language(), "");
    QFile f(dir.filePath("bad.ini"));
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(QByteArray("[Tessarine]\nLanguage=de\n\0\n", 26));
    f.close();
    EXPECT_EQ(SettingsFile(dir.filePath("bad.ini")).language(), "");
    EXPECT_FALSE(QFile::exists(dir.filePath("none.ini")));
}

}  // namespace
}  // namespace tess::testing
