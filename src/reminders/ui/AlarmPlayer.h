#pragma once

#include <QObject>
#include <QString>

class QSoundEffect;

namespace orv {

// Plays the alarm recordings embedded in the program. A play returns at once
// and cuts off the sound that was playing; stop silences it and is harmless
// when nothing plays. Without an audio output nothing plays and nothing fails.
class AlarmPlayer : public QObject {
    Q_OBJECT
public:
    explicit AlarmPlayer(QObject* parent = nullptr);

    // Plays a resource by name ("CUCO"); an unknown name plays nothing.
    void play(const QString& resourceName);
    void stop();
    // The resource being played; empty when silent.
    const QString& playing() const { return playing_; }

private:
    QSoundEffect* effect_ = nullptr;
    QString playing_;
};

} // namespace orv
