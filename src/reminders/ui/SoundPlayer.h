#pragma once

#include <QObject>
#include <QString>
#include <functional>
#include <memory>

namespace orv {

class SoundOutput;

// Plays the program's alarm sounds (":/sounds/<NAME>.wav") without waiting for
// them: a new sound cuts off the one playing, also another player's, stop()
// silences it. Where the
// machine has no audio output nothing plays and nothing is reported; a name
// without a sound plays nothing either. The audio itself is done by the sound
// module, loaded at the first sound.
class SoundPlayer : public QObject {
    Q_OBJECT
public:
    explicit SoundPlayer(QObject* parent = nullptr);
    ~SoundPlayer() override;

    // Starts the sound; false when nothing could be started.
    bool play(const QString& name);
    // Silences whatever plays; harmless when nothing does.
    void stop();

    // The name of the sound playing, empty when none.
    QString playing() const;

    static bool exists(const QString& name);

    // How the player learns whether an audio output exists (the system's
    // devices unless told otherwise).
    void setOutputCheck(std::function<bool()> hasOutput) { hasOutput_ = std::move(hasOutput); }

private:
    SoundOutput* output();

    std::function<bool()> hasOutput_;
    std::unique_ptr<SoundOutput> output_;
    QString currentName_;
};

} // namespace orv
