#pragma once

#include "db/Db.h"
#include "mainwindow/GridColumns.h"

#include <QDate>
#include <QString>
#include <QVector>
#include <array>
#include <optional>

namespace orv::appointments {

// Colours of the day cells: Sundays red and other days black; a day marked as
// having appointments dark red on Sundays and blue on other days.
inline constexpr Rgb kSundayColour{255, 0, 0};
inline constexpr Rgb kWeekdayColour{0, 0, 0};
inline constexpr Rgb kMarkedSundayColour{128, 0, 0};
inline constexpr Rgb kMarkedWeekdayColour{0, 0, 192};

struct DayCell {
    QString caption; // the day number and a blank, empty outside the month
    bool bold = false;
    Rgb colour;
};

inline constexpr int kCalendarCells = 42; // six rows of seven, Sunday first

// One month of the month calendar as the labels L(0) to L(41) show it.
struct MonthSheet {
    int month = 0;
    int year = 0;
    QString caption; // lblCalendarMes
    std::array<DayCell, kCalendarCells> cells;
    int markedCell = -1; // the cell of the calendar day (Shape1), -1 when not in the month

    static bool isSunday(int cell) { return cell % 7 == 0; }
};

// Days of month m in year y. February follows the full Gregorian rule, so that
// no cell ever shows a day that does not exist (29 February 2100).
int daysInMonth(int month, int year);

// Fills month m of year y: the day numbers from the cell of the month's first
// weekday on, the caption (full month name in the system's language, a blank and
// the year) and the mark on the calendar day.
MonthSheet fillMonth(int month, int year, const QDate& calendarDay);

// The calendar day moved by whole calendar months; a day the month lacks becomes
// its last day.
QDate moveMonth(const QDate& calendarDay, int months);

// The date of a cell that shows a day, in the sheet's month.
std::optional<QDate> cellDate(const MonthSheet& sheet, int cell);

// The day numbers of the month that hold at least one row of the user (rows
// others shared too when `includeShared`), ascending. Continuation rows and
// birthdays count.
QVector<int> daysWithAppointments(const Db& db, qint64 user, int month, int year,
                                  bool includeShared);

// Prints the days in bold in their colours. Returns false, leaving the sheet
// as it was, when there is no day.
bool markDays(MonthSheet& sheet, const QVector<int>& days);

} // namespace orv::appointments
