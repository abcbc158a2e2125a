// The audio device behind the sound player: one worker thread that opens the system's
// default output on the first sound, plays one recording at a time (a new one cuts the
// one still playing short) and lets the device go after a few quiet seconds. Without a
// device nothing is heard and nothing is printed.
#pragma once

#include <chrono>
#include <cstddef>
#include <memory>
#include <string>
#include <thread>

namespace tess {

struct WaveSound;

class SoundOutput {
public:
    // `device` is an ALSA device name; the system's default output unless a test asks
    // for another.
    explicit SoundOutput(std::string device = "default");
    // Waits a moment for the device to let go; a device that hangs (a sound server that
    // stopped answering) keeps its worker thread, not the program, waiting.
    ~SoundOutput();
    SoundOutput(const SoundOutput&) = delete;
    SoundOutput& operator=(const SoundOutput&) = delete;

    // Returns at once. The recording is copied: the caller may drop `wave` at once.
    void play(const WaveSound& wave);
    // Frames the device has taken so far.
    std::size_t framesWritten() const;

    // How long the end waits for the device before leaving it to its thread.
    static constexpr std::chrono::milliseconds endWait{500};

private:
    struct Shared;

    std::shared_ptr<Shared> shared_;  // with the worker, which may outlive this object
    std::thread worker_;              // started with the first sound
};

}  // namespace tess
