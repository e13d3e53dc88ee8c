#pragma once

#include <QDate>
#include <QStringList>
#include <QVector>

namespace orv::appointments {

// The choices of cmbAgendarPara, by position: how a new appointment repeats.
enum Repetition {
    kOnlyThisDay = 0,     // the chosen day only
    kWorkingDaysLeft = 1, // each day up to and including the next Friday
    kDaysOfWeekLeft = 2,  // each day up to and including the next Sunday
    kDaysOfMonthLeft = 3, // each day to the end of the month
    kSameDayEachMonth = 4 // the same day of each month to the end of the year
};
const QStringList& repetitionChoices();

// The days a new appointment on `first` is written for with the choice at
// `position`; a position outside the list means the chosen day only. Months are
// calendar months: a day the month lacks becomes its last day, and the months
// after go on from that day.
QVector<QDate> repetitionDays(const QDate& first, int position);

} // namespace orv::appointments
