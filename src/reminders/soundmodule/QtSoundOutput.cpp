// The sound module: plays the embedded alarm recordings with Qt Multimedia.
#include "reminders/ui/SoundOutput.h"

#include <QAudioDevice>
#include <QHash>
#include <QMediaDevices>
#include <QObject>
#include <QPointer>
#include <QSoundEffect>
#include <QUrl>

namespace orv {
namespace {

class QtSoundOutput final : public SoundOutput {
public:
    ~QtSoundOutput() override { stop(); }

    bool hasDevice() const override { return !QMediaDevices::audioOutputs().isEmpty(); }

    void play(const QString& resourcePath) override {
        stop();
        QSoundEffect* e = effect(resourcePath);
        current_ = e;
        e->play(); // queued until the sound has loaded
    }

    void stop() override {
        if (current_) {
            QSoundEffect* e = current_;
            current_ = nullptr;
            e->stop();
        }
    }

    bool isPlaying() const override { return current_ != nullptr; }

private:
    QSoundEffect* effect(const QString& resourcePath) {
        QSoundEffect*& e = effects_[resourcePath];
        if (e == nullptr) {
            e = new QSoundEffect(&owner_);
            e->setSource(QUrl(QStringLiteral("qrc") + resourcePath));
            QObject::connect(e, &QSoundEffect::playingChanged, &owner_, [this, e] {
                if (!e->isPlaying() && current_ == e) {
                    current_ = nullptr;
                }
            });
        }
        return e;
    }

    QObject owner_;                         // parent of the loaded effects
    QHash<QString, QSoundEffect*> effects_; // loaded once, kept for the next play
    QPointer<QSoundEffect> current_;
};

} // namespace
} // namespace orv

extern "C" Q_DECL_EXPORT orv::SoundOutput* orvalune_make_sound_output() {
    return new orv::QtSoundOutput;
}
