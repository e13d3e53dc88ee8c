#pragma once

#include "reminders/DueItem.h"

#include <QDateTime>
#include <QString>
#include <QStringList>

namespace orv::reminders {

// What the reminder window shows for one item, ready to be put into its controls.
struct ReminderContent {
    bool birthday = false;    // lblAniversario shown; times, choices and cmdReagendar hidden
    QString day;              // TxtData, DD/MM/YYYY
    QString start;            // TxtHora, HH:NN
    QString end;              // txtHoraFim, HH:NN or empty
    QString description;      // TxtCompromisso
    bool descriptionEditable; // only an appointment's text can be changed
    QString deleteCaption;    // cmdExcluir
    QString completeCaption;  // cmdExecutar
    QStringList choices;      // cmbReAgendar, none preselected
};

ReminderContent reminderContent(const DueItem& item);

// The window's clock line, "DD Mmmm YYYY - HH:NN" with the month's full name in
// the user's language (15 março 2026 - 14:07).
QString reminderCaption(const QDateTime& now);

} // namespace orv::reminders
