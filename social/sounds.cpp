#include "social/sounds.h"

#include <QApplication>
#include <QAudioDevice>
#include <QFile>
#include <QMediaDevices>
#include <QSoundEffect>
#include <QUrl>

#include "records/settings_file.h"

// The sounds live in a static library; naming its initializer pulls them into the program.
static void initSoundResources() { Q_INIT_RESOURCE(sounds); }

namespace tess {

SoundPlayer::SoundPlayer(QObject* parent) : QObject(parent) {}

SoundPlayer::~SoundPlayer() = default;

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
    if (current_) current_->stop();
    current_ = nullptr;
    // Without an output device a sound effect could only fail; stay silent instead.
    if (!QMediaDevices::defaultAudioOutput().isNull()) {
        current_ = effectFor(path);
        current_->play();
    }
    emit played(name.toUpper());
}

QSoundEffect* SoundPlayer::effectFor(const QString& path) {
    auto it = effects_.find(path);
    if (it != effects_.end()) return it->second;
    // Made on first use and kept, so a sound is loaded once.
    auto* effect = new QSoundEffect(this);
    effect->setSource(QUrl(QStringLiteral("qrc") + path));
    effects_.emplace(path, effect);
    return effect;
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
