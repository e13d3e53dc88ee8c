#include "finances/LedgerStore.h"

#include <stdexcept>

namespace orv::finances {
namespace {

// The Saldos column of a month: M1 (January) .. M12 (December). The name is
// built from a checked number, never from typed text.
QString monthColumn(const LedgerPeriod& period) {
    if (period.month < 1 || period.month > 12) {
        throw std::invalid_argument("ledger month out of range");
    }
    return QStringLiteral("M%1").arg(period.month);
}

QString doneFlag(bool done) {
    return done ? QStringLiteral("S") : QStringLiteral("N");
}

} // namespace

double LedgerStore::startingBalance(const LedgerPeriod& period) const {
    const RowSet rs =
        db_.runQuery(QStringLiteral("Select %1 from Saldos Where Usuario = ? and Ano = ?")
                         .arg(monthColumn(period)),
                     {user_, period.year});
    return rs.eof() ? 0.0 : rs.number(monthColumn(period));
}

void LedgerStore::storeStartingBalance(const LedgerPeriod& period, double amount) const {
    const QString column = monthColumn(period);
    const int changed = db_.executeSql(
        QStringLiteral("Update Saldos set %1 = ? Where Usuario = ? and Ano = ?").arg(column),
        {amount, user_, period.year});
    if (changed == 0) {
        db_.executeSql(
            QStringLiteral("Insert into Saldos(Usuario,%1,Ano) values (?,?,?)").arg(column),
            {user_, amount, period.year});
    }
}

// A date range rather than Month(Data)/Year(Data), so the (Usuario, Data)
// index does the work; it selects the same rows.
RowSet LedgerStore::periodQuery(const QString& columns, const LedgerPeriod& period,
                                const QString& tail) const {
    return db_.runQuery(
        QStringLiteral("Select %1 from Financas Where Usuario = ? and Data >= ? and Data < ?%2")
            .arg(columns, tail),
        {user_, period.firstDay(), period.next().firstDay()});
}

RowSet LedgerStore::entries(const LedgerPeriod& period) const {
    return periodQuery(QStringLiteral("*"), period, QStringLiteral(" Order By Data, Chave"));
}

double LedgerStore::movement(const LedgerPeriod& period) const {
    const RowSet rs =
        periodQuery(QStringLiteral("Sum(Recebido) as TotRecebido, Sum(Pago) as TotPago"), period);
    return rs.number(QStringLiteral("TotRecebido")) - rs.number(QStringLiteral("TotPago"));
}

Params LedgerStore::amountColumns(const LedgerEntry& entry) {
    const QVariant amount(entry.amount);
    return {entry.receipt ? amount : QVariant(), entry.receipt ? QVariant() : amount};
}

qint64 LedgerStore::insertEntry(const LedgerEntry& entry) const {
    return db_.insertSql(
        QStringLiteral("Insert into Financas(Usuario,Data,Descricao,Recebido,Pago,Efetuado) "
                       "values (?,?,?,?,?,?)"),
        Params{user_, entry.date, entry.description} + amountColumns(entry) +
            Params{doneFlag(entry.done)});
}

void LedgerStore::updateEntry(qint64 key, const LedgerEntry& entry) const {
    db_.executeSql(QStringLiteral("Update Financas set Data = ?, Descricao = ?, Recebido = ?, "
                                  "Pago = ?, Efetuado = ? Where Usuario = ? and Chave = ?"),
                   Params{entry.date, entry.description} + amountColumns(entry) +
                       Params{doneFlag(entry.done), user_, key});
}

void LedgerStore::deleteEntry(qint64 key) const {
    db_.executeSql(QStringLiteral("Delete from Financas Where Usuario = ? and Chave = ?"),
                   {user_, key});
}

} // namespace orv::finances
