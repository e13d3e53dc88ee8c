#include "finances/Ledger.h"

#include <QRegularExpression>

namespace orv::finances {

Ledger::Ledger(AppContext& ctx, LedgerState& state, AmountFormat amounts)
    : ctx_(ctx), state_(state), amounts_(amounts) {}

LedgerStore Ledger::store() const {
    return LedgerStore(ctx_.db, ctx_.session.userCode);
}

LedgerMonth Ledger::open() {
    if (state_.month == 0) {
        const LedgerPeriod today = LedgerPeriod::of(ctx_.clock.today());
        state_.month = today.month;
        state_.year = today.year;
    }
    return load();
}

LedgerMonth Ledger::load() const {
    const LedgerPeriod period = state_.period();
    const LedgerStore s = store();
    return buildLedgerMonth(period, s.startingBalance(period), s.entries(period), amounts_);
}

std::optional<LedgerMonth> Ledger::showMonth(int month, const QString& yearText) {
    const QString text = yearText.trimmed();
    if (text.isEmpty()) {
        ctx_.messages.okay(kNoYear, msg::Serious);
        return std::nullopt;
    }
    static const QRegularExpression digits(QStringLiteral("^\\d{1,9}$"));
    const int year = digits.match(text).hasMatch() ? text.toInt() : 0;
    if (year < kFirstYear || year > kLastYear) {
        ctx_.messages.okay(kInvalidYear, msg::Serious);
        return std::nullopt;
    }
    if (month < 1 || month > 12) {
        return std::nullopt; // no month chosen in the list
    }
    state_.month = month;
    state_.year = year;
    return load();
}

std::optional<LedgerMonth> Ledger::typeStartingBalance(const QString& typed) {
    double amount = 0.0;
    if (!typed.trimmed().isEmpty()) {
        const std::optional<double> value = amounts_.parse(typed);
        if (!value) {
            ctx_.messages.okay(kInvalidAmount, msg::Serious);
            return std::nullopt;
        }
        amount = AmountFormat::cents(*value);
    }
    // Passing through the box without changing it writes nothing.
    if (amount == AmountFormat::cents(store().startingBalance(state_.period()))) {
        return load();
    }
    return storeAndLoad(amount);
}

LedgerMonth Ledger::carryOver() {
    const LedgerPeriod previous = state_.period().previous();
    const LedgerStore s = store();
    return storeAndLoad(AmountFormat::cents(s.startingBalance(previous) + s.movement(previous)));
}

void Ledger::carryForward() {
    store().storeStartingBalance(state_.period().next(),
                                 AmountFormat::cents(load().currentBalance));
}

LedgerMonth Ledger::storeAndLoad(double startingBalance) {
    store().storeStartingBalance(state_.period(), startingBalance);
    return load();
}

} // namespace orv::finances
