#include "finances/LedgerView.h"

namespace orv::finances {
namespace {

// Once the rows no longer fit (more than 14 grid rows, header included) the
// vertical scroll bar takes its room from the description column, which gives
// up 250 twips; the other columns keep their widths, so the grid never needs
// a horizontal scroll bar.
constexpr int kRowsThatFit = 14;
constexpr int kDescriptionWidth = 2150;
constexpr int kDescriptionWidthWithScrollBar = 1900;

// Negative amounts are accepted on save, so they are shown too: a hidden
// amount would turn a receipt into a payment at the next edit.
QString amountText(double amount, const AmountFormat& amounts) {
    return amount != 0.0 ? amounts.format(amount) : QString();
}

LedgerRow ledgerRow(const RowSet& rs, const AmountFormat& amounts) {
    LedgerRow row;
    row.key = rs.integer(QStringLiteral("Chave"));
    row.done = rs.text(QStringLiteral("Efetuado")) == QLatin1String("S");
    row.date = rs.date(QStringLiteral("Data"));
    row.dateText = shownDate(row.date);
    row.description = rs.text(QStringLiteral("Descricao"));
    row.descriptionText = QStringLiteral("  ") + row.description;
    row.received = rs.number(QStringLiteral("Recebido"));
    row.paid = rs.number(QStringLiteral("Pago"));
    row.receivedText = amountText(row.received, amounts);
    row.paidText = amountText(row.paid, amounts);
    // A receipt is blue whatever its sign; an entry without an amount is red.
    row.colour = row.received != 0.0 ? kReceiptColour : kPaymentColour;
    return row;
}

} // namespace

const QStringList& monthNames() {
    static const QStringList names{
        QStringLiteral("  Janeiro"), QStringLiteral("  Fevereiro"), QStringLiteral("  Março"),
        QStringLiteral("  Abril"),   QStringLiteral("  Maio"),      QStringLiteral("  Junho"),
        QStringLiteral("  Julho"),   QStringLiteral("  Agosto"),    QStringLiteral("  Setembro"),
        QStringLiteral("  Outubro"), QStringLiteral("  Novembro"),  QStringLiteral("  Dezembro")};
    return names;
}

QVector<GridColumn> ledgerColumns(int gridRows) {
    const int description =
        gridRows > kRowsThatFit ? kDescriptionWidthWithScrollBar : kDescriptionWidth;
    const Qt::Alignment centre = Qt::AlignHCenter;
    const Qt::Alignment left = Qt::AlignLeft;
    const Qt::Alignment right = Qt::AlignRight;
    return {{QString(), 0, centre, centre},
            {QString(), 250, centre, centre},
            {QStringLiteral("Data"), 1100, centre, centre},
            {QStringLiteral(" Descrição"), description, left, left},
            {QStringLiteral("Recebido"), 1050, centre, right},
            {QStringLiteral("Pago"), 1050, centre, right}};
}

LedgerMonth buildLedgerMonth(const LedgerPeriod& period, double startingBalance, RowSet entries,
                             const AmountFormat& amounts) {
    LedgerMonth month;
    month.period = period;
    month.startingBalance = startingBalance;
    month.currentBalance = startingBalance;
    for (; !entries.eof(); entries.moveNext()) {
        LedgerRow row = ledgerRow(entries, amounts);
        if (row.done) {
            month.currentBalance += row.received - row.paid;
        }
        month.rows.push_back(std::move(row));
    }
    month.startingText = amounts.format(month.startingBalance);
    month.currentText = amounts.format(month.currentBalance);
    month.columns = ledgerColumns(static_cast<int>(month.rows.size()) + 1);
    return month;
}

} // namespace orv::finances
