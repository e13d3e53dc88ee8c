#include "reminders/DueQuery.h"

namespace orv::reminders {
namespace {

// Kind 0: birthdays (all-day rows of status "2"), ranked by key alone. Kind 1:
// pending appointments, ranked by day and by end time when they have one, else
// by start. An all-day row of another status (an old appointment imported
// without a time, status "3") asks for no reminder and is never raised. "Data
// <= ?" repeats the day test so that the index on (Usuario, Status, Data)
// bounds the scan.
const QString kDueSql = QStringLiteral(
    "Select 0 as Tipo, '' as Ordem1, '' as Ordem2, Chave, Data, Hora, HoraFim, Compromisso "
    "from Compromissos Where Usuario = ? and Status = '2' and Data <= ? and Hora is Null "
    "Union All "
    "Select 1, Data, Case When HoraFim is Null Then Hora Else HoraFim End, Chave, Data, Hora, "
    "HoraFim, Compromisso from Compromissos Where Usuario = ? and Status = '0' and ChavePai = 0 "
    "and Hora is not Null and Data <= ? and (Data < ? or (Data = ? and Hora <= ?)) "
    "Order By Tipo, Ordem1, Ordem2, Chave");

DueItem itemAt(const RowSet& rs) {
    DueItem item;
    item.kind = rs.integer(QStringLiteral("Tipo")) == 0 ? DueItem::Kind::Birthday
                                                        : DueItem::Kind::Appointment;
    item.key = rs.integer(QStringLiteral("Chave"));
    item.day = rs.date(QStringLiteral("Data"));
    item.start = rs.time(QStringLiteral("Hora"));
    item.end = rs.time(QStringLiteral("HoraFim"));
    item.text = rs.text(QStringLiteral("Compromisso"));
    return item;
}

} // namespace

std::vector<DueItem> dueItems(const Db& db, qint64 user, const QDateTime& now) {
    const QDate today = now.date();
    RowSet rs = db.runQuery(kDueSql, {user, today, user, today, today, today, now.time()});
    std::vector<DueItem> items;
    items.reserve(static_cast<size_t>(rs.recordCount()));
    for (; !rs.eof(); rs.moveNext()) {
        items.push_back(itemAt(rs));
    }
    return items;
}

} // namespace orv::reminders
