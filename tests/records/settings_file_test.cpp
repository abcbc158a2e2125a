#include <gtest/gtest.h>

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <random>

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

    // Back to Classic: the line stays where it stood (no line of the shared file is
    // removed) and reads as the default.
    s.strongBot = false;
    ASSERT_TRUE(file.save(s));
    EXPECT_NE(read().find("Botlevel=Classic"), std::string::npos);
    EXPECT_FALSE(file.load().strongBot);

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

struct KeptCase {
    const char* what;
    QByteArray before;
    QByteArray after;  // after Textsize is set to 12
};

void PrintTo(const KeptCase& c, std::ostream* os) { *os << c.what; }

class LobbyFileTest : public SettingsFileTest, public testing::WithParamInterface<KeptCase> {};

// The file is the lobby's too: a save changes the values of our own keys and nothing
// else, however the rest of the file is written.
TEST_P(LobbyFileTest, ASaveChangesOnlyOurValues) {
    {
        QFile f(path());
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(GetParam().before);
    }
    SettingsFile file(path());
    ASSERT_TRUE(file.writeKey("Textsize", "12")) << file.lastError().toStdString();
    EXPECT_EQ(bytesOf(path()), GetParam().after);
    EXPECT_EQ(file.load().textSize, 12);
}

INSTANTIATE_TEST_SUITE_P(
    Files, LobbyFileTest,
    testing::Values(
        KeptCase{"OddLinesInOtherSections",
                 "; lobby\r\n[Lobby]\r\nServer=a\r\nServer=b\r\nServer=c\r\nno equals sign\r\n"
                 "=novalue\r\nMotd=<<<END\r\nline one\r\n  line two  \r\nEND\r\n"
                 "  Name  =  x   \r\n[Tessarine]\r\nTextsize=8\r\n[Other]\r\nb=2\r\n; end",
                 "; lobby\r\n[Lobby]\r\nServer=a\r\nServer=b\r\nServer=c\r\nno equals sign\r\n"
                 "=novalue\r\nMotd=<<<END\r\nline one\r\n  line two  \r\nEND\r\n"
                 "  Name  =  x   \r\n[Tessarine]\r\nTextsize=12\r\n[Other]\r\nb=2\r\n; end"},
        KeptCase{"SpacingCaseAndCommentsOfOurOwnLines",
                 "\xEF\xBB\xBF[ tessarine ]  ; ours\n  TEXTSIZE =  8  \t\n#c\nx\n",
                 "\xEF\xBB\xBF[ tessarine ]  ; ours\n  TEXTSIZE =  12  \t\n#c\nx\n"},
        KeptCase{"EmptyValue", "[Tessarine]\nTextsize=\nA=1\n", "[Tessarine]\nTextsize=12\nA=1\n"},
        KeptCase{"OurSectionTwice",
                 "[Tessarine]\nTextsize=8\n[Lobby]\nA=1\n[TESSARINE]\nTextsize=9\nTextsize=10\n",
                 "[Tessarine]\nTextsize=12\n[Lobby]\nA=1\n[TESSARINE]\nTextsize=12\nTextsize=12\n"},
        KeptCase{"NewKeyAfterOurLastKeyBeforeTheNextSectionsComment",
                 "[Tessarine]\r\nLobbyKey=keep\r\n\r\n; the lobby\r\n[Lobby]\r\nA=1\r\n",
                 "[Tessarine]\r\nLobbyKey=keep\r\nTextsize=12\r\n\r\n; the lobby\r\n[Lobby]\r\n"
                 "A=1\r\n"},
        KeptCase{"NewKeyInTheLastOfTwoSections", "[Tessarine]\nA=1\n[tessarine]\n",
                 "[Tessarine]\nA=1\n[tessarine]\nTextsize=12\n"},
        KeptCase{"NewKeyAtTheEndWithoutALineBreak", "[Lobby]\rA=1\r[Tessarine]\rB=2",
                 "[Lobby]\rA=1\r[Tessarine]\rB=2\rTextsize=12\r"},
        KeptCase{"NoSectionWithoutAFinalLineBreak", "[Lobby]\nServer=a\n; end",
                 "[Lobby]\nServer=a\n; end\n\n[Tessarine]\nTextsize=12\n"},
        KeptCase{"NoSectionInAWindowsFile", "[Lobby]\r\nServer=a\r\n",
                 "[Lobby]\r\nServer=a\r\n\r\n[Tessarine]\r\nTextsize=12\r\n"},
        KeptCase{
            "MixedLineEndingsAndUnreadableLines",
            "[Lobby\n]]x\n[Lobby]\r\nA=1\n\x01\x7f\xfe\xff junk\r[Tessarine]\rTextsize=8\r\n",
            "[Lobby\n]]x\n[Lobby]\r\nA=1\n\x01\x7f\xfe\xff junk\r[Tessarine]\rTextsize=12\r\n"},
        // A header's name may start on the line after its "[", as the reader sees it.
        KeptCase{"AHeaderOverTwoLines", "[\n Tessarine]\nTextsize=8\n",
                 "[\n Tessarine]\nTextsize=12\n"},
        KeptCase{"KeysOfOthersNamedLikeOurs", "[Lobby]\nTextsize=8\n[Tessarine]\n",
                 "[Lobby]\nTextsize=8\n[Tessarine]\nTextsize=12\n"}),
    [](const auto& info) { return std::string(info.param.what); });

