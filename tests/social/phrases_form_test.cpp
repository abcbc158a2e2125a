#include <gtest/gtest.h>

#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include "social/phrase_bar.h"
#include "social/phrases_form.h"
#include "social/sounds.h"

namespace tess {
namespace {

class PhrasesFormTest : public ::testing::Test {
protected:
    QString iniPath() const { return dir.filePath("orvanelobby.ini"); }
    QString fileText() const {
        QFile f(iniPath());
        return f.open(QIODevice::ReadOnly) ? QString::fromUtf8(f.readAll()) : QString();
    }

    QTemporaryDir dir;
    QWidget window;
    SoundPlayer sounds;
    PhraseBar bar{sounds, {}, &window};
    Tphrases editor{bar, SettingsFile(iniPath()), &window};
};

TEST_F(PhrasesFormTest, OpensWithTheButtonsPhrases) {
    bar.setPhrase(3, "Nope");
    editor.showFromButtons();
    EXPECT_TRUE(editor.isVisible());
    EXPECT_EQ(editor.windowTitle(), "Tessarine - Phrase Buttons ");
    EXPECT_EQ(editor.size(), QSize(368, 265));
    EXPECT_EQ(editor.field(1)->text(), "Way To Go!");
    EXPECT_EQ(editor.field(3)->text(), "Nope");
    EXPECT_EQ(editor.field(9)->objectName(), "phrase9");
    EXPECT_EQ(editor.field(1)->maxLength(), 400);
}

TEST_F(PhrasesFormTest, DoneSetsTheButtonsAndStoresAllNinePhrases) {
    editor.showFromButtons();
    editor.field(1)->setText("/me dances");
    editor.field(2)->clear();
    editor.field(5)->clear();
    QTest::keyClicks(editor.field(5), QString(450, 'y'));
    QTest::mouseClick(editor.doneButton(), Qt::LeftButton);

    EXPECT_FALSE(editor.isVisible());
    EXPECT_EQ(bar.phrase(1), "/me dances");
    EXPECT_EQ(bar.phrase(2), "");
    EXPECT_EQ(bar.phrase(5), QString(400, 'y'));
    const QString text = fileText();
    EXPECT_TRUE(text.contains("[Tessarine]"));
    EXPECT_TRUE(text.contains("Phrase1=/me dances"));
    EXPECT_TRUE(text.contains(QRegularExpression("Phrase2=\n")));
    EXPECT_TRUE(text.contains("Phrase9=Good Game Everyone!"));

    // The next start: an empty stored phrase leaves the default.
    PhraseBar next{sounds, {}, &window};
    next.applySettings(SettingsFile(iniPath()).load());
    EXPECT_EQ(next.phrase(1), "/me dances");
    EXPECT_EQ(next.phrase(2), "Good One!");
}

TEST_F(PhrasesFormTest, ClosingWithoutDoneDiscardsTheEdits) {
    editor.showFromButtons();
    editor.field(1)->setText("changed");
    editor.close();
    EXPECT_EQ(bar.phrase(1), "Way To Go!");
    EXPECT_FALSE(QFile::exists(iniPath()));
    editor.showFromButtons();
    EXPECT_EQ(editor.field(1)->text(), "Way To Go!");
}

TEST_F(PhrasesFormTest, AFailedSaveKeepsThePhrasesOnTheButtons) {
    Tphrases broken{bar, SettingsFile(dir.filePath("missing/orvanelobby.ini")), &window};
    QSignalSpy failed(&broken, &Tphrases::saveFailed);
    broken.showFromButtons();
    broken.field(7)->setText("Ta");
    QTest::mouseClick(broken.doneButton(), Qt::LeftButton);
    EXPECT_EQ(failed.size(), 1);
    EXPECT_EQ(bar.phrase(7), "Ta");
}

}  // namespace
}  // namespace tess
