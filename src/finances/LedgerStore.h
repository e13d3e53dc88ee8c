#pragma once

#include "db/Db.h"

#include <QDate>
#include <QString>

namespace orv::finances {

// One month of one year (month 1..12).
struct LedgerPeriod {
    int month = 0;
    int year = 0;

    QDate firstDay() const { return QDate(year, month, 1); }
    LedgerPeriod previous() const { return of(firstDay().addMonths(-1)); }
    LedgerPeriod next() const { return of(firstDay().addMonths(1)); }
    bool contains(const QDate& day) const { return day.month() == month && day.year() == year; }
    static LedgerPeriod of(const QDate& day) { return {day.month(), day.year()}; }
    friend bool operator==(const LedgerPeriod&, const LedgerPeriod&) = default;
};

// One row of Financas as the program writes it. Exactly one of Recebido and
// Pago holds the amount; the other is NULL.
struct LedgerEntry {
    QDate date;
    QString description;
    bool receipt = true;
    double amount = 0.0;
    bool done = true; // Efetuado "S"; planned entries are "N"
};

// The ledger's statements on Saldos and Financas, for one user.
class LedgerStore {
public:
    LedgerStore(const Db& db, qint64 user) : db_(db), user_(user) {}

    // The month's starting balance; 0 when the year has no Saldos row.
    double startingBalance(const LedgerPeriod& period) const;
    // Stores the month's starting balance, creating the year's row when missing.
    void storeStartingBalance(const LedgerPeriod& period, double amount) const;

    // The month's entries by date (entries of one date in the order they were made).
    RowSet entries(const LedgerPeriod& period) const;
    // Received minus paid over every entry of the month, done or planned.
    double movement(const LedgerPeriod& period) const;

    qint64 insertEntry(const LedgerEntry& entry) const;
    void updateEntry(qint64 key, const LedgerEntry& entry) const;
    void deleteEntry(qint64 key) const;

private:
    RowSet periodQuery(const QString& columns, const LedgerPeriod& period,
                       const QString& tail = {}) const;
    static Params amountColumns(const LedgerEntry& entry);

    const Db& db_;
    qint64 user_;
};

} // namespace orv::finances
