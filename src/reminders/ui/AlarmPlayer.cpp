#include "reminders/ui/AlarmPlayer.h"

#include "reminders/AlarmSound.h"

#include <QAudioDevice>
#include <QCoreApplication>
#include <QFile>
#include <QMediaDevices>
#include <QSoundEffect>
#include <QUrl>

namespace orv {

AlarmPlayer::AlarmPlayer(QObject* parent) : QObject(parent) {}

void AlarmPlayer::play(const QString& resourceName) {
    QCoreApplication::processEvents();
    stop();
    const QString path = alarmResourcePath(resourceName);
    if (resourceName.isEmpty() || !QFile::exists(path) || QMediaDevices::audioOutputs().isEmpty()) {
        return;
    }
    if (effect_ == nullptr) {
        effect_ = new QSoundEffect(this);
        connect(effect_, &QSoundEffect::playingChanged, this, [this] {
            if (!effect_->isPlaying() && effect_->status() != QSoundEffect::Loading) {
                playing_.clear();
            }
        });
    }
    effect_->setSource(QUrl(QStringLiteral("qrc") + path));
    effect_->play();
    playing_ = resourceName;
    QCoreApplication::processEvents();
}

void AlarmPlayer::stop() {
    if (effect_ != nullptr) {
        effect_->stop();
    }
    playing_.clear();
}

} // namespace orv
