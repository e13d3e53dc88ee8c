#pragma once

#include "appointments/AppointmentStore.h"

#include <QByteArray>
#include <QDateTime>
#include <QVector>

namespace orv::appointments {

// One appointment a calendar file brings, in local time, private to the user.
struct CalendarEntry {
    Appointment appointment;
    bool cut = false; // longer than a day and cut to its first, or its text cut to fit
};

// The events of an .ics file as appointments. Times with a time zone or in
// UTC become local times; all-day events stay all-day. A repeating event gives
// one appointment per occurrence from today to twelve months ahead (its
// EXDATEs and the occurrences moved by their own VEVENT left out), except a
// yearly all-day event, which becomes one yearly entry (status 2) on its next
// day. An event with an alarm wants a reminder (status 0) unless it is already
// past; without one it wants none (3). Cancelled events and events without any
// text are refused.
struct CalendarFile {
    QVector<CalendarEntry> entries;
    int refused = 0;
    QString error; // set when the file adds nothing: not iCalendar, damaged, ...
};
CalendarFile readCalendar(const QByteArray& bytes, const QDateTime& now);

} // namespace orv::appointments
