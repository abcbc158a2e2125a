#include "social/sound_output.h"

#include <alsa/asoundlib.h>

#include <algorithm>
#include <cerrno>
#include <chrono>

#include "social/wave_sound.h"

namespace tess {

namespace {

// A missing device is normal (a server, a test machine): ALSA's own complaints about it
// would only fill the terminal.
void quietly(const char*, int, const char*, int, const char*, ...) {}

// Frames written at a time: a newer sound waits at most this long (about 23 ms).
constexpr snd_pcm_uframes_t chunkFrames = 512;
constexpr unsigned latencyUs = 100'000;
constexpr auto idleClose = std::chrono::seconds(3);

class Device {
public:
    explicit Device(const std::string& name) : name_(name) {}
    ~Device() { close(); }
    bool isOpen() const { return pcm_ != nullptr; }

    // Ready to take `wave` from its start, whatever was still queued dropped.
    bool start(const WaveSound& wave) {
        if (!pcm_ && snd_pcm_open(&pcm_, name_.c_str(), SND_PCM_STREAM_PLAYBACK, 0) < 0) {
            pcm_ = nullptr;
            return false;
        }
        if (wave.rate != rate_ || wave.channels != channels_ || wave.bitsPerSample != bits_) {
            const snd_pcm_format_t format =
                wave.bitsPerSample == 8 ? SND_PCM_FORMAT_U8 : SND_PCM_FORMAT_S16_LE;
            snd_pcm_drop(pcm_);
            if (snd_pcm_set_params(pcm_, format, SND_PCM_ACCESS_RW_INTERLEAVED,
                                   static_cast<unsigned>(wave.channels),
                                   static_cast<unsigned>(wave.rate), 1, latencyUs) < 0) {
                close();
                return false;
            }
            rate_ = wave.rate;
            channels_ = wave.channels;
            bits_ = wave.bitsPerSample;
            return true;
        }
        snd_pcm_drop(pcm_);
        return snd_pcm_prepare(pcm_) == 0 || (close(), false);
    }

    // Frames taken from `data`; negative when the device has gone.
    snd_pcm_sframes_t write(const char* data, snd_pcm_uframes_t frames) {
        snd_pcm_sframes_t n = snd_pcm_writei(pcm_, data, frames);
        if (n == -EAGAIN) return 0;
        if (n < 0) n = snd_pcm_recover(pcm_, static_cast<int>(n), 1);
        if (n < 0) close();
        return n;
    }

    void close() {
        if (pcm_) snd_pcm_close(pcm_);
        pcm_ = nullptr;
        rate_ = channels_ = bits_ = 0;
    }

private:
    const std::string& name_;
    snd_pcm_t* pcm_ = nullptr;
    int rate_ = 0, channels_ = 0, bits_ = 0;
};

}  // namespace

SoundOutput::~SoundOutput() {
    {
        std::lock_guard lock(mutex_);
        stopping_ = true;
    }
    wake_.notify_one();
    if (worker_.joinable()) worker_.join();
}

void SoundOutput::play(const WaveSound& wave) {
    {
        std::lock_guard lock(mutex_);
        pending_ = &wave;  // a sound not yet started is simply replaced
    }
    if (!worker_.joinable())
        worker_ = std::thread(&SoundOutput::run, this);
    else
        wake_.notify_one();
}

SoundOutput::Request SoundOutput::take(Wait wait) {
    std::unique_lock lock(mutex_);
    const auto asked = [this] { return stopping_ || pending_ != nullptr; };
    if (wait == Wait::untilAsked)
        wake_.wait(lock, asked);
    else if (wait == Wait::whileIdle)
        wake_.wait_for(lock, idleClose, asked);
    const Request request{pending_, stopping_};
    pending_ = nullptr;
    return request;
}

void SoundOutput::run() {
    snd_lib_error_set_handler(quietly);
    Device device(device_);
    for (;;) {
        // An open device waiting for nothing is let go after a while.
        Request request = take(device.isOpen() ? Wait::whileIdle : Wait::untilAsked);
        if (request.stop) return;
        if (!request.wave) device.close();
        // One sound after another for as long as a newer one cuts in.
        while (request.wave && device.start(*request.wave)) {
            const WaveSound& wave = *request.wave;
            const auto frameBytes = static_cast<std::size_t>(wave.frameBytes());
            request = {};
            for (std::size_t done = 0, frames = wave.frames(); done < frames;) {
                request = take(Wait::none);
                if (request.stop) return;
                if (request.wave) break;
                const snd_pcm_uframes_t count =
                    std::min<snd_pcm_uframes_t>(chunkFrames, frames - done);
                const snd_pcm_sframes_t written =
                    device.write(wave.samples.data() + done * frameBytes, count);
                if (written < 0) break;
                done += static_cast<std::size_t>(written);
                framesWritten_ += static_cast<std::size_t>(written);
            }
        }
    }
}

}  // namespace tess
