#include "finances/LedgerEntries.h"

#include <algorithm>

namespace orv::finances {

EntryForm LedgerEntries::newEntry() {
    state_.selectedEntry = 0;
    const QDate today = ctx_.clock.today();
    const LedgerPeriod period = state_.month != 0 ? state_.period() : LedgerPeriod::of(today);
    const QDate first = period.firstDay();
    EntryForm form;
    form.date = first.addDays(std::min(today.day(), first.daysInMonth()) - 1);
    form.amountText = ledger_.amounts().format(0.0);
    return form;
}

EntryForm LedgerEntries::open(const LedgerRow& row) {
    state_.selectedEntry = row.key;
    EntryForm form;
    form.date = row.date;
    form.description = row.description.trimmed();
    form.receipt = !row.receivedText.isEmpty();
    form.amountText = form.receipt ? row.receivedText : row.paidText;
    form.done = row.done;
    form.canDelete = true;
    return form;
}

EntryField LedgerEntries::refuse(const QString& text, EntryField field) {
    ctx_.messages.okay(text, msg::Serious);
    return field;
}

EntryField LedgerEntries::check(const EntryForm& form, double& amount) {
    if (form.description.trimmed().isEmpty()) {
        return refuse(kNoDescription, EntryField::Description);
    }
    if (form.amountText.trimmed().isEmpty()) {
        return refuse(kNoAmount, EntryField::Amount);
    }
    const std::optional<double> value = ledger_.amounts().parse(form.amountText);
    if (!value) {
        return refuse(kInvalidAmount, EntryField::Amount);
    }
    amount = AmountFormat::cents(*value);
    if (amount == 0.0) {
        return refuse(kNoAmount, EntryField::Amount);
    }
    return EntryField::None;
}

EntrySaved LedgerEntries::save(const EntryForm& form) {
    EntrySaved result;
    double amount = 0.0;
    result.refused = check(form, amount);
    if (!result.saved()) {
        return result;
    }
    LedgerEntry entry{form.date, form.description, form.receipt, amount, form.done};
    if (state_.selectedEntry != 0) {
        entry.description = entry.description.trimmed();
        ledger_.store().updateEntry(state_.selectedEntry, entry);
    } else {
        ledger_.store().insertEntry(entry);
    }
    // Only a save dated in the month on view reads the month again; an entry
    // moved to another month stays listed until the month is shown again.
    if (ledger_.onView(form.date)) {
        result.reloaded = ledger_.load();
    }
    return result;
}

std::optional<LedgerMonth> LedgerEntries::removeOpen() {
    if (!ctx_.messages.confirm(kConfirmDelete)) {
        return std::nullopt;
    }
    ledger_.store().deleteEntry(state_.selectedEntry);
    return ledger_.load();
}

} // namespace orv::finances
