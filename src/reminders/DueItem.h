#pragma once

#include <QDate>
#include <QString>
#include <QTime>

namespace orv::reminders {

// One birthday or appointment that has come due, as the reminder window shows it.
struct DueItem {
    enum class Kind { Birthday, Appointment };

    Kind kind = Kind::Appointment;
    qint64 key = 0; // Compromissos.Chave
    QDate day;
    QTime start; // invalid for a birthday
    QTime end;   // invalid when the appointment has no end time
    QString text;

    bool isBirthday() const { return kind == Kind::Birthday; }
    bool hasEndTime() const { return end.isValid(); }
};

} // namespace orv::reminders
