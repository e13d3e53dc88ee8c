#pragma once

#include "finances/Ledger.h"

namespace orv::finances {

inline const QString kNoDescription = QStringLiteral("Informe uma Descrição para o Lançamento!");
inline const QString kNoAmount = QStringLiteral("Informe um Valor para o Lançamento!");
inline const QString kConfirmDelete = QStringLiteral("Você Confirma Exclusão desse Lançamento?");

// What the entry frame shows and hands back to be saved.
struct EntryForm {
    QDate date;
    QString description;
    bool receipt = true;    // optFinancasReceita, else optFinancasDespesa
    QString amountText;     // txtFinancasValor
    bool done = true;       // chkFinancaRealizada
    bool canDelete = false; // cmdFinancasExcluir shown
};

// The box a refused save sends the focus to.
enum class EntryField { None, Description, Amount };

struct EntrySaved {
    EntryField refused = EntryField::None;
    // The month on view read again, when the save may have changed it.
    std::optional<LedgerMonth> reloaded;

    bool saved() const { return refused == EntryField::None; }
};

// One ledger entry at a time: a new one, or one picked from the month view.
class LedgerEntries {
public:
    LedgerEntries(AppContext& ctx, LedgerState& state, const Ledger& ledger)
        : ctx_(ctx), state_(state), ledger_(ledger) {}

    // A new entry: today's day in the month on view (the month's last day when
    // that month is shorter), done, a receipt of 0,00.
    EntryForm newEntry();
    // The entry of a row of the month view.
    EntryForm open(const LedgerRow& row);

    // Checks the description and the amount (blank or 0 refused, negative
    // accepted), then inserts a new entry (description as typed) or updates the
    // open one (description trimmed).
    EntrySaved save(const EntryForm& form);

    // Asks first; nothing when the user cancels, else the month on view again.
    std::optional<LedgerMonth> removeOpen();

private:
    EntryField refuse(const QString& text, EntryField field);
    EntryField check(const EntryForm& form, double& amount);

    AppContext& ctx_;
    LedgerState& state_;
    const Ledger& ledger_;
};

} // namespace orv::finances
