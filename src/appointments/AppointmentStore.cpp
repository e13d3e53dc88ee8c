#include "appointments/AppointmentStore.h"

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

} // namespace orv::appointments
