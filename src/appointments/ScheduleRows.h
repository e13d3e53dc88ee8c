#pragma once

#include "db/Db.h"

#include <QDate>
#include <QString>
#include <QTime>

namespace orv {
class AppContext;
}

namespace orv::appointments {

// What the day grid and the week depend on: the logged-on user and the user's
// grid settings.
struct ScheduleSettings {
    qint64 user = 0;
    QTime gridStart;
    QTime gridEnd;
    int gridStep = 60;        // minutes per row
    QString birthdayPosition; // "A": all-day rows above the slots, "D": below, else none
    bool showShared = false;  // other users' shared rows too

    static ScheduleSettings of(const AppContext& ctx);
    // Whether the all-day rows (birthdays) show at all.
    bool showsAllDay() const;
};

// The columns of the rows queryScheduleRows reads, by position.
namespace column {
enum : int {
    Chave,
    ChavePai,
    Status,
    Compartilhado,
    Usuario,
    Hora,
    HoraFim,
    Compromisso,
    Owner,
    Data
};
} // namespace column

enum class DayPart { Timed, Whole };

// The rows the day grid shows for the days first to last, the timed ones only or
// the whole days: the user's own, then, when the user sees them, the rows other
// users shared, with the owner's login in Owner (timed rows of others only when
// not done). Day by day, all-day rows (no Hora) come first, by key, then the
// timed rows by time.
RowSet queryScheduleRows(const Db& db, const ScheduleSettings& settings, const QDate& first,
                         const QDate& last, DayPart part);

// Whether the current row of the set is an all-day row.
bool isAllDay(const RowSet& rs);

// The description of a timed row as the grid shows it: " [LOGIN]" follows it on
// another user's row.
QString timedText(const RowSet& rs);

// The status picture of a row (names in DaySchedule.h), empty for none.
QString statusPicture(const QString& parent, const QString& status, bool othersShared);

} // namespace orv::appointments
