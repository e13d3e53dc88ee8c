#pragma once

#include <QString>
#include <QTime>
#include <optional>

namespace orv::appointments {

// The schedule compares times at minute precision: a time is its minute of the day.
int minuteOfDay(const QTime& time);
QTime timeOfMinute(int minute);

// "HH:NN" of a minute of the day or of a time; empty for a negative minute.
QString hhmm(int minute);
QString hhmm(const QTime& time);

// Minute of the day of a time as the data file stores it ("HH:mm:ss"); -1 when
// the text is no time.
int storedMinute(const QString& stored);

// Minutes per grid row and per continuation row for the user's step: the step
// itself up to 60, and 60 above it. A step below 1 (only a damaged settings row
// holds one) counts as the 60 of a new user, so the slots always move on.
int slotMinutes(int gridStep);

// A time as typed in the editor: one or two digits of hours 0 to 23, a colon,
// one or two digits of minutes 0 to 59, blanks around it ignored. Anything else
// is no time.
std::optional<QTime> parseTypedTime(const QString& typed);

} // namespace orv::appointments
