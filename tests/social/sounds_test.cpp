#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QElapsedTimer>
#include <QFile>
#include <QResource>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTemporaryFile>
#include <QTest>
#include <QtEndian>
#include <string>

#include "records/settings_file.h"
#include "social/sound_output.h"
#include "social/sounds.h"
#include "social/wave_sound.h"

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
        const QByteArray bytes = QResource(SoundPlayer::resourcePath(name)).uncompressedData();
        const auto wave =
            readWaveSound(std::string_view(bytes.constData(), static_cast<size_t>(bytes.size())));
        ASSERT_TRUE(wave.has_value());
        EXPECT_EQ(wave->channels, 1);
        EXPECT_EQ(wave->rate, 22050);
        EXPECT_EQ(wave->bitsPerSample, 16);
        EXPECT_GT(wave->frames(), 500u);
    }
}

// A wave file from chunks: "fmt " with the given fields, then the others as given.
std::string riff(const std::string& chunks) {
    std::string out = "RIFF0000WAVE" + chunks;
    const auto size = static_cast<quint32>(out.size() - 8);
    qToLittleEndian(size, out.data() + 4);
    return out;
}

std::string chunk(const char* id, const std::string& body) {
    std::string out = id;
    out.resize(8);
    qToLittleEndian(static_cast<quint32>(body.size()), out.data() + 4);
    out += body;
    if (body.size() % 2) out += '\0';
    return out;
}

std::string fmt(quint16 format, quint16 channels, quint32 rate, quint16 bits) {
    std::string body(16, '\0');
    qToLittleEndian(format, body.data());
    qToLittleEndian(channels, body.data() + 2);
    qToLittleEndian(rate, body.data() + 4);
    qToLittleEndian(static_cast<quint32>(rate * channels * bits / 8), body.data() + 8);
    qToLittleEndian(static_cast<quint16>(channels * bits / 8), body.data() + 12);
    qToLittleEndian(bits, body.data() + 14);
    return chunk("fmt ", body);
}

TEST(Sounds, WaveReaderTakesPcmAndRefusesTheRest) {
    const std::string mono16 = fmt(1, 1, 22050, 16);
    struct Case {
        const char* what;
        std::string bytes;
        std::size_t frames;  // 0: refused
    };
    const Case cases[] = {
        {"mono 16 bit", riff(mono16 + chunk("data", std::string(8, 'x'))), 4},
        {"stereo 8 bit", riff(fmt(1, 2, 11025, 8) + chunk("data", std::string(6, 'x'))), 3},
        {"an odd chunk before the samples is stepped over",
         riff(mono16 + chunk("LIST", "abc") + chunk("data", std::string(4, 'x'))), 2},
        {"half a frame at the end is left out", riff(mono16 + chunk("data", "xyz")), 1},
        {"floating point", riff(fmt(3, 1, 22050, 32) + chunk("data", std::string(8, 'x'))), 0},
        {"24 bit", riff(fmt(1, 1, 22050, 24) + chunk("data", std::string(6, 'x'))), 0},
        {"six channels", riff(fmt(1, 6, 22050, 16) + chunk("data", std::string(12, 'x'))), 0},
        {"samples before the format", riff(chunk("data", "xxxx") + mono16), 0},
        {"no samples", riff(mono16 + chunk("data", "")), 0},
        {"no data chunk", riff(mono16), 0},
        {"a chunk longer than the file",
         riff(mono16 + chunk("data", "xxxx")).substr(0, 12 + mono16.size() + 10), 0},
        {"not a wave", "RIFF0000AVI " + mono16, 0},
        {"empty", "", 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const auto wave = readWaveSound(c.bytes);
        if (c.frames == 0) {
            EXPECT_FALSE(wave.has_value());
            continue;
        }
        ASSERT_TRUE(wave.has_value());
        EXPECT_EQ(wave->frames(), c.frames);
        EXPECT_EQ(wave->samples.substr(0, 1), "x");
    }
}

// ALSA's "null" device takes samples like a sound card would, without one.
TEST(Sounds, EverySampleReachesTheDevice) {
    const std::string bytes =
        riff(fmt(1, 1, 22050, 16) + chunk("data", std::string(2 * 3000, '\1')));
    const auto wave = readWaveSound(bytes);
    ASSERT_TRUE(wave.has_value());
    SoundOutput output("null");
    output.play(*wave);
    EXPECT_TRUE(QTest::qWaitFor([&] { return output.framesWritten() == 3000; }, 5000));
    output.play(*wave);
    EXPECT_TRUE(QTest::qWaitFor([&] { return output.framesWritten() == 6000; }, 5000));
}

// Sounds asked for faster than they play, then the player goes: nothing hangs, and
// whatever the machine's sound setup, nothing is printed.
TEST(Sounds, ManySoundsAndAnEndAreQuiet) {
    QTemporaryFile errors;
    ASSERT_TRUE(errors.open());
    const int saved = dup(STDERR_FILENO);
    ASSERT_GE(dup2(errors.handle(), STDERR_FILENO), 0);
    {
        SoundPlayer player;
        for (int round = 0; round < 3; ++round)
            for (const char* name : SoundPlayer::names)
                player.play(name);
        QTest::qWait(50);
    }
    {
        SoundOutput missing("hw:99");  // a card no machine has
        const std::string bytes = riff(fmt(1, 1, 22050, 16) + chunk("data", "xxxx"));
        const auto wave = readWaveSound(bytes);
        missing.play(*wave);
        QTest::qWait(50);
        missing.play(*wave);
    }
    dup2(saved, STDERR_FILENO);
    close(saved);
    EXPECT_EQ(errors.readAll(), QByteArray());
}

// A device that never answers (a sound server that stopped responding) cannot hold the
// program's end: the player waits a moment, then leaves the device to its thread, which
// keeps its own copy of the sound.
TEST(Sounds, ADeviceThatHangsDoesNotHoldTheEnd) {
    QTemporaryDir dir;
    const std::string fifo = dir.filePath(QStringLiteral("device")).toStdString();
    ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);  // opened for writing, it waits for a reader
    QElapsedTimer ending;
    {
        SoundOutput output("file:FILE=" + fifo + ",FORMAT=raw");
        {
            const std::string bytes =
                riff(fmt(1, 1, 22050, 16) + chunk("data", std::string(2 * 3000, '\1')));
            const auto wave = readWaveSound(bytes);
            ASSERT_TRUE(wave.has_value());
            output.play(*wave);
        }  // the recording the caller had is gone
        QTest::qWait(100);
        EXPECT_EQ(output.framesWritten(), 0u);
        ending.start();
    }
    EXPECT_LT(ending.elapsed(), SoundOutput::endWait.count() + 1500);
    // The device answers at last: the thread finds the end asked for and goes.
    const int reader = open(fifo.c_str(), O_RDONLY | O_NONBLOCK);
    ASSERT_GE(reader, 0);
    QTest::qWait(200);
    close(reader);
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
