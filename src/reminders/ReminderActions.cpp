#include "reminders/ReminderActions.h"

#include "appointments/AppointmentStore.h"
#include "reminders/RescheduleChoices.h"

namespace orv::reminders {

void deleteReminded(const Db& db, qint64 user, const DueItem& item) {
    appointments::deleteAppointment(db, user, item.key);
}

void completeReminded(const Db& db, qint64 user, const DueItem& item) {
    if (item.isBirthday()) {
        db.executeSql(QStringLiteral("Update Compromissos set Data = ? Where Usuario = ? and "
                                     "Chave = ?"),
                      {nextYear(item.day), user, item.key});
    } else {
        db.executeSql(QStringLiteral("Update Compromissos set Status = ? Where Usuario = ? and "
                                     "Chave = ?"),
                      {appointments::kDone, user, item.key});
    }
}

RescheduleResult reschedule(const Db& db, const Clock& clock, qint64 user, const DueItem& item,
                            int choiceIndex, const QString& text) {
    // A birthday offers no choices, so it can never be moved here.
    const QList<RescheduleChoice> offered =
        item.isBirthday() ? QList<RescheduleChoice>() : rescheduleChoices(item.hasEndTime());
    if (choiceIndex < 0 || choiceIndex >= offered.size()) {
        return {QStringLiteral("Informe o Tempo!"), ReminderField::Choices};
    }
    const QString description = text.trimmed();
    if (description.isEmpty()) {
        return {QStringLiteral("Informe uma Descrição do Compromisso !"),
                ReminderField::Description};
    }
    const RescheduleChoice& choice = offered[choiceIndex];
    if (item.hasEndTime()) {
        const QDate day = advance(QDateTime(clock.today(), QTime(0, 0)), choice).date();
        db.executeSql(QStringLiteral("Update Compromissos set Data = ?, Compromisso = ? Where "
                                     "Usuario = ? and (Chave = ? or ChavePai = ?)"),
                      {day, description, user, item.key, item.key});
    } else {
        const QDateTime x = advance(clock.now(), choice);
        // Times are kept to the minute, as the window shows them.
        const QTime time(x.time().hour(), x.time().minute());
        db.executeSql(QStringLiteral("Update Compromissos set Data = ?, Hora = ?, Compromisso = ? "
                                     "Where Usuario = ? and Chave = ?"),
                      {x.date(), time, description, user, item.key});
    }
    return {};
}

} // namespace orv::reminders
