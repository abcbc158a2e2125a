// The sound worker's Windows output (waveOut), played under Wine to ALSA's "null" device:
// every frame reaches the device, and a newer sound cuts the one still playing short.
#include "social/sound_output.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cstdint>
#include <string>
#include <thread>

#include "social/wave_sound.h"

namespace {

using namespace std::chrono_literals;

// A mono 16-bit recording of `frames` frames at 8 kHz.
std::string waveFile(std::uint32_t frames) {
    const auto le = [](std::uint32_t v, int bytes) {
        std::string s;
        for (int i = 0; i < bytes; ++i)
            s += static_cast<char>((v >> (8 * i)) & 0xff);
        return s;
    };
    const std::string format = "fmt " + le(16, 4) + le(1, 2) + le(1, 2) + le(8000, 4) +
                               le(16000, 4) + le(2, 2) + le(16, 2);
    const std::string data = "data" + le(frames * 2, 4) + std::string(frames * 2, '\x10');
    return "RIFF" + le(static_cast<std::uint32_t>(4 + format.size() + data.size()), 4) + "WAVE" +
           format + data;
}

// Whether the device has taken exactly `frames` frames within a few seconds.
bool reaches(const tess::SoundOutput& output, std::size_t frames) {
    for (int i = 0; i < 500 && output.framesWritten() != frames; ++i)
        std::this_thread::sleep_for(20ms);
    return output.framesWritten() == frames;
}

// The frames written once they have not changed for a second.
std::size_t settled(const tess::SoundOutput& output) {
    std::size_t last = output.framesWritten();
    for (int still = 0, i = 0; still < 10 && i < 300; ++i) {
        std::this_thread::sleep_for(100ms);
        const std::size_t now = output.framesWritten();
        still = now == last ? still + 1 : 0;
        last = now;
    }
    return last;
}

TEST(WaveOut, EveryFrameReachesTheDevice) {
    const std::string bytes = waveFile(3000);
    const auto wave = tess::readWaveSound(bytes);
    ASSERT_TRUE(wave.has_value());
    tess::SoundOutput output;
    output.play(*wave);
    EXPECT_TRUE(reaches(output, 3000)) << output.framesWritten();
    output.play(*wave);  // the device, still open, plays the next one from its start
    EXPECT_TRUE(reaches(output, 6000)) << output.framesWritten();
}

TEST(WaveOut, ANewerSoundCutsTheOldOneShort) {
    const std::string longBytes = waveFile(8000 * 6), shortBytes = waveFile(800);
    const auto longWave = tess::readWaveSound(longBytes);
    const auto shortWave = tess::readWaveSound(shortBytes);
    ASSERT_TRUE(longWave && shortWave);
    tess::SoundOutput output;
    output.play(*longWave);
    std::this_thread::sleep_for(500ms);
    output.play(*shortWave);
    const std::size_t written = settled(output);
    EXPECT_GT(written, 800u);
    EXPECT_LT(written, 8000u * 6);
}

}  // namespace
