#include "appointments/WeekSchedule.h"

#include "appointments/AppointmentTimes.h"

#include <QSet>

namespace orv::appointments {
namespace {

using namespace column;

const QString kDayFormat = QStringLiteral("dd/MM/yyyy");

WeekEntry entryOf(const RowSet& rs, qint64 user) {
    WeekEntry e;
    e.key = rs.field(Chave).toLongLong();
    const qint64 owner = rs.field(Usuario).toLongLong();
    if (owner != user) {
        e.owner = rs.field(Owner).toString();
    }
    // All-day rows show no owner in the grid, timed rows of others do.
    if (isAllDay(rs)) {
        e.text = rs.field(Compromisso).toString();
    } else {
        e.time = hhmm(storedMinute(rs.field(Hora).toString()));
        e.text = timedText(rs);
    }
    e.picture = statusPicture(QString::number(rs.field(ChavePai).toLongLong()),
                              rs.field(Status).toString(), owner != user);
    return e;
}

} // namespace

QString WeekEntry::caption() const {
    return time.isEmpty() ? text : time + QLatin1Char(' ') + text;
}

QDate weekStart(const QDate& day, Qt::DayOfWeek firstDay) {
    return day.addDays(-((day.dayOfWeek() - firstDay + 7) % 7));
}

WeekSchedule buildWeekSchedule(const Db& db, const ScheduleSettings& settings, const QDate& day,
                               Qt::DayOfWeek firstDay) {
    WeekSchedule week;
    const QDate first = weekStart(day, firstDay);
    for (int i = 0; i < 7; ++i) {
        week.days[i].day = first.addDays(i);
    }
    const bool allDay = settings.showsAllDay();
    QSet<qint64> started; // appointments listed on the day being filled
    int at = -1;
    for (RowSet rs = queryScheduleRows(db, settings, first, week.last(), DayPart::Whole); !rs.eof();
         rs.moveNext()) {
        const int i = static_cast<int>(first.daysTo(parseStoredDate(rs.field(Data).toString())));
        if (i != at) {
            at = i;
            started.clear();
        }
        const qint64 parent = rs.field(ChavePai).toLongLong();
        if ((isAllDay(rs) && !allDay) || (parent != 0 && started.contains(parent)) || i < 0 ||
            i > 6) {
            continue;
        }
        WeekEntry e = entryOf(rs, settings.user);
        started.insert(e.key);
        week.days[i].entries.push_back(std::move(e));
    }
    return week;
}

QString weekCaption(const WeekSchedule& week) {
    return QStringLiteral("Semana de %1 a %2 ")
        .arg(week.first().toString(kDayFormat), week.last().toString(kDayFormat));
}

} // namespace orv::appointments
