#include "appointments/MonthCalendar.h"

#include <QLocale>

namespace orv::appointments {
namespace {

void resetCells(MonthSheet& sheet) {
    for (int i = 0; i < kCalendarCells; ++i) {
        DayCell& cell = sheet.cells[i];
        cell.bold = false;
        cell.colour = MonthSheet::isSunday(i) ? kSundayColour : kWeekdayColour;
    }
}

} // namespace

int daysInMonth(int month, int year) {
    return QDate(year, month, 1).daysInMonth();
}

MonthSheet fillMonth(int month, int year, const QDate& calendarDay) {
    MonthSheet sheet;
    sheet.month = month;
    sheet.year = year;
    resetCells(sheet);
    sheet.caption = QLocale().standaloneMonthName(month, QLocale::LongFormat) + QLatin1Char(' ') +
                    QString::number(year);
    const int first = QDate(year, month, 1).dayOfWeek() % 7; // Sunday 0
    const int last = daysInMonth(month, year);
    for (int d = 1, i = first; d <= last && i < kCalendarCells; ++d, ++i) {
        sheet.cells[i].caption = QString::number(d) + QLatin1Char(' ');
        if (calendarDay.day() == d && calendarDay.month() == month && calendarDay.year() == year) {
            sheet.markedCell = i;
        }
    }
    return sheet;
}

QDate moveMonth(const QDate& calendarDay, int months) {
    return calendarDay.addMonths(months);
}

std::optional<QDate> cellDate(const MonthSheet& sheet, int cell) {
    if (cell < 0 || cell >= kCalendarCells || sheet.cells[cell].caption.isEmpty()) {
        return std::nullopt;
    }
    const QDate date(sheet.year, sheet.month, sheet.cells[cell].caption.trimmed().toInt());
    return date.isValid() ? std::optional(date) : std::nullopt;
}

QVector<int> daysWithAppointments(const Db& db, qint64 user, int month, int year,
                                  bool includeShared) {
    // A range on Data, rather than Month(Data) and Year(Data), lets the store use
    // its indexes.
    const QDate from(year, month, 1);
    const QDate to = from.addMonths(1);
    QString sql = QStringLiteral("Select day(Data) as Dia from Compromissos Where Usuario = ? "
                                 "and Data >= ? and Data < ?");
    Params params{user, from, to};
    if (includeShared) {
        sql += QStringLiteral(" Union Select day(Data) as Dia from Compromissos Where Usuario <> ? "
                              "and Compartilhado = ? and Data >= ? and Data < ?");
        params << user << QStringLiteral("S") << from << to;
    } else {
        sql += QStringLiteral(" Group By Data");
    }
    sql += QStringLiteral(" Order By Dia");
    QVector<int> days;
    for (RowSet rs = db.runQuery(sql, params); !rs.eof(); rs.moveNext()) {
        days << static_cast<int>(rs.integer(QStringLiteral("Dia")));
    }
    return days;
}

bool markDays(MonthSheet& sheet, const QVector<int>& days) {
    if (days.isEmpty()) {
        return false;
    }
    resetCells(sheet);
    auto next = days.cbegin();
    for (int i = 0; i < kCalendarCells && next != days.cend(); ++i) {
        DayCell& cell = sheet.cells[i];
        if (!cell.caption.isEmpty() && cell.caption.trimmed().toInt() == *next) {
            cell.bold = true;
            cell.colour = MonthSheet::isSunday(i) ? kMarkedSundayColour : kMarkedWeekdayColour;
            ++next;
        }
    }
    return true;
}

} // namespace orv::appointments
