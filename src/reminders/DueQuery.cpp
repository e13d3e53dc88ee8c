#include "reminders/DueQuery.h"

namespace orv::reminders {
namespace {

DueItem itemAt(const RowSet& rs, DueItem::Kind kind) {
    DueItem item;
    item.kind = kind;
    item.key = rs.integer(QStringLiteral("Chave"));
    item.day = rs.date(QStringLiteral("Data"));
    item.start = rs.time(QStringLiteral("Hora"));
    item.end = rs.time(QStringLiteral("HoraFim"));
    item.text = rs.text(QStringLiteral("Compromisso"));
    return item;
}

std::vector<DueItem> readItems(RowSet rs, DueItem::Kind kind) {
    std::vector<DueItem> items;
    items.reserve(static_cast<size_t>(rs.recordCount()));
    for (; !rs.eof(); rs.moveNext()) {
        items.push_back(itemAt(rs, kind));
    }
    return items;
}

// One half of the union: rows without an end time rank by their start, rows
// with one by their end. "Data <= ?" repeats the day test so that the index on
// (Usuario, Status, Data) bounds the scan. A row without a start time is an
// all-day row, already raised as a birthday, so it is left out here.
QString dueHalf(const char* rankColumn, const char* endTest) {
    return QStringLiteral("Select Data as Ordem1,%1 as Ordem2,Chave,Data,Hora,HoraFim,Compromisso "
                          "from Compromissos Where Usuario = ? and Status = '0' and ChavePai = 0 "
                          "and HoraFim %2 and Hora is not Null and Data <= ? and "
                          "(Data < ? or (Data = ? and Hora <= ?))")
        .arg(QLatin1String(rankColumn), QLatin1String(endTest));
}

} // namespace

std::vector<DueItem> dueBirthdays(const Db& db, qint64 user, const QDate& today) {
    return readItems(db.runQuery(QStringLiteral("Select * from Compromissos Where Usuario = ? and "
                                                "Data <= ? and Hora is Null Order By Chave"),
                                 {user, today}),
                     DueItem::Kind::Birthday);
}

std::vector<DueItem> dueAppointments(const Db& db, qint64 user, const QDateTime& now) {
    static const QString sql = dueHalf("Hora", "is Null") + QStringLiteral(" Union All ") +
                               dueHalf("HoraFim", "is not Null") +
                               QStringLiteral(" Order By Ordem1, Ordem2, Chave");
    const QDate today = now.date();
    const QTime time = now.time();
    return readItems(
        db.runQuery(sql, {user, today, today, today, time, user, today, today, today, time}),
        DueItem::Kind::Appointment);
}

} // namespace orv::reminders
