#pragma once

#include <QDateTime>
#include <QList>
#include <QString>
#include <QStringList>

namespace orv::reminders {

// One entry of the reminder's rescheduling list: its text, exactly as listed, and
// the interval it adds. Minutes, hours, days and weeks are exact amounts; months
// and years are calendar steps.
struct RescheduleChoice {
    enum class Unit { Minutes, Days, Months };

    QString text;
    Unit unit;
    int amount;

    // The short choices (under a day) are offered only without an end time.
    bool isShort() const { return unit == Unit::Minutes; }
};

// All 21 choices, in the order of the list.
const QList<RescheduleChoice>& allRescheduleChoices();

// The list offered for an appointment: all 21 choices without an end time,
// the 12 day choices (from "   1 dia") with one.
QList<RescheduleChoice> rescheduleChoices(bool withEndTime);
QStringList choiceTexts(const QList<RescheduleChoice>& choices);

// The moment the choice adds up to, counted on the wall clock from `from`.
// A month step keeps the day of the month; a day the target month lacks
// becomes its last day (31 January + 1 month = 28 or 29 February).
QDateTime advance(const QDateTime& from, const RescheduleChoice& choice);

// The day a birthday moves to when it is completed: the same day next year,
// 29 February becoming 28 February.
QDate nextYear(const QDate& day);

} // namespace orv::reminders
