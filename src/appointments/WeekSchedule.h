#pragma once

#include "appointments/ScheduleRows.h"

#include <QDate>
#include <QString>
#include <QVector>
#include <array>

namespace orv::appointments {

// One appointment of the week as its day box lists it.
struct WeekEntry {
    qint64 key = 0;  // Chave: the day grid's row to open
    QString time;    // "HH:NN", empty for an all-day row
    QString text;    // the description as the day grid shows it
    QString owner;   // another user's login, empty for the user's own
    QString picture; // the day grid's status picture, empty for none

    // "HH:NN text", or the text alone all day.
    QString caption() const;
};

struct WeekDay {
    QDate day;
    QVector<WeekEntry> entries;
};

// The seven days of the week that holds a day, each with the rows its day grid
// shows: the all-day rows (birthdays) first, when the grid shows them, then
// the timed rows by time. The continuation rows of an appointment that starts
// the same day stand for nothing more and are left out; one whose appointment
// starts on another day (past midnight) is listed as the day grid lists it.
struct WeekSchedule {
    std::array<WeekDay, 7> days;

    const QDate& first() const { return days.front().day; }
    const QDate& last() const { return days.back().day; }
};

// The first day of the week that holds the day, weeks starting on `firstDay`.
QDate weekStart(const QDate& day, Qt::DayOfWeek firstDay);

WeekSchedule buildWeekSchedule(const Db& db, const ScheduleSettings& settings, const QDate& day,
                               Qt::DayOfWeek firstDay);

// Caption of lblData while the week shows: "Semana de DD/MM/YYYY a DD/MM/YYYY ".
QString weekCaption(const WeekSchedule& week);

} // namespace orv::appointments
