#include "appointments/AppointmentStore.h"

#include "appointments/AppointmentTimes.h"

namespace orv::appointments {
namespace {

QVariant timeOrNull(const QTime& t) {
    return t.isValid() ? QVariant(t) : QVariant();
}

} // namespace

qint64 insertAppointment(const Db& db, qint64 user, const Appointment& a) {
    return db.insertSql(
        QStringLiteral("Insert into Compromissos(Usuario,Data,Hora,HoraFim,Compromisso,ChavePai,"
                       "Status,Compartilhado) values (?,?,?,?,?,?,?,?)"),
        {user, a.day, timeOrNull(a.start), timeOrNull(a.end), a.text, a.parent, a.status,
         a.shared});
}

void deleteAppointment(const Db& db, qint64 user, qint64 key) {
    db.executeSql(QStringLiteral("Delete from Compromissos Where Usuario = ? and (Chave = ? or "
                                 "ChavePai = ?)"),
                  {user, key, key});
}

QVector<QTime> continuationTimes(const QTime& start, const QTime& end, int step) {
    QVector<QTime> times;
    if (!start.isValid() || !end.isValid()) {
        return times;
    }
    const int s = minuteOfDay(start);
    const int e = minuteOfDay(end);
    if (e <= s) {
        return times;
    }
    const int l = slotMinutes(step);
    int last = s;
    for (int t = s + l; t <= e; t += l) {
        times << timeOfMinute(t);
        last = t;
    }
    if (last != e) {
        times << timeOfMinute(e);
    }
    return times;
}

void writeContinuationRows(const Db& db, qint64 user, const Appointment& a, qint64 parentKey,
                           int step) {
    Appointment row = a;
    row.end = QTime();
    row.parent = parentKey;
    for (const QTime& t : continuationTimes(a.start, a.end, step)) {
        row.start = t;
        insertAppointment(db, user, row);
    }
}

qint64 insertWithContinuationRows(const Db& db, qint64 user, const Appointment& a, int step) {
    const qint64 key = insertAppointment(db, user, a);
    if (a.end.isValid()) {
        writeContinuationRows(db, user, a, key, step);
    }
    return key;
}

bool updateAppointment(const Db& db, qint64 user, qint64 key, const Appointment& a, bool hadEndTime,
                       int step) {
    const int changed = db.executeSql(
        QStringLiteral("Update Compromissos set Data = ?, Hora = ?, HoraFim = ?, Compromisso = ?, "
                       "ChavePai = ?, Status = ?, Compartilhado = ? Where Usuario = ? and "
                       "Chave = ?"),
        {a.day, timeOrNull(a.start), timeOrNull(a.end), a.text, a.parent, a.status, a.shared, user,
         key});
    if (changed == 0) {
        return false;
    }
    if (hadEndTime && a.parent == 0) {
        db.executeSql(QStringLiteral("Delete from Compromissos Where Usuario = ? and ChavePai = ?"),
                      {user, key});
    }
    if (a.end.isValid()) {
        writeContinuationRows(db, user, a, key, step);
    }
    return true;
}

} // namespace orv::appointments
