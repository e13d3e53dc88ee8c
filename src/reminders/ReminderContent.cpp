#include "reminders/ReminderContent.h"

#include "reminders/RescheduleChoices.h"

#include <QLocale>

namespace orv::reminders {

ReminderContent reminderContent(const DueItem& item) {
    ReminderContent c;
    c.birthday = item.isBirthday();
    c.day = item.day.toString(QStringLiteral("dd/MM/yyyy"));
    if (c.birthday) {
        c.description = QStringLiteral("  ") + item.text;
        c.descriptionEditable = false;
        c.deleteCaption = QStringLiteral("&Excluir Aniversário");
        c.completeCaption = QStringLiteral("Avisar &Próximo Ano");
        return c;
    }
    c.start = item.start.toString(QStringLiteral("HH:mm"));
    c.end = item.hasEndTime() ? item.end.toString(QStringLiteral("HH:mm")) : QString();
    c.description = item.text;
    c.descriptionEditable = true;
    c.deleteCaption = QStringLiteral("&Excluir Compromisso");
    c.completeCaption = QStringLiteral("&Compromisso Executado");
    c.choices = choiceTexts(rescheduleChoices(item.hasEndTime()));
    return c;
}

QString reminderCaption(const QDateTime& now) {
    return QLocale().toString(now, QStringLiteral("dd MMMM yyyy - HH:mm"));
}

} // namespace orv::reminders
