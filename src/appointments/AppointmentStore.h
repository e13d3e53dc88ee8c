#pragma once

#include "db/Db.h"

#include <QDate>
#include <QString>
#include <QTime>

namespace orv::appointments {

// Status codes of Compromissos.Status.
inline const QString kPending = QStringLiteral("0");
inline const QString kDone = QStringLiteral("1");
inline const QString kBirthday = QStringLiteral("2");
inline const QString kNoReminder = QStringLiteral("3");

// One row of Compromissos as the program writes it.
struct Appointment {
    QDate day;
    QTime start;         // invalid: an all-day entry (Hora NULL)
    QTime end;           // invalid: no end time (HoraFim NULL)
    qint64 parent = 0;   // ChavePai: 0, or the appointment a continuation row belongs to
    QString text;        // Compromisso
    QString status = kPending;
    QString shared = QStringLiteral("N");
};

// Inserts one row and returns the key the store gave it.
qint64 insertAppointment(const Db& db, qint64 user, const Appointment& a);

// Deletes an appointment of the user with its continuation rows.
void deleteAppointment(const Db& db, qint64 user, qint64 key);

} // namespace orv::appointments
