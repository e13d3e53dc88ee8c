#pragma once

#include "finances/Amount.h"
#include "finances/LedgerView.h"
#include "session/AppContext.h"

#include <optional>

namespace orv::finances {

// The finances panel's working values for the session.
struct LedgerState {
    int month = 0; // month on view, 1..12; 0 until the panel first opens in a session
    int year = 0;
    qint64 selectedEntry = 0; // entry in the entry frame; 0 for a new one

    void reset() { *this = LedgerState(); }
    LedgerPeriod period() const { return {month, year}; }
};

inline const QString kNoYear = QStringLiteral("Informe o Ano!");
inline const QString kInvalidYear = QStringLiteral("Informe um Ano Válido!");
inline constexpr int kFirstYear = 1950;
inline constexpr int kLastYear = 2099;

// The month view of the ledger and its balances: which month is on view, the
// starting balance the user types or carries over, and the carry forward of
// the current balance. Looking at a month never writes anything.
class Ledger {
public:
    Ledger(AppContext& ctx, LedgerState& state, AmountFormat amounts = AmountFormat());

    const AmountFormat& amounts() const { return amounts_; }
    const LedgerState& state() const { return state_; }

    // Opening the panel: the first opening of a session shows today's month,
    // later ones the month last shown.
    LedgerMonth open();
    // The month on view, read again.
    LedgerMonth load() const;

    // "Exibir Mês": month 1..12 from the month list and the year as typed.
    // Refused (message shown, nothing changes) for an empty, non-numeric or
    // out-of-range year.
    std::optional<LedgerMonth> showMonth(int month, const QString& yearText);

    // The starting balance box was left: a blank box means 0; a text that is
    // not a number is refused with a message and nothing is written.
    std::optional<LedgerMonth> typeStartingBalance(const QString& typed);

    // The starting balance becomes the previous month's closing balance,
    // counting all of that month's entries, done or planned.
    LedgerMonth carryOver();

    // The current balance becomes the next month's starting balance; the view
    // does not change.
    void carryForward();

    bool onView(const QDate& day) const { return state_.period().contains(day); }

    // The statements of the logged-on user.
    LedgerStore store() const;

private:
    LedgerMonth storeAndLoad(double startingBalance);

    AppContext& ctx_;
    LedgerState& state_;
    AmountFormat amounts_;
};

} // namespace orv::finances
