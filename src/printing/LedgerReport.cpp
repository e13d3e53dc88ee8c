#include "printing/ReportOwner.h"
#include "printing/ReportPage.h"
#include "printing/ReportText.h"
#include "printing/Reports.h"

#include <algorithm>

namespace orv {

namespace {

const WrapStyle kLedgerWrap{63, 4, QString(13, QLatin1Char(' ')) + QStringLiteral("| "), true};
constexpr int kAmountWidth = 11;
const QString kBalanceIndent(75, QLatin1Char(' '));

// The month as the month box lists it.
QString monthName(int month) {
    static const char* const names[] = {"Janeiro",  "Fevereiro", "Março",    "Abril",
                                        "Maio",     "Junho",     "Julho",    "Agosto",
                                        "Setembro", "Outubro",   "Novembro", "Dezembro"};
    return month >= 1 && month <= 12 ? QString::fromUtf8(names[month - 1]) : QString();
}

double startingBalance(const AppContext& ctx, int month, int year) {
    // The column name comes from the month number alone, never from typed text.
    const RowSet rows = ctx.db.runQuery(
        QStringLiteral("Select M%1 from Saldos Where Usuario = ? and Ano = ?").arg(month),
        {ctx.session.userCode, year});
    return rows.eof() ? 0.0 : rows.field(0).toDouble();
}

RowSet monthEntries(const AppContext& ctx, int month, int year) {
    const QDate first(year, month, 1);
    return ctx.db.runQuery(
        QStringLiteral("Select * from Financas Where Usuario = ? and Data >= ? and Data < ? "
                       "Order By Data,Chave"),
        {ctx.session.userCode, storedDate(first), storedDate(first.addMonths(1))});
}

QString balanceLine(const QString& caption, double value, QChar separator) {
    return kBalanceIndent + caption + pad(ledgerAmount(value, separator), 15, true);
}

} // namespace

QString ledgerAmount(double value, QChar decimalSeparator) {
    QString text = QString::number(value, 'f', 2);
    if (text == QLatin1String("-0.00")) {
        text.remove(0, 1);
    }
    return text.replace(QLatin1Char('.'), decimalSeparator);
}

QString ledgerRecord(const LedgerEntry& entry, QChar decimalSeparator) {
    QString line = QStringLiteral("  ") + entry.date.toString(QStringLiteral("dd/MM/yyyy")) +
                   (entry.done ? QLatin1Char('X') : QLatin1Char(' ')) + QStringLiteral("| ") +
                   wrapped(entry.description, kLedgerWrap);
    // Receipts and payments stand in two columns; a row with both shows the receipt.
    if (entry.received > 0) {
        return line + pad(ledgerAmount(entry.received, decimalSeparator), kAmountWidth, true) +
               QLatin1Char('+');
    }
    const QString paid = entry.paid > 0 ? ledgerAmount(entry.paid, decimalSeparator) : QString();
    return line + QString(kAmountWidth, QLatin1Char(' ')) + QStringLiteral("  ") +
           pad(paid, kAmountWidth, true) + QLatin1Char('-');
}

Report ledgerReport(const AppContext& ctx, int month, int year) {
    return {QStringLiteral("Financas"), [&ctx, month, year](ReportSink& sink) {
                if (month < 1 || month > 12) {
                    return;
                }
                const QChar separator = ctx.settings.decimalSeparator;
                const QString title = QStringLiteral(" Financas do Mês de ") + monthName(month) +
                                      QLatin1Char('/') + QString::number(year) +
                                      QStringLiteral(" da Agenda do ") + reportOwner(ctx);
                const double start = startingBalance(ctx, month, year);
                double current = start;
                ReportPage page(sink, title, ctx.clock);
                page.begin();
                page.print(balanceLine(QStringLiteral("Saldo Inicial : "), start, separator));
                for (RowSet rows = monthEntries(ctx, month, year); !rows.eof(); rows.moveNext()) {
                    LedgerEntry entry;
                    entry.date = parseStoredDate(rows.text(QStringLiteral("Data")));
                    entry.description = rows.text(QStringLiteral("Descricao"));
                    entry.received = rows.number(QStringLiteral("Recebido"));
                    entry.paid = rows.number(QStringLiteral("Pago"));
                    entry.done = rows.text(QStringLiteral("Efetuado")) == QLatin1String("S");
                    // The current balance counts the done entries only.
                    if (entry.done) {
                        current += std::max(entry.received, 0.0) - std::max(entry.paid, 0.0);
                    }
                    page.printRecord(ledgerRecord(entry, separator));
                }
                page.print(balanceLine(QStringLiteral("  Saldo Atual : "), current, separator));
                page.finish();
            }};
}

} // namespace orv
