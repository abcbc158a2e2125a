#include "social/sound_output.h"

#if TESS_SOUND_ALSA
#include <alsa/asoundlib.h>
#elif defined(_WIN32)
#include <windows.h>
// windows.h first
#include <mmsystem.h>
#endif

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <condition_variable>
#include <mutex>

#include "social/wave_sound.h"

namespace tess {

namespace {

#if TESS_SOUND_ALSA
using uframes = snd_pcm_uframes_t;
using sframes = snd_pcm_sframes_t;
#else
using uframes = unsigned long;
using sframes = long;
#endif

// Frames written at a time: a newer sound waits at most this long (about 23 ms).
constexpr uframes chunkFrames = 512;
constexpr unsigned latencyUs = 100'000;
constexpr auto idleClose = std::chrono::seconds(3);

// A recording as the worker keeps it: its own copy of the samples.
struct Recording {
    int channels = 0, rate = 0, bitsPerSample = 0;
    std::string samples;
    std::size_t frameBytes() const {
        return static_cast<std::size_t>(channels * bitsPerSample / 8);
    }
    std::size_t frames() const { return samples.size() / frameBytes(); }
};

#if TESS_SOUND_ALSA

// A missing device is normal (a server, a test machine): ALSA's own complaints about it
// would only fill the terminal.
void quietly(const char*, int, const char*, int, const char*, ...) {}

class Device {
public:
    explicit Device(const std::string& name) : name_(name) {}
    ~Device() { close(); }
    bool isOpen() const { return pcm_ != nullptr; }

