#pragma once

#include "db/Db.h"
#include "reminders/DueItem.h"

#include <QDateTime>
#include <vector>

namespace orv::reminders {

// The user's birthdays and other all-day rows dated today or earlier, by key.
std::vector<DueItem> dueBirthdays(const Db& db, qint64 user, const QDate& today);

// The user's pending appointments (not continuation rows) whose start has
// passed: by day, then by start time, or by end time for an appointment that
// has one (due from its start, ranked by its end), then by key.
std::vector<DueItem> dueAppointments(const Db& db, qint64 user, const QDateTime& now);

} // namespace orv::reminders
