#pragma once

#include "db/Db.h"
#include "reminders/DueItem.h"

#include <QDateTime>
#include <vector>

namespace orv::reminders {

// Everything a due-check pass raises for the user, in the order it is raised:
// first the birthdays and other all-day rows dated today or earlier, by key;
// then the pending appointments (not continuation rows) whose start has passed,
// by day, then by start time, or by end time for an appointment that has one
// (due from its start, ranked by its end), then by key. One query, so the pass
// reads one snapshot.
std::vector<DueItem> dueItems(const Db& db, qint64 user, const QDateTime& now);

} // namespace orv::reminders
