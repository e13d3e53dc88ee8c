#pragma once

#include "db/RowSet.h"
#include "finances/Amount.h"
#include "finances/LedgerStore.h"
#include "mainwindow/GridColumns.h"

#include <QStringList>
#include <QVector>

namespace orv::finances {

inline const QString kNoEntries = QStringLiteral("Sem Movimento");
inline constexpr Rgb kReceiptColour{0, 0, 255};
inline constexpr Rgb kPaymentColour{255, 0, 0};

// The month list: "  Janeiro" .. "  Dezembro"; item i stands for month i + 1.
const QStringList& monthNames();

// One row of grdFinancas, with the stored values beside the texts shown.
struct LedgerRow {
    qint64 key = 0;              // column 0, hidden
    bool done = false;           // column 1: the done picture
    QDate date;                  //
    QString dateText;            // column 2: "DD/MM/YYYY"
    QString description;         // as stored
    QString descriptionText;     // column 3: two blanks + the description
    double received = 0.0;       // 0 when NULL
    double paid = 0.0;           // 0 when NULL
    QString receivedText;        // column 4: empty when there is no amount
    QString paidText;            // column 5: empty when there is no amount
    Rgb colour = kPaymentColour; // text colour of columns 2 to 5
};

// A month of the ledger as the panel shows it.
struct LedgerMonth {
    LedgerPeriod period;
    double startingBalance = 0.0;
    double currentBalance = 0.0; // starting balance plus the done entries
    QString startingText;        // txtFinancasSaldoInicial
    QString currentText;         // txtFinancasSaldoAtual
    QVector<LedgerRow> rows;
    QVector<GridColumn> columns; // grdFinancas, widths fitted to the rows

    bool noEntries() const { return rows.isEmpty(); } // "Sem Movimento" shown
};

// The grid's columns for a grid of that many rows, header included.
QVector<GridColumn> ledgerColumns(int gridRows);

// Builds the month from its starting balance and its entries (a Financas query).
LedgerMonth buildLedgerMonth(const LedgerPeriod& period, double startingBalance, RowSet entries,
                             const AmountFormat& amounts);

} // namespace orv::finances
