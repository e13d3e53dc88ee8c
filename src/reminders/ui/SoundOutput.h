#pragma once

#include <QString>

class QObject;

namespace orv {

// The audio side of the alarm sounds. It lives in a module of its own that is
// loaded the first time a sound is wanted, so the audio libraries cost neither
// start-up time nor memory for the many sessions that never play one.
class SoundOutput {
public:
    virtual ~SoundOutput() = default;
    // Whether the machine has an audio output at all.
    virtual bool hasDevice() const = 0;
    // Starts the recording at a resource path (":/sounds/..."), cutting off the
    // one playing; it may wait until the recording has loaded.
    virtual void play(const QString& resourcePath) = 0;
    virtual void stop() = 0;
    // Started and not yet finished or stopped.
    virtual bool isPlaying() const = 0;
};

// The module's one entry point, looked up by name.
using MakeSoundOutput = SoundOutput* (*)();
inline constexpr char kMakeSoundOutput[] = "orvalune_make_sound_output";
inline constexpr char kSoundModule[] = "orvalune_sound";

} // namespace orv
