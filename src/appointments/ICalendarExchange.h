#pragma once

#include "db/Db.h"
#include "exchange/ImportSummary.h"

#include <QByteArray>
#include <QDate>
#include <QDateTime>

namespace orv::appointments {

// The user's own appointments from `from` on (all of them for an invalid date)
// as one iCalendar file in the system's time zone; continuation rows are folded
// back into their appointment's end time. Other users' rows never go out,
// shared or not.
exchange::ExportedFile exportAppointments(const Db& db, qint64 user, const QDate& from,
                                          const QDateTime& now);

// Adds the events of an iCalendar file to the user's calendar as private
// appointments, each written as a typed one is (continuation rows with the
// user's grid step), all in one transaction. An event on the same day, at the
// same time and with the same text as one of the user's appointments is left
// out as a duplicate.
exchange::ImportOutcome importAppointments(Db& db, qint64 user, int gridStep, const QDateTime& now,
                                           const QByteArray& bytes);

} // namespace orv::appointments
