#include "appointments/ICalendarExchange.h"

#include "appointments/ICalendarReader.h"
#include "appointments/ICalendarWriter.h"

#include <QSet>
#include <QTimeZone>

namespace orv::appointments {
namespace {

// What makes two appointments of one person the same: day, start and text.
QString identity(const QDate& day, const QTime& start, const QString& text) {
    return day.toString(Qt::ISODate) + QLatin1Char('|') +
           (start.isValid() ? start.toString(QStringLiteral("HH:mm")) : QString()) +
           QLatin1Char('|') + text;
}

QSet<QString> knownAppointments(const Db& db, qint64 user) {
    QSet<QString> known;
    for (RowSet rs = db.runQuery(QStringLiteral("Select Data,Hora,Compromisso from Compromissos "
                                                "Where Usuario = ? and ChavePai = 0"),
                                 {user});
         !rs.eof(); rs.moveNext()) {
        known.insert(identity(rs.date(QStringLiteral("Data")), rs.time(QStringLiteral("Hora")),
                              rs.text(QStringLiteral("Compromisso"))));
    }
    return known;
}

} // namespace

exchange::ExportedFile exportAppointments(const Db& db, qint64 user, const QDate& from,
                                          const QDateTime& now) {
    QString sql = QStringLiteral("Select Chave,Data,Hora,HoraFim,Compromisso,Status,Compartilhado "
                                 "from Compromissos Where Usuario = ? and ChavePai = 0");
    Params params{user};
    if (from.isValid()) {
        sql += QStringLiteral(" and Data >= ?");
        params << from;
    }
    sql += QStringLiteral(" Order By Data,Hora,Chave");
    QVector<KeyedAppointment> rows;
    for (RowSet rs = db.runQuery(sql, params); !rs.eof(); rs.moveNext()) {
        KeyedAppointment k;
        k.key = rs.integer(QStringLiteral("Chave"));
        Appointment& a = k.appointment;
        a.day = rs.date(QStringLiteral("Data"));
        a.start = rs.time(QStringLiteral("Hora"));
        a.end = rs.time(QStringLiteral("HoraFim"));
        a.text = rs.text(QStringLiteral("Compromisso"));
        a.status = rs.text(QStringLiteral("Status"));
        a.shared = rs.text(QStringLiteral("Compartilhado"));
        rows << k;
    }
    return {writeCalendar(rows, QTimeZone::systemTimeZoneId(),
                          QStringLiteral("orvalune-%1-").arg(user), now),
            static_cast<int>(rows.size())};
}

exchange::ImportOutcome importAppointments(Db& db, qint64 user, int gridStep, const QDateTime& now,
                                           const QByteArray& bytes) {
    exchange::ImportOutcome result;
    const CalendarFile file = readCalendar(bytes, now);
    if (!file.error.isEmpty()) {
        result.error = file.error;
        return result;
    }
    result.summary.refused = file.refused;
    QSet<QString> known = knownAppointments(db, user);
    Transaction tx(db);
    for (const CalendarEntry& entry : file.entries) {
        const Appointment& a = entry.appointment;
        const QString id = identity(a.day, a.start, a.text);
        if (known.contains(id)) {
            ++result.summary.duplicates;
            continue;
        }
        known.insert(id);
        insertWithContinuationRows(db, user, a, gridStep);
        ++result.summary.added;
        result.summary.cut += entry.cut ? 1 : 0;
    }
    tx.commit();
    return result;
}

} // namespace orv::appointments
