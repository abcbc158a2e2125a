#include <gtest/gtest.h>

#include <QAction>
#include <QMenu>
#include <QSignalSpy>
#include <QTest>

#include "records/settings_file.h"
#include "social/phrase_bar.h"
#include "social/sounds.h"

namespace tess {
namespace {

class PhraseBarTest : public ::testing::Test {
protected:
    PhraseBarTest() { window.resize(772, 535); }

    PhraseBar::Context context() {
        return {[this] { return slot; }, [this] { return connected; }, [this] { return colour; },
                [](int seat) { return QStringLiteral("Seat%1").arg(seat); }};
    }
    void click(int n) { QTest::mouseClick(bar.button(n), Qt::LeftButton); }
    QStringList sentLines() {
        QStringList lines;
        for (const auto& args : sent)
            lines << args[0].toString();
        return lines;
    }
    QAction* soundItem(int tag) {
        return bar.soundsMenu()->findChild<QAction*>(QStringLiteral("wave%1").arg(tag));
    }

    int slot = 2;
    bool connected = true;
    QString colour = "clBlue";
    qint64 now = 50'000;
    QWidget window;
    SoundPlayer sounds;
    PhraseBar bar{sounds, context(), &window, [this] { return now; }};
    QSignalSpy sent{&bar, &PhraseBar::sendLine};
    QSignalSpy notices{&bar, &PhraseBar::notice};
    QSignalSpy played{&sounds, &SoundPlayer::played};
};

TEST_F(PhraseBarTest, ButtonsSitInOneRowWithTheirPhrasesAsTooltips) {
    for (int n = 1; n <= 10; ++n) {
        SCOPED_TRACE(n);
        const int x = n <= 9 ? 477 + 28 * (n - 1) : 729;
        EXPECT_EQ(bar.button(n)->mapTo(&window, QPoint(0, 0)), QPoint(x, 46));
        EXPECT_EQ(bar.button(n)->size(), QSize(27, 23));
        EXPECT_EQ(bar.button(n)->objectName(), QStringLiteral("b_phrase%1").arg(n));
    }
    EXPECT_EQ(bar.button(1)->toolTip(), "Way To Go!");
    EXPECT_EQ(bar.button(6)->toolTip(), "Wow, WTG!");
    EXPECT_EQ(bar.button(9)->toolTip(), "Good Game Everyone!");
    EXPECT_EQ(bar.button(10)->toolTip(), "Chatter Sounds");
}

TEST_F(PhraseBarTest, AClickSendsThePhraseAsAnAction) {
    const struct {
        QString phrase, line;
    } cases[] = {
        {"Way To Go!", "CMD_action+2+says: Way To Go!|clBlue"},
        {"/me dances", "CMD_action+2+dances|clBlue"},
        {"/medances", "CMD_action+2+says: /medances|clBlue"},
        {"/me ", "CMD_action+2+|clBlue"},
        {"", "CMD_action+2+says: |clBlue"},
        {"a | b + c", "CMD_action+2+says: a | b + c|clBlue"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.phrase.toStdString());
        bar.setPhrase(4, c.phrase);
        click(4);
        ASSERT_EQ(sent.size(), 1);
        EXPECT_EQ(sent.takeFirst()[0].toString(), c.line);
        now += PhraseBar::guardMs;
    }
}

TEST_F(PhraseBarTest, APhraseWaitsTwoSecondsAfterTheLastOne) {
    click(1);
    now += 1999;
    click(2);
    EXPECT_EQ(sentLines(), QStringList{"CMD_action+2+says: Way To Go!|clBlue"});
    now += 1;
    click(2);
    click(3);  // the guard starts again from the phrase just sent
    EXPECT_EQ(sentLines(), (QStringList{"CMD_action+2+says: Way To Go!|clBlue",
                                        "CMD_action+2+says: Good One!|clBlue"}));
    connected = false;  // the buttons do not ask
    now += 5000;
    click(3);
    EXPECT_EQ(sent.size(), 3);
}

TEST_F(PhraseBarTest, ChatterSoundsSendTheirNumberWhileConnected) {
    ASSERT_EQ(bar.soundsMenu()->actions().size(), 21);
    EXPECT_EQ(soundItem(0)->text(), "<Cancel>");
    EXPECT_EQ(soundItem(5)->text(), "Where have you been?");
    EXPECT_EQ(soundItem(20)->text(), "Crying");

    soundItem(4)->trigger();
    soundItem(4)->trigger();  // not limited
    soundItem(0)->trigger();
    connected = false;
    soundItem(7)->trigger();
    EXPECT_EQ(sentLines(), (QStringList{"CMD_playasound+2+wave4+", "CMD_playasound+2+wave4+"}));
    EXPECT_TRUE(bar.phraseReady());
}

TEST_F(PhraseBarTest, ReleasingAnyMouseButtonOverTheSoundButtonOpensTheMenu) {
    window.show();
    QTest::mouseClick(bar.button(10), Qt::RightButton);
    EXPECT_TRUE(bar.soundsMenu()->isVisible());
    bar.soundsMenu()->hide();
    QTest::mouseClick(bar.button(10), Qt::LeftButton);
    EXPECT_TRUE(bar.soundsMenu()->isVisible());
    bar.soundsMenu()->hide();
}

TEST_F(PhraseBarTest, AReceivedChatterSoundIsANoticeWhenPhraseSoundsAreOff) {
    sounds.setPlayerPhraseSounds(false);
    const struct {
        const char* data;
        const char* notice;  // nullptr: nothing shown
    } cases[] = {
        {"2+wave4+", "0+Seat2: <Chatter Sound> Thank You"},
        {"4+WAVE20+more+fields", "0+Seat4: <Chatter Sound> Crying"},
        {"1+wave1", "0+Seat1: <Chatter Sound> Doh"},
        {"6+wave4+", nullptr},   // a spectator has no seat label
        {"2+wave0+", nullptr},   // not a chatter sound
        {"2+wave21+", nullptr},  //
        {"2+winner+", nullptr},  //
        {"x+wave4+", nullptr},   // malformed slot
        {"0+wave4+", nullptr},   //
        {"10+wave4+", nullptr},  //
        {"", nullptr},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.data);
        bar.playasound(c.data);
        if (c.notice) {
            ASSERT_EQ(notices.size(), 1);
            EXPECT_EQ(notices.takeFirst()[0].toString(), c.notice);
        } else {
            EXPECT_EQ(notices.size(), 0);
        }
    }
    EXPECT_EQ(played.size(), 0);
}

TEST_F(PhraseBarTest, AReceivedChatterSoundPlaysWhenPhraseSoundsAreOnWhateverPlaySoundsSays) {
    sounds.setPlaySounds(false);
    bar.playasound("2+wave4+");
    bar.playasound("7+Wave13+");  // spectators are heard too
    bar.playasound("2+topile+");
    ASSERT_EQ(played.size(), 2);
    EXPECT_EQ(played[0][0].toString(), "WAVE4");
    EXPECT_EQ(played[1][0].toString(), "WAVE13");
    EXPECT_EQ(notices.size(), 0);
}

TEST_F(PhraseBarTest, StoredPhrasesReplaceOnlyWhenNotEmpty) {
    Settings read;
    read.phrases[1] = "Hi";
    read.phrases[8] = std::string(500, 'x');
    bar.applySettings(read);
    EXPECT_EQ(bar.phrase(1), "Way To Go!");
    EXPECT_EQ(bar.phrase(2), "Hi");
    EXPECT_EQ(bar.button(2)->toolTip(), "Hi");
    EXPECT_EQ(bar.phrase(9), QString(400, 'x'));  // the input limit
}

TEST_F(PhraseBarTest, ButtonsShowTheirPicturesOnceGiven) {
    std::vector<std::pair<int, bool>> asked;
    bar.setButtonPixmaps([&](int n, bool pressed) {
        asked.emplace_back(n, pressed);
        QPixmap p(27, 23);
        p.fill(pressed ? Qt::red : Qt::green);
        return p;
    });
    EXPECT_EQ(bar.button(3)->grab().toImage().pixelColor(10, 10), QColor(Qt::green));
    bar.button(10)->setDown(true);
    EXPECT_EQ(bar.button(10)->grab().toImage().pixelColor(10, 10), QColor(Qt::red));
    EXPECT_NE(std::find(asked.begin(), asked.end(), std::pair(3, false)), asked.end());
    EXPECT_NE(std::find(asked.begin(), asked.end(), std::pair(10, true)), asked.end());
}

}  // namespace
}  // namespace tess
