#include <gtest/gtest.h>

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include "records/settings_file.h"
#include "tests/records/full_disk.h"

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

// Help=2 is written once; later starts read the file and leave it as it is (a rewrite
// would cost a disk sync at every start).
TEST_F(SettingsFileTest, LaterStartsDoNotRewriteTheFile) {
    write("[Tessarine]\nHelp=2\nPhrase1=hi\n");
    const QDateTime old = QDateTime::currentDateTimeUtc().addDays(-30);
    {
        QFile f(path());
        ASSERT_TRUE(f.open(QIODevice::ReadWrite));
        ASSERT_TRUE(f.setFileTime(old, QFileDevice::FileModificationTime));
    }
    SettingsFile file(path());
    EXPECT_FALSE(file.load().showHelp);
    EXPECT_EQ(QFileInfo(path()).lastModified().toUTC().toSecsSinceEpoch(), old.toSecsSinceEpoch());
    EXPECT_EQ(read(), "[Tessarine]\nHelp=2\nPhrase1=hi\n");
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

TEST_F(SettingsFileTest, BotLevelIsKeptOnlyWhenStrong) {
    SettingsFile file(path());
    Settings s;
    ASSERT_TRUE(file.save(s));
    const std::string classic = read();
    EXPECT_EQ(classic.find("Botlevel"), std::string::npos);
    EXPECT_FALSE(file.load().strongBot);

    s.strongBot = true;
    ASSERT_TRUE(file.save(s));
    EXPECT_NE(read().find("Botlevel=Strong"), std::string::npos);
    EXPECT_TRUE(file.load().strongBot);

    // Back to Classic: the file is as a classic save wrote it (Help=2 aside, written
    // by the loads above).
    s.strongBot = false;
    ASSERT_TRUE(file.save(s));
    EXPECT_EQ(read().find("Botlevel"), std::string::npos);

    for (const char* odd : {"Classic", "2", ""}) {
        write((std::string("[Tessarine]\nBotlevel=") + odd + "\n").c_str());
        EXPECT_FALSE(SettingsFile(path()).load().strongBot) << odd;
    }
    write("[Tessarine]\nbotlevel=STRONG\n");
    EXPECT_TRUE(SettingsFile(path()).load().strongBot);
}

TEST_F(SettingsFileTest, UnwritableFileSaysWhyAndLosesNothing) {
    write("[Tessarine]\nTextsize=12\n");
    SettingsFile file(dir.filePath("no/such/folder/orvanelobby.ini"));
    EXPECT_FALSE(file.save(Settings{}));
    EXPECT_FALSE(file.lastError().isEmpty());
    EXPECT_EQ(SettingsFile(path()).load().textSize, 12);
}

QByteArray bytesOf(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

struct UnreadableCase {
    const char* what;
    QByteArray content;
};

class UnreadableSettingsTest : public SettingsFileTest,
                               public testing::WithParamInterface<UnreadableCase> {};

// A file we cannot read whole is not ours to rewrite: whatever it holds after the
// point where reading stops would be lost.
TEST_P(UnreadableSettingsTest, IsLeftByteForByteAndTheRunUsesDefaults) {
    {
        QFile f(path());
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(GetParam().content);
    }
    SettingsFile file(path());
    const Settings s = file.load();
    ASSERT_TRUE(file.unreadable().has_value());
    EXPECT_TRUE(file.unreadable()->contains(path()));
    EXPECT_EQ(s.textSize, 8);
    EXPECT_TRUE(s.showHelp);
    Settings changed;
    changed.textSize = 14;
    EXPECT_FALSE(file.save(changed));
    EXPECT_FALSE(file.lastError().isEmpty());
    EXPECT_FALSE(file.writeKey("Phrase1", "hi"));
    file.load();
    // A second object (the phrase editor's) refuses to write it too.
    EXPECT_FALSE(SettingsFile(path()).save(changed));
    EXPECT_EQ(bytesOf(path()), GetParam().content);
}

QByteArray withNul() {
    return QByteArray("[Tessarine]\nTextsize=12\n\0[Lobby]\nServer=far.example\n", 48);
}

QByteArray overOneMiB() {
    QByteArray text("[Tessarine]\nTextsize=12\n[Lobby]\n");
    for (int i = 0; text.size() <= SettingsFile::maxFileBytes; ++i)
        text += "Key" + QByteArray::number(i) + "=some value\n";
    return text;
}

INSTANTIATE_TEST_SUITE_P(Files, UnreadableSettingsTest,
                         testing::Values(UnreadableCase{"NulByte", withNul()},
                                         UnreadableCase{"LargerThanOneMiB", overOneMiB()}),
                         [](const auto& info) { return std::string(info.param.what); });

TEST_F(SettingsFileTest, AFileOfExactlyOneMiBIsStillRead) {
    QByteArray text("[Tessarine]\nTextsize=12\n;");
    text += QByteArray(SettingsFile::maxFileBytes - text.size() - 1, 'x') + "\n";
    ASSERT_EQ(text.size(), SettingsFile::maxFileBytes);
    {
        QFile f(path());
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(text);
    }
    SettingsFile file(path());
    EXPECT_EQ(file.load().textSize, 12);
    EXPECT_FALSE(file.unreadable().has_value());
}

TEST(SettingsFullDiskTest, AFailedSaveKeepsThePreviousFile) {
    FullDisk disk;
    if (!disk.mounted()) GTEST_SKIP() << "mounting a small tmpfs is not allowed here";
    const QByteArray before("[Tessarine]\nTextsize=12\n[Lobby]\nServer=far.example\n");
    ASSERT_TRUE(disk.put(QStringLiteral("orvanelobby.ini"), before));
    ASSERT_TRUE(disk.fill());
    SettingsFile file(disk.filePath(QStringLiteral("orvanelobby.ini")));
    Settings s;
    s.phrases[0] = std::string(8000, 'p');
    EXPECT_FALSE(file.save(s));
    EXPECT_FALSE(file.lastError().isEmpty());
    EXPECT_FALSE(file.writeKey("Phrase1", std::string(8000, 'p')));
    EXPECT_EQ(bytesOf(file.path()), before);
    EXPECT_EQ(QDir(QFileInfo(file.path()).path()).entryList(QDir::Files).size(), 2)
        << "no temporary file is left behind";
}

}  // namespace
}  // namespace tess
