#pragma once

#include "db/Db.h"
#include "reminders/DueItem.h"
#include "session/Clock.h"

#include <QString>

namespace orv::reminders {

// The three buttons of the reminder window, on the item it shows (its key is
// the reminded key). Each runs one single statement, committed at once.

// Deletes the item with its continuation rows. A birthday's contact keeps its record.
void deleteReminded(const Db& db, qint64 user, const DueItem& item);

// An appointment is marked done (its continuation rows keep their status); a
// birthday moves to the same day next year.
void completeReminded(const Db& db, qint64 user, const DueItem& item);

// Where the window puts the focus after a refused rescheduling.
enum class ReminderField { None, Choices, Description };

struct RescheduleResult {
    QString message; // empty when the appointment was moved
    ReminderField focus = ReminderField::None;
    bool moved() const { return message.isEmpty(); }
};

// Moves the appointment by the choice at `choiceIndex` of its list (-1: none
// chosen) and stores `text` trimmed as its description. Without an end time the
// row gets now plus the interval as day and time; with one, the row and its
// continuation rows get today plus the interval as day and keep their times.
// A refusal (no choice, empty text) writes nothing and says what to tell the
// user (message box, Okay, information) and where to put the focus.
RescheduleResult reschedule(const Db& db, const Clock& clock, qint64 user, const DueItem& item,
                            int choiceIndex, const QString& text);

} // namespace orv::reminders
