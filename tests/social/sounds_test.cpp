#include <gtest/gtest.h>

#include <QFile>
#include <QSignalSpy>
#include <QSoundEffect>
#include <QTest>
#include <QtEndian>

#include "records/settings_file.h"
#include "social/sounds.h"

namespace tess {
namespace {

struct WaveFormat {
    quint16 format = 0, channels = 0, bits = 0;
    quint32 rate = 0, dataBytes = 0;
};

// Walks the RIFF chunks of a wave file; false when the file is not one.
bool readWave(const QByteArray& bytes, WaveFormat& out) {
    auto u32 = [&](qsizetype at) { return qFromLittleEndian<quint32>(bytes.constData() + at); };
    auto u16 = [&](qsizetype at) { return qFromLittleEndian<quint16>(bytes.constData() + at); };
    if (bytes.size() < 12 || !bytes.startsWith("RIFF") || bytes.mid(8, 4) != "WAVE") return false;
    if (u32(4) != static_cast<quint32>(bytes.size() - 8)) return false;
    bool haveFormat = false;
    for (qsizetype at = 12; at + 8 <= bytes.size();) {
        const QByteArray id = bytes.mid(at, 4);
        const quint32 size = u32(at + 4);
        if (at + 8 + static_cast<qsizetype>(size) > bytes.size()) return false;
        if (id == "fmt " && size >= 16) {
            out.format = u16(at + 8);
            out.channels = u16(at + 10);
            out.rate = u32(at + 12);
            out.bits = u16(at + 22);
            haveFormat = true;
        } else if (id == "data") {
            out.dataBytes = size;
            return haveFormat;
        }
        at += 8 + size + (size & 1);
    }
    return false;
}

TEST(Sounds, EveryEmbeddedSoundIsAShortMonoPcmWave) {
    for (const char* name : SoundPlayer::names) {
        SCOPED_TRACE(name);
        const QString path = SoundPlayer::resourcePath(QString::fromLatin1(name).toLower());
        ASSERT_EQ(path, QStringLiteral(":/sounds/%1.wav").arg(QLatin1String(name)));
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        WaveFormat wave;
        ASSERT_TRUE(readWave(file.readAll(), wave));
        EXPECT_EQ(wave.format, 1);  // PCM
        EXPECT_EQ(wave.channels, 1);
        EXPECT_EQ(wave.rate, 22050u);
        EXPECT_EQ(wave.bits, 16);
        EXPECT_GT(wave.dataBytes, 1000u);     // something to hear
        EXPECT_LT(wave.dataBytes, 200'000u);  // a few seconds at most
    }
}

// The player's own decoder accepts every recording.
TEST(Sounds, EveryEmbeddedSoundLoadsForPlayback) {
    for (const char* name : SoundPlayer::names) {
        SCOPED_TRACE(name);
        QSoundEffect effect;
        effect.setSource(QUrl(QStringLiteral("qrc") + SoundPlayer::resourcePath(name)));
        EXPECT_TRUE(QTest::qWaitFor(
            [&] {
                return effect.status() == QSoundEffect::Ready ||
                       effect.status() == QSoundEffect::Error;
            },
            10'000));
        EXPECT_EQ(effect.status(), QSoundEffect::Ready);
    }
}

TEST(Sounds, OnlyTheEmbeddedNamesHaveRecordings) {
    EXPECT_EQ(SoundPlayer::resourcePath("TurnNew"), ":/sounds/TURNNEW.wav");
    for (const char* name : {"time", "timeup", "", "wave0", "wave21", "../TURN"})
        EXPECT_TRUE(SoundPlayer::resourcePath(name).isEmpty()) << name;
}

// This machine has no audio device: every request still returns at once, quietly.
TEST(Sounds, PlayingWithoutAnAudioDeviceIsQuiet) {
    SoundPlayer player;
    QSignalSpy played(&player, &SoundPlayer::played);
    player.playsounds("topile");
    player.playsounds("WINNER");  // replaces the one before
    player.playsounds("time");    // the system alert
    player.play("wave4");
    QCoreApplication::processEvents();
    ASSERT_EQ(played.size(), 4);
    EXPECT_EQ(played[0][0].toString(), "TOPILE");
    EXPECT_EQ(played[1][0].toString(), "WINNER");
    EXPECT_EQ(played[2][0].toString(), "");
    EXPECT_EQ(played[3][0].toString(), "WAVE4");
}

TEST(Sounds, PlaySoundsSwitchSilencesGameSoundsOnly) {
    SoundPlayer player;
    QSignalSpy played(&player, &SoundPlayer::played);
    player.setPlaySounds(false);
    player.playsounds("topile");
    player.playsounds("timeup");
    EXPECT_EQ(played.size(), 0);
    player.play("wave13");
    ASSERT_EQ(played.size(), 1);
    EXPECT_EQ(played[0][0].toString(), "WAVE13");
}

}  // namespace
}  // namespace tess
