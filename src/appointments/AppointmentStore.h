#pragma once

#include "db/Db.h"

#include <QDate>
#include <QString>
#include <QTime>
#include <QVector>

namespace orv::appointments {

// Status codes of Compromissos.Status.
inline const QString kPending = QStringLiteral("0");
inline const QString kDone = QStringLiteral("1");
inline const QString kBirthday = QStringLiteral("2");
inline const QString kNoReminder = QStringLiteral("3");

// One row of Compromissos as the program writes it.
struct Appointment {
    QDate day;
    QTime start;       // invalid: an all-day entry (Hora NULL)
    QTime end;         // invalid: no end time (HoraFim NULL)
    qint64 parent = 0; // ChavePai: 0, or the appointment a continuation row belongs to
    QString text;      // Compromisso
    QString status = kPending;
    QString shared = QStringLiteral("N");
};

// Inserts one row and returns the key the store gave it.
qint64 insertAppointment(const Db& db, qint64 user, const Appointment& a);

// Deletes an appointment of the user with its continuation rows.
void deleteAppointment(const Db& db, qint64 user, qint64 key);

// An appointment with an end time fills the grid slots of its span with
// continuation rows: one at start + step, start + 2 steps, ... up to the end, and
// one at the end itself when the steps do not land on it. The start times of those
// rows, at minute precision; none without an end after the start.
QVector<QTime> continuationTimes(const QTime& start, const QTime& end, int step);

// Writes the continuation rows of the appointment `parentKey` (day, description,
// status and sharing flag of `a`), with the user's grid step.
void writeContinuationRows(const Db& db, qint64 user, const Appointment& a, qint64 parentKey,
                           int step);

// Inserts an appointment and, when it has an end time, its continuation rows;
// returns its key.
qint64 insertWithContinuationRows(const Db& db, qint64 user, const Appointment& a, int step);

// Rewrites the user's appointment `key` with `a`: the continuation rows of its old
// span go first when it had an end time, new ones follow when it has one now.
// False, with nothing written, when the appointment no longer exists.
bool updateAppointment(const Db& db, qint64 user, qint64 key, const Appointment& a, bool hadEndTime,
                       int step);

} // namespace orv::appointments
