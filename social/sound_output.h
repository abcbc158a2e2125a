// The audio device behind the sound player: one worker thread that opens the system's
// default output on the first sound, plays one recording at a time (a new one cuts the
// one still playing short) and lets the device go after a few quiet seconds. Without a
// device nothing is heard and nothing is printed.
#pragma once

#include <atomic>
#include <condition_variable>
#include <cstddef>
#include <mutex>
#include <string>
#include <thread>

namespace tess {

struct WaveSound;

class SoundOutput {
public:
    // `device` is an ALSA device name; the system's default output unless a test asks
    // for another.
    explicit SoundOutput(std::string device = "default") : device_(std::move(device)) {}
    ~SoundOutput();
    SoundOutput(const SoundOutput&) = delete;
    SoundOutput& operator=(const SoundOutput&) = delete;

    // Returns at once. `wave` must outlive this object.
    void play(const WaveSound& wave);
    // Frames the device has taken so far.
    std::size_t framesWritten() const { return framesWritten_; }

private:
    struct Request {
        const WaveSound* wave = nullptr;  // the newest sound asked for, if any
        bool stop = false;
    };
    enum class Wait { none, whileIdle, untilAsked };

    void run();
    Request take(Wait wait);

    const std::string device_;
    std::mutex mutex_;
    std::condition_variable wake_;
    const WaveSound* pending_ = nullptr;
    bool stopping_ = false;
    std::atomic<std::size_t> framesWritten_ = 0;
    std::thread worker_;  // started with the first sound
};

}  // namespace tess
