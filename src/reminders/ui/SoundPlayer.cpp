#include "reminders/ui/SoundPlayer.h"

#include "reminders/AlarmSound.h"

#include <QAudioDevice>
#include <QFile>
#include <QMediaDevices>
#include <QSoundEffect>
#include <QUrl>

namespace orv {
namespace {

bool systemHasOutput() {
    return !QMediaDevices::audioOutputs().isEmpty();
}

} // namespace

SoundPlayer::SoundPlayer(QObject* parent) : QObject(parent), hasOutput_(systemHasOutput) {}

SoundPlayer::~SoundPlayer() {
    stop();
}

bool SoundPlayer::exists(const QString& name) {
    return !name.isEmpty() && QFile::exists(alarmResourcePath(name));
}

QSoundEffect* SoundPlayer::effect(const QString& name) {
    QSoundEffect*& e = effects_[name];
    if (e == nullptr) {
        e = new QSoundEffect(this);
        e->setSource(QUrl(QStringLiteral("qrc") + alarmResourcePath(name)));
        connect(e, &QSoundEffect::playingChanged, this, [this, e] {
            if (!e->isPlaying() && current_ == e) {
                current_ = nullptr;
                currentName_.clear();
            }
        });
    }
    return e;
}

bool SoundPlayer::play(const QString& name) {
    stop();
    if (!exists(name) || !hasOutput_()) {
        return false;
    }
    QSoundEffect* e = effect(name);
    current_ = e;
    currentName_ = name;
    e->play(); // queued until the sound has loaded
    return true;
}

void SoundPlayer::stop() {
    if (current_) {
        QSoundEffect* e = current_;
        current_ = nullptr;
        currentName_.clear();
        e->stop();
    }
}

QString SoundPlayer::playing() const {
    return current_ ? currentName_ : QString();
}

} // namespace orv
