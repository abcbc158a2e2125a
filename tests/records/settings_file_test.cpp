#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

#include "records/settings_file.h"

namespace tess {
namespace {

class SettingsFileTest : public ::testing::Test {
protected:
    void write(const char* text) {
        QFile f(path());
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(text);
    }
    std::string read() {
        QFile f(path());
        if (!f.open(QIODevice::ReadOnly)) return {};
        return f.readAll().toStdString();
    }
    QString path() const { return dir.filePath("orvanelobby.ini"); }

    QTemporaryDir dir;
};

TEST_F(SettingsFileTest, FirstRunReadsDefaultsAndCreatesTheFileWithHelpDone) {
    SettingsFile file(path());
    const Settings s = file.load();
    EXPECT_EQ(s.textSize, 8);
    EXPECT_EQ(s.left, 3);
    EXPECT_EQ(s.top, 3);
    EXPECT_EQ(s.width, 772);
    EXPECT_EQ(s.height, 535);
    EXPECT_EQ(s.textColor, clBlack);
    EXPECT_EQ(s.playToScore, 100);
    EXPECT_EQ(s.timePerTurn, 60);
    EXPECT_EQ(s.botSpeedMs, 1000);
    EXPECT_EQ(s.turnSound, 0);
    EXPECT_TRUE(s.playSounds);
    EXPECT_TRUE(s.playerPhraseSounds);
    EXPECT_TRUE(s.showHelp);
    EXPECT_EQ(read(), "[Tessarine]\nHelp=2\n");
    EXPECT_FALSE(file.load().showHelp);
}

TEST_F(SettingsFileTest, ReadsKeysWithoutRegardToCaseAndFallsBackOnNonsense) {
    write(
        "[tessarine]\n"
        "TEXTSIZE=9\ntop=abc\nLeft=40\nwidth=900\nHeight=-\n"
        "textcolor=clNavy\nPlaytoscore=\nTimeperturn=x90\n"
        "botspeed=500\nTurnsound=1\nPhrase3=Wow, WTG!\n"
        "Playsounds=false\nPlayerphrasesounds=no\nHelp=2\n");
    const Settings s = SettingsFile(path()).load();
    EXPECT_EQ(s.textSize, 9);
    EXPECT_EQ(s.top, 3);
    EXPECT_EQ(s.left, 40);
    EXPECT_EQ(s.width, 900);
    EXPECT_EQ(s.height, 535);
    EXPECT_EQ(s.textColor, 0x800000u);
    EXPECT_EQ(s.playToScore, std::nullopt);
    EXPECT_EQ(s.timePerTurn, std::nullopt);
    EXPECT_EQ(s.botSpeedMs, 500);
    EXPECT_EQ(s.turnSound, 1);
    EXPECT_EQ(s.phrases[2], "Wow, WTG!");
    EXPECT_EQ(s.phrases[0], "");
    EXPECT_FALSE(s.playSounds);
    EXPECT_TRUE(s.playerPhraseSounds);
    EXPECT_FALSE(s.showHelp);

    write("[Tessarine]\nTextcolor=sky\nBotspeed=fast\n");
    const Settings odd = SettingsFile(path()).load();
    EXPECT_EQ(odd.textColor, clBlack);
    EXPECT_EQ(odd.botSpeedMs, 1000);
}

TEST_F(SettingsFileTest, SavingKeepsWhatBelongsToOthers) {
    write(
        "; the lobby's own settings\n"
        "[Lobby]\nGreeting=Wow, WTG!\nServer=a+b|c\n\n"
        "[Tessarine]\n; kept\nPhrase1=Hello there\nHelp=2\n");
    SettingsFile file(path());
    Settings s;
    s.textColor = 0x00123456;
    s.botSpeedMs = 2000;
    s.playSounds = false;
    ASSERT_TRUE(file.save(s));
    const std::string text = read();
    EXPECT_NE(text.find("; the lobby's own settings"), std::string::npos);
    EXPECT_NE(text.find("Greeting=Wow, WTG!"), std::string::npos);
    EXPECT_NE(text.find("Server=a+b|c"), std::string::npos);
    EXPECT_NE(text.find("; kept"), std::string::npos);
    EXPECT_NE(text.find("Phrase1=Hello there"), std::string::npos);
    EXPECT_NE(text.find("Textcolor=$00123456"), std::string::npos);
    EXPECT_NE(text.find("Botspeed=2000"), std::string::npos);
    EXPECT_NE(text.find("Playsounds=false"), std::string::npos);

    const Settings back = file.load();
    EXPECT_EQ(back.textColor, 0x00123456u);
    EXPECT_EQ(back.botSpeedMs, 2000);
    EXPECT_FALSE(back.playSounds);
    EXPECT_EQ(back.phrases[0], "Hello there");
}

TEST_F(SettingsFileTest, UnwritableFileSaysWhyAndLosesNothing) {
    write("[Tessarine]\nTextsize=12\n");
    SettingsFile file(dir.filePath("no/such/folder/orvanelobby.ini"));
    EXPECT_FALSE(file.save(Settings{}));
    EXPECT_FALSE(file.lastError().isEmpty());
    EXPECT_EQ(SettingsFile(path()).load().textSize, 12);
}

}  // namespace
}  // namespace tess