// Random lines another program might write: sections, keys, comments, lines the reader
// skips, raw bytes; with every kind of line break.
QByteArray randomForeignLines(std::mt19937& rng, int count) {
    const auto pick = [&](int n) { return static_cast<int>(rng() % static_cast<unsigned>(n)); };
    const auto bytes = [&](int n) {
        QByteArray b;
        for (int i = 0; i < n; ++i) {
            char c = static_cast<char>(1 + pick(255));
            if (c == '\r' || c == '\n' || c == '[') c = '.';
            b += c;
        }
        return b;
    };
    static const char* const breaks[] = {"\n", "\r\n", "\r"};
    QByteArray text;
    for (int i = 0; i < count; ++i) {
        switch (pick(7)) {
            case 0:
                text += "[Sect" + QByteArray::number(pick(4)) + "]" + bytes(pick(3));
                break;
            case 1:
                text += "Key" + QByteArray::number(pick(3)) + "=" + bytes(pick(12));
                break;
            case 2:
                text += (pick(2) ? ";" : "  #") + bytes(pick(20));
                break;
            case 3:
                text += "Textsize=" + QByteArray::number(pick(99));
                break;
            case 4:
                text += bytes(pick(40));
                break;
            case 5:
                text += QByteArray(pick(3), ' ') + "=" + bytes(pick(5));
                break;
            default:
                break;  // an empty line
        }
        text += breaks[pick(3)];
    }
    return text;
}

// Whatever surrounds our section comes out exactly as it went in, and the values read
// back are the ones saved.
TEST_F(SettingsFileTest, RandomForeignContentIsKeptByteForByte) {
    std::mt19937 rng(20261211);
    for (int round = 0; round < 300; ++round) {
        const QByteArray before = randomForeignLines(rng, static_cast<int>(rng() % 30));
        const QByteArray after =
            "[Lobby]\n" + randomForeignLines(rng, static_cast<int>(rng() % 30));
        const bool withSection = round % 3 != 0;
        QByteArray ours;
        if (withSection)
            ours = "[Tessarine]\r\nWIDTH = 1\n  Foreign=x  \nTop=7\r" +
                   randomForeignLines(rng, static_cast<int>(rng() % 4)).replace('[', '.');
        {
            QFile f(path());
            ASSERT_TRUE(f.open(QIODevice::WriteOnly));
            f.write(before + ours + after);
        }
        Settings s;
        s.textSize = 10 + round % 5;
        s.left = -round;
        s.top = round;
        s.width = 800 + round;
        s.botSpeedMs = 500;
        s.playSounds = round % 2 == 0;
        SettingsFile file(path());
        ASSERT_TRUE(file.save(s)) << round << ": " << file.lastError().toStdString();
        const QByteArray saved = bytesOf(path());
        SCOPED_TRACE(testing::Message() << "round " << round << ": " << saved.toStdString());
        if (withSection) {
            ASSERT_TRUE(saved.startsWith(before));
            ASSERT_TRUE(saved.endsWith(after));
            EXPECT_TRUE(saved.contains("Foreign=x  \n"));
        } else {
            ASSERT_TRUE(saved.startsWith(before + after));
        }
        const Settings back = file.load();
        EXPECT_EQ(back.textSize, s.textSize);
        EXPECT_EQ(back.left, s.left);
        EXPECT_EQ(back.top, s.top);
        EXPECT_EQ(back.width, s.width);
        EXPECT_EQ(back.botSpeedMs, 500);
        EXPECT_EQ(back.playSounds, s.playSounds);
    }
}

