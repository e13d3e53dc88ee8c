#include "reminders/ui/SoundPlayer.h"

#include "reminders/AlarmSound.h"
#include "reminders/ui/SoundOutput.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QLibrary>
#include <QPointer>

namespace orv {
namespace {

// The sound module beside the program, loaded once per run and kept. Without
// it the program is silent, as on a machine without audio.
MakeSoundOutput soundModule() {
    static const MakeSoundOutput make = [] {
        auto* module = new QLibrary(
            QDir(QCoreApplication::applicationDirPath()).filePath(QLatin1String(kSoundModule)));
        return reinterpret_cast<MakeSoundOutput>(module->resolve(kMakeSoundOutput));
    }();
    return make;
}

// The player whose sound was started last: one sound at a time in the whole
// program, so the settings page's preview and a reminder's alarm never overlap.
QPointer<SoundPlayer>& lastStarted() {
    static QPointer<SoundPlayer> player;
    return player;
}

} // namespace

SoundPlayer::SoundPlayer(QObject* parent)
    : QObject(parent), hasOutput_([this] {
          SoundOutput* out = output();
          return out != nullptr && out->hasDevice();
      }) {}

SoundPlayer::~SoundPlayer() {
    stop();
}

SoundOutput* SoundPlayer::output() {
    if (!output_) {
        if (const MakeSoundOutput make = soundModule()) {
            output_.reset(make());
        }
    }
    return output_.get();
}

bool SoundPlayer::exists(const QString& name) {
    return !name.isEmpty() && QFile::exists(alarmResourcePath(name));
}

bool SoundPlayer::play(const QString& name) {
    stop();
    if (!exists(name) || !hasOutput_()) {
        return false;
    }
    SoundOutput* out = output();
    if (out == nullptr) {
        return false;
    }
    if (lastStarted() && lastStarted() != this) {
        lastStarted()->stop();
    }
    lastStarted() = this;
    out->play(alarmResourcePath(name));
    currentName_ = name;
    return true;
}

void SoundPlayer::stop() {
    if (output_) {
        output_->stop();
    }
    currentName_.clear();
}

QString SoundPlayer::playing() const {
    return output_ && output_->isPlaying() ? currentName_ : QString();
}

} // namespace orv