    // Ready to take `wave` from its start, whatever was still queued dropped.
    bool start(const Recording& wave) {
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
    sframes write(const char* data, uframes frames) {
        sframes n = snd_pcm_writei(pcm_, data, frames);
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

#elif defined(_WIN32)

// The system's default output through waveOut. Chunks are copied into a small ring of
// buffers queued on the device, about as much sound as ALSA is asked to hold; a write
// waits while every buffer is still playing. The device name is not used: Windows picks
// its default output.
class WaveOutDevice {
public:
    explicit WaveOutDevice(const std::string&)
        : done_(CreateEventA(nullptr, FALSE, FALSE, nullptr)) {}
    ~WaveOutDevice() {
        close();
        if (done_ != nullptr) CloseHandle(done_);
    }
    bool isOpen() const { return out_ != nullptr; }

    // Ready to take `wave` from its start, whatever was still queued dropped.
    bool start(const Recording& wave) {
        if (out_ != nullptr && wave.rate == rate_ && wave.channels == channels_ &&
            wave.bitsPerSample == bits_) {
            waveOutReset(out_);
            releaseBuffers();
            return true;
        }
        close();
        WAVEFORMATEX format{};
        format.wFormatTag = WAVE_FORMAT_PCM;
        format.nChannels = static_cast<WORD>(wave.channels);
        format.nSamplesPerSec = static_cast<DWORD>(wave.rate);
        format.wBitsPerSample = static_cast<WORD>(wave.bitsPerSample);
        format.nBlockAlign = static_cast<WORD>(wave.frameBytes());
        format.nAvgBytesPerSec = format.nSamplesPerSec * format.nBlockAlign;
        if (done_ == nullptr ||
            waveOutOpen(&out_, WAVE_MAPPER, &format, reinterpret_cast<DWORD_PTR>(done_), 0,
                        CALLBACK_EVENT) != MMSYSERR_NOERROR) {
            out_ = nullptr;
            return false;
        }
        rate_ = wave.rate;
        channels_ = wave.channels;
        bits_ = wave.bitsPerSample;
        return true;
    }

    // Frames taken from `data`; negative when the device has gone.
    sframes write(const char* data, uframes frames) {
        Buffer& buffer = buffers_[next_];
        // A buffer plays for about 12 ms; one still playing after a second means the
        // device has stopped taking sound.
        for (int waits = 0; buffer.queued && (buffer.header.dwFlags & WHDR_DONE) == 0; ++waits) {
            if (waits == 20) return close(), -1;
            WaitForSingleObject(done_, 50);
        }
        release(buffer);
        const std::size_t frameBytes = static_cast<std::size_t>(channels_ * bits_ / 8);
        buffer.bytes.assign(data, frames * frameBytes);
        buffer.header = {};
        buffer.header.lpData = buffer.bytes.data();
        buffer.header.dwBufferLength = static_cast<DWORD>(buffer.bytes.size());
        if (waveOutPrepareHeader(out_, &buffer.header, sizeof buffer.header) != MMSYSERR_NOERROR)
            return close(), -1;
        buffer.queued = true;
        if (waveOutWrite(out_, &buffer.header, sizeof buffer.header) != MMSYSERR_NOERROR)
            return close(), -1;
        next_ = (next_ + 1) % bufferCount;
        return static_cast<sframes>(frames);
    }

    void close() {
        if (out_ != nullptr) {
            waveOutReset(out_);
            releaseBuffers();
            waveOutClose(out_);
        }
        out_ = nullptr;
        rate_ = channels_ = bits_ = 0;
    }

private:
    struct Buffer {
        WAVEHDR header{};
        std::string bytes;
        bool queued = false;
    };
    // About 90 ms of chunks at 44.1 kHz.
    static constexpr std::size_t bufferCount = 8;

    void release(Buffer& buffer) {
        if (buffer.queued) waveOutUnprepareHeader(out_, &buffer.header, sizeof buffer.header);
        buffer.queued = false;
    }
    // After waveOutReset every queued buffer is done.
    void releaseBuffers() {
        for (Buffer& buffer : buffers_)
            release(buffer);
        next_ = 0;
    }

    HANDLE done_;
    HWAVEOUT out_ = nullptr;
    int rate_ = 0, channels_ = 0, bits_ = 0;
    Buffer buffers_[bufferCount];
    std::size_t next_ = 0;
};
using Device = WaveOutDevice;

#else

// Other systems without ALSA have no output here: the device never opens, so sounds are
// silent, as on a machine without a sound card.
class SilentDevice {
public:
    explicit SilentDevice(const std::string&) {}
    bool isOpen() const { return false; }
    bool start(const Recording&) { return false; }
    sframes write(const char*, uframes) { return -1; }
    void close() {}
};
using Device = SilentDevice;

#endif

}  // namespace

struct SoundOutput::Shared {
    enum class Wait { none, whileIdle, untilAsked };
    struct Request {
        std::shared_ptr<const Recording> wave;  // the newest sound asked for, if any
        bool stop = false;
    };

    explicit Shared(std::string name) : device(std::move(name)) {}
    Request take(Wait wait);
    void run();
    void playUntilStopped();

    const std::string device;
    std::mutex mutex;
    std::condition_variable wake, ended;
    std::shared_ptr<const Recording> pending;
    bool stopping = false, finished = false;
    std::atomic<std::size_t> framesWritten = 0;
};

SoundOutput::SoundOutput(std::string device)
    : shared_(std::make_shared<Shared>(std::move(device))) {}

SoundOutput::~SoundOutput() {
    {
        std::lock_guard lock(shared_->mutex);
        shared_->stopping = true;
    }
    shared_->wake.notify_one();
    if (!worker_.joinable()) return;
    std::unique_lock lock(shared_->mutex);
    const bool done = shared_->ended.wait_for(lock, endWait, [this] { return shared_->finished; });
    lock.unlock();
    if (done)
        worker_.join();
    else
        worker_.detach();  // it holds its own share of everything it touches
}

std::size_t SoundOutput::framesWritten() const { return shared_->framesWritten; }

void SoundOutput::play(const WaveSound& wave) {
    auto copy = std::make_shared<Recording>();
    copy->channels = wave.channels;
    copy->rate = wave.rate;
    copy->bitsPerSample = wave.bitsPerSample;
    copy->samples.assign(wave.samples);
    {
        std::lock_guard lock(shared_->mutex);
        shared_->pending = std::move(copy);  // a sound not yet started is simply replaced
    }
    if (!worker_.joinable())
        worker_ = std::thread([shared = shared_] { shared->run(); });
    else
        shared_->wake.notify_one();
}

SoundOutput::Shared::Request SoundOutput::Shared::take(Wait wait) {
    std::unique_lock lock(mutex);
    const auto asked = [this] { return stopping || pending != nullptr; };
    if (wait == Wait::untilAsked)
        wake.wait(lock, asked);
    else if (wait == Wait::whileIdle)
        wake.wait_for(lock, idleClose, asked);
    Request request{std::move(pending), stopping};
    pending = nullptr;
    return request;
}

void SoundOutput::Shared::run() {
    playUntilStopped();  // the device is closed by the time it returns
    std::lock_guard lock(mutex);
    finished = true;
    ended.notify_all();
}

void SoundOutput::Shared::playUntilStopped() {
#if TESS_SOUND_ALSA
    snd_lib_error_set_handler(quietly);
#endif
    Device output(device);
    for (;;) {
        // An open device waiting for nothing is let go after a while.
        Request request = take(output.isOpen() ? Wait::whileIdle : Wait::untilAsked);
        if (request.stop) return;
        if (!request.wave) output.close();
        // One sound after another for as long as a newer one cuts in.
        while (request.wave && output.start(*request.wave)) {
            const std::shared_ptr<const Recording> wave = std::move(request.wave);
            const std::size_t frameBytes = wave->frameBytes();
            request = {};
            for (std::size_t done = 0, frames = wave->frames(); done < frames;) {
                request = take(Wait::none);
                if (request.stop) return;
                if (request.wave) break;
                const uframes count = std::min<uframes>(chunkFrames, frames - done);
                const sframes written =
                    output.write(wave->samples.data() + done * frameBytes, count);
                if (written < 0) break;
                done += static_cast<std::size_t>(written);
                framesWritten += static_cast<std::size_t>(written);
            }
        }
    }
}

}  // namespace tess