// Raw bytes rich in the characters the reader looks for. They hold no section of ours,
// so a save keeps them as the start of the file, or, where the reader would not find
// our section after them, leaves the file untouched.
TEST_F(SettingsFileTest, RandomBytesAreKeptOrTheSaveIsRefused) {
    std::mt19937 rng(4242);
    static const char special[] = "[]=;# \t\r\n";
    for (int round = 0; round < 300; ++round) {
        QByteArray before;
        const int size = static_cast<int>(rng() % 200);
        for (int i = 0; i < size; ++i)
            before += rng() % 2 ? special[rng() % (sizeof special - 1)]
                                : static_cast<char>(1 + rng() % 255);
        {
            QFile f(path());
            ASSERT_TRUE(f.open(QIODevice::WriteOnly));
            f.write(before);
        }
        Settings s;
        s.textSize = 10 + round % 5;
        SettingsFile file(path());
        const bool saved = file.save(s);
        SCOPED_TRACE(testing::Message() << "round " << round << ": " << before.toStdString());
        if (!saved) {
            EXPECT_EQ(bytesOf(path()), before);
            continue;
        }
        EXPECT_TRUE(bytesOf(path()).startsWith(before));
        EXPECT_EQ(file.load().textSize, s.textSize);
    }
}

struct RefusedCase {
    const char* what;
    QByteArray content;
};

void PrintTo(const RefusedCase& c, std::ostream* os) { *os << c.what; }

class RefusedSaveTest : public SettingsFileTest, public testing::WithParamInterface<RefusedCase> {};

// A save that would leave a file the reader refuses or reads wrongly is not made: the
// old file stays, and the reason is given.
TEST_P(RefusedSaveTest, LeavesTheFileAsItWas) {
    {
        QFile f(path());
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(GetParam().content);
    }
    SettingsFile file(path());
    file.load();
    ASSERT_FALSE(file.unreadable().has_value());
    Settings s;
    s.textSize = 14;
    EXPECT_FALSE(file.save(s));
    EXPECT_FALSE(file.lastError().isEmpty());
    EXPECT_EQ(bytesOf(path()), GetParam().content);
}

QByteArray justUnderOneMiB() {
    QByteArray text("[Lobby]\nServer=a\n;");
    text += QByteArray(SettingsFile::maxFileBytes - text.size() - 10, 'x') + "\n";
    return text;
}

INSTANTIATE_TEST_SUITE_P(
    Files, RefusedSaveTest,
    testing::Values(RefusedCase{"WouldGrowPastOneMiB", justUnderOneMiB()},
                    // The reader would take our header as the name of this one.
                    RefusedCase{"EndsInAnOpenHeader", "[Lobby]\nA=1\n[ \n"}),
    [](const auto& info) { return std::string(info.param.what); });

TEST_F(SettingsFileTest, AFullFileIsStillSavedWhenOurValuesKeepTheirLength) {
    QByteArray text("[Tessarine]\nTextsize=12\n[Lobby]\n;");
    text += QByteArray(SettingsFile::maxFileBytes - text.size() - 1, 'x') + "\n";
    {
        QFile f(path());
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(text);
    }
    SettingsFile file(path());
    ASSERT_TRUE(file.writeKey("Textsize", "14"));
    EXPECT_EQ(bytesOf(path()), text.replace("Textsize=12", "Textsize=14"));
}

// A value never spans lines: a line break in it could make a section of its own.
TEST_F(SettingsFileTest, AValueStaysOnItsLine) {
    write("[Tessarine]\nPhrase1=old\n[Lobby]\nServer=a\n");
    SettingsFile file(path());
    ASSERT_TRUE(file.writeKey("Phrase1", std::string(" hi\r\n[Lobby]\nServer=evil\0!", 26)));
    EXPECT_EQ(read(), "[Tessarine]\nPhrase1=hi  [Lobby] Server=evil !\n[Lobby]\nServer=a\n");
    EXPECT_EQ(file.load().phrases[0], "hi  [Lobby] Server=evil !");
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
