#pragma once

#include "appointments/AppointmentStore.h"

#include <QByteArray>
#include <QDateTime>
#include <QVector>

namespace orv::appointments {

// An appointment row (not a continuation row) with its key.
struct KeyedAppointment {
    qint64 key = 0;
    Appointment appointment;
};

// The appointments as one iCalendar file. Timed ones are events in the time
// zone `zoneId` (its VTIMEZONE included; in UTC when libical does not know the
// zone) ending at their end time; all-day rows are all-day events; birthdays
// (status 2) repeat yearly. A pending appointment carries an alarm at its
// start; a shared one is PUBLIC, the others PRIVATE; the status itself rides
// along in X-ORVALUNE-STATUS. UIDs are built from `uidPrefix` and the key.
QByteArray writeCalendar(const QVector<KeyedAppointment>& appointments, const QByteArray& zoneId,
                         const QString& uidPrefix, const QDateTime& stamp);

} // namespace orv::appointments
