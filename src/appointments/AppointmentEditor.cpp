#include "appointments/AppointmentEditor.h"

#include "appointments/AppointmentStore.h"
#include "appointments/AppointmentTimes.h"
#include "appointments/Repetition.h"
#include "appointments/RowKey.h"
#include "mainwindow/Messages.h"

#include <optional>

namespace orv::appointments {
namespace {

constexpr int kTimeBoxLength = 5;

EditorCheck failed(EditorCheck check, const QString& message, int icon, EditorField focus) {
    check.message = message;
    check.icon = icon;
    check.focus = focus;
    return check;
}

} // namespace

OpenedRow openRow(const ScheduleRow& row, const QDate& currentDay) {
    OpenedRow o;
    if (row.picture == picture::kAttached || row.picture == picture::kBirthday) {
        return o;
    }
    const RowKey key = RowKey::parse(row.keyText);
    o.opens = true;
    o.editedKey = key.key;
    o.hadEndTime = !key.end.isEmpty();
    o.dayText = currentDay.toString(QStringLiteral("dd/MM/yyyy"));
    o.start = row.timeText.trimmed().left(kTimeBoxLength);
    o.end = key.end;
    o.description = row.description.trimmed();
    o.alarm = key.key == 0 || key.status == kPending;
    o.share = key.shared == QLatin1String("S");
    o.deleteVisible = key.key != 0;
    o.repetitionVisible = key.key == 0;
    if (row.sharedPicture) {
        o.readOnlyCaption = QStringLiteral("COMPARTILHADO");
        o.deleteVisible = false;
    } else if (key.status == kDone) {
        o.readOnlyCaption = QStringLiteral("EXECUTADO");
        o.deleteVisible = true;
    }
    if (o.readOnly()) {
        o.alarm = true;
    }
    return o;
}

EditorCheck checkEditor(const QString& start, const QString& end, const QString& description) {
    EditorCheck check;
    check.startText = start;
    check.endText = end;
    if (start.trimmed().isEmpty()) {
        return failed(check, QStringLiteral("Informe o Horário para o Início do Compromisso!"),
                      msg::Information, EditorField::Start);
    }
    const auto startTime = parseTypedTime(start);
    if (!startTime) {
        return failed(check,
                      QStringLiteral("Informe um Horário Válido para o Início do Compromisso!"),
                      msg::Serious, EditorField::Start);
    }
    check.start = *startTime;
    check.startText = hhmm(check.start);
    if (!end.trimmed().isEmpty()) {
        const auto endTime = parseTypedTime(end);
        if (!endTime) {
            return failed(check,
                          QStringLiteral("Informe um Horário Válido para o Final do Compromisso!"),
                          msg::Serious, EditorField::End);
        }
        check.end = *endTime;
        check.endText = hhmm(check.end);
        if (check.startText >= check.endText) {
            return failed(check,
                          QStringLiteral("Hora de Início não pode ser Maior ou Igual que Hora "
                                         "Final do Compromisso!"),
                          msg::Serious, EditorField::End);
        }
    }
    if (description.trimmed().isEmpty()) {
        return failed(check, QStringLiteral("Informe uma Descrição do Compromisso !"),
                      msg::Information, EditorField::Description);
    }
    return check;
}

QVector<qint64> saveEditor(Db& db, qint64 user, int step, const EditorSave& save) {
    Appointment a;
    a.start = save.start;
    a.end = save.end;
    a.text = save.description;
    a.status = save.alarm ? kPending : kNoReminder;
    a.shared = save.share ? QStringLiteral("S") : QStringLiteral("N");

    // All rows of one save land together; a caller that already holds a
    // transaction (the import) keeps it.
    std::optional<Transaction> tx;
    if (!db.dataFile().inTransaction()) {
        tx.emplace(db);
    }
    QVector<qint64> keys;
    if (save.editedKey == 0) {
        for (const QDate& day : repetitionDays(save.day, save.repetition)) {
            a.day = day;
            keys << insertWithContinuationRows(db, user, a, step);
        }
    } else {
        a.day = save.day;
        if (updateAppointment(db, user, save.editedKey, a, save.hadEndTime, step)) {
            keys << save.editedKey;
        }
    }
    if (tx) {
        tx->commit();
    }
    return keys;
}

} // namespace orv::appointments
