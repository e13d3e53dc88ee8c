#pragma once

#include <QString>

namespace orv {

// The resource of an alarm chosen in the settings list: the entry in capital
// letters ("Cuco" -> "CUCO"); empty for "Nenhum" and for a name without sound.
QString alarmResource(const QString& choice);

// Where the recording of a resource name lives in the program.
QString alarmResourcePath(const QString& resourceName);

} // namespace orv
