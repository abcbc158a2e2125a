// Sound playback for the client: the embedded wave sounds by name, the two sound
// switches of the Options menu, and the system alert for names without a recording.
#pragma once

#include <QByteArray>
#include <QObject>
#include <QString>
#include <array>
#include <functional>
#include <map>
#include <memory>
#include <optional>

#include "social/wave_sound.h"

namespace tess {

struct Settings;
class SoundOutput;

class SoundPlayer : public QObject {
    Q_OBJECT
public:
    // The resource names of the embedded sounds; a sound is played by its name in any case.
    static constexpr std::array<const char*, 29> names = {
        "ENTERED", "GETCARD", "INVALID", "ROUNDOVER", "TOFOUND", "TOPILE", "TURN",   "TURNNEW",
        "WINNER",  "WAVE1",   "WAVE2",   "WAVE3",     "WAVE4",   "WAVE5",  "WAVE6",  "WAVE7",
        "WAVE8",   "WAVE9",   "WAVE10",  "WAVE11",    "WAVE12",  "WAVE13", "WAVE14", "WAVE15",
        "WAVE16",  "WAVE17",  "WAVE18",  "WAVE19",    "WAVE20"};

    explicit SoundPlayer(QObject* parent = nullptr);
    ~SoundPlayer() override;

    // ":/sounds/NAME.wav" for an embedded sound, empty for any other name.
    static QString resourcePath(const QString& name);

    // A game sound: played only while "Play Sounds" is checked.
    void playsounds(const QString& name);
    // Plays whatever "Play Sounds" says (chatter sounds). Returns at once; a new sound
    // replaces one still playing; a name without a recording sounds the system alert.
    // Without an audio device nothing is heard and nothing is reported.
    void play(const QString& name);

    bool playSounds() const { return playSounds_; }
    void setPlaySounds(bool on);
    bool playerPhraseSounds() const { return playerPhraseSounds_; }
    void setPlayerPhraseSounds(bool on);
    // Both switches from the settings file.
    void applySettings(const Settings& settings);

signals:
    // A sound was started (its resource name) or the alert was sounded (empty name),
    // whether or not a device is there to hear it.
    void played(const QString& name);
    void switchesChanged();

private:
    struct Recording {
        QByteArray bytes;
        std::optional<WaveSound> wave;  // points into `bytes`
    };
    // The recording at `path`, read once; null when it cannot be played.
    const WaveSound* recording(const QString& path);

    bool playSounds_ = true;
    bool playerPhraseSounds_ = true;
    std::map<QString, Recording> recordings_;
    std::unique_ptr<SoundOutput> output_;  // the device's worker, from the first sound on
};

}  // namespace tess
