#pragma once

#include <QString>

namespace orv::reminders {

// The sound a user's alarm setting asks for: the settings text in capitals
// ("Sirene" -> "SIRENE"), or empty for "Nenhum" (no sound) and an empty setting.
QString alarmSoundName(const QString& soundSetting);

} // namespace orv::reminders
