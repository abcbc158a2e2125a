#include "social/sounds.h"

#include <QApplication>
#include <QResource>

#include "records/settings_file.h"
#include "social/sound_output.h"

// The sounds live in a static library; naming its initializer pulls them into the program.
static void initSoundResources() { Q_INIT_RESOURCE(sounds); }

namespace tess {

SoundPlayer::SoundPlayer(QObject* parent) : QObject(parent) {}

// The device goes first: its worker may still be reading a recording.
SoundPlayer::~SoundPlayer() { output_.reset(); }

QString SoundPlayer::resourcePath(const QString& name) {
    static const bool registered = (initSoundResources(), true);
    (void)registered;
    const QString upper = name.toUpper();
    for (const char* n : names)
        if (upper == QLatin1String(n)) return QStringLiteral(":/sounds/%1.wav").arg(upper);
    return {};
}

void SoundPlayer::playsounds(const QString& name) {
    if (playSounds_) play(name);
}

void SoundPlayer::play(const QString& name) {
    const QString path = resourcePath(name);
    if (path.isEmpty()) {
        QApplication::beep();
        emit played(QString());
        return;
    }
    if (const WaveSound* wave = recording(path)) {
        if (!output_) output_ = std::make_unique<SoundOutput>();
        output_->play(*wave);
    }
    emit played(name.toUpper());
}

const WaveSound* SoundPlayer::recording(const QString& path) {
    auto it = recordings_.find(path);
    if (it == recordings_.end()) {
        // Read on first use and kept, so a sound is loaded once.
        Recording loaded;
        loaded.bytes = QResource(path).uncompressedData();
        it = recordings_.emplace(path, std::move(loaded)).first;
        const QByteArray& bytes = it->second.bytes;
        it->second.wave =
            readWaveSound(std::string_view(bytes.constData(), static_cast<size_t>(bytes.size())));
    }
    return it->second.wave ? &*it->second.wave : nullptr;
}

void SoundPlayer::setPlaySounds(bool on) {
    if (on == playSounds_) return;
    playSounds_ = on;
    emit switchesChanged();
}

void SoundPlayer::setPlayerPhraseSounds(bool on) {
    if (on == playerPhraseSounds_) return;
    playerPhraseSounds_ = on;
    emit switchesChanged();
}

void SoundPlayer::applySettings(const Settings& settings) {
    setPlaySounds(settings.playSounds);
    setPlayerPhraseSounds(settings.playerPhraseSounds);
}

}  // namespace tess
