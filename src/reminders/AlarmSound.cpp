#include "reminders/AlarmSound.h"

namespace orv::reminders {

QString alarmSoundName(const QString& soundSetting) {
    const QString name = soundSetting.trimmed();
    if (name.isEmpty() || name.compare(QStringLiteral("Nenhum"), Qt::CaseInsensitive) == 0) {
        return {};
    }
    return name.toUpper();
}

} // namespace orv::reminders
