#include "support/TestSupport.h"

#include "finances/LedgerEntries.h"

using namespace orv;
using namespace orv::finances;

namespace {

struct LedgerLogic : ::testing::Test {
    test::TestApp app;
    qint64 ana = 0;
    LedgerState state;
    Ledger ledger{app.ctx, state};
    LedgerEntries entries{app.ctx, state, ledger};

    void SetUp() override {
        ana = app.addUser("ANA");
        app.logOn(ana);
        app.clock.set(QDateTime(QDate(2026, 3, 15), QTime(9, 0)));
    }

    // An entry written as the entry frame writes it.
    qint64 add(const QDate& day, const QString& text, bool receipt, double amount, bool done) {
        return ledger.store().insertEntry({day, text, receipt, amount, done});
    }
    // The entry's date, description, amounts and done flag, as stored.
    QString stored(qint64 key) {
        return test::fields(app.ctx.db.runQuery("Select * from Financas Where Chave = ?", {key}),
                            "Data Descricao Recebido Pago Efetuado");
    }
    double balance(int year, int month) {
        return test::storedBalance(app.ctx.db, ana, year, month);
    }
    std::optional<LedgerMonth> show(int month, const QString& year) {
        return ledger.showMonth(month, year);
    }
};

TEST(AmountFormat, FormatsAndReadsAmountsOfTheCommaLocale) {
    const AmountFormat amounts; // the tests pin pt_BR
    EXPECT_EQ(amounts.separator(), QChar(','));
    EXPECT_EQ(amounts.format(12.5), "12,50");
    EXPECT_EQ(amounts.format(1234567.891), "1234567,89");
    EXPECT_EQ(amounts.format(-3), "-3,00");
    EXPECT_EQ(amounts.format(-0.001), "0,00");
    EXPECT_EQ(amounts.format(0.005), "0,01");
    EXPECT_EQ(amounts.retype("25.5"), "25,50");
    EXPECT_EQ(amounts.retype("25,50"), "25,50");
    EXPECT_EQ(amounts.retype(" .5 "), "0,50");
    EXPECT_EQ(amounts.retype("-7."), "-7,00");
    EXPECT_EQ(*amounts.parse("12,50"), 12.5);

    for (const char* bad : {"", "  ", "-", "1-2", "..", "1.2.3", "--1", "1e5", "abc", "."}) {
        EXPECT_FALSE(amounts.parse(bad).has_value()) << bad;
        EXPECT_EQ(amounts.retype(bad), QString(bad)) << bad;
    }
    const AmountFormat dot(QChar('.'));
    EXPECT_EQ(dot.format(12.5), "12.50");
    EXPECT_EQ(*dot.parse("12.5"), 12.5);
}

TEST_F(LedgerLogic, MonthBalancesCountDoneEntriesAndLookingWritesNothing) {
    const QDate day(2026, 3, 10);
    const qint64 salary = add(day, "Salário", true, 1000, true);
    add(day.addDays(5), "Aluguel", false, 400.25, true);
    add(day.addDays(1), "Luz", false, 99.9, false); // planned: not in the balance
    add(day.addDays(2), "Bônus", true, 50, false);  // planned
    add(QDate(2026, 4, 1), "Abril", true, 7, true); // other month
    app.ctx.db.executeSql("Insert into Financas(Usuario,Data,Descricao,Efetuado) values (?,?,?,?)",
                          {ana, day.addDays(3), "Sem valor", "S"});
    const qint64 beto = app.addUser("BETO");
    LedgerStore(app.ctx.db, beto).insertEntry({day, "Do Beto", true, 1, true});

    const LedgerMonth month = ledger.open();
    EXPECT_EQ(month.period, (LedgerPeriod{3, 2026}));
    EXPECT_EQ(month.startingText, "0,00");
    EXPECT_EQ(month.currentText, "599,75");
    EXPECT_FALSE(month.noEntries());
    ASSERT_EQ(month.rows.size(), 5);

    // A done receipt's row is read on screen by FinancesPanelTest.
    EXPECT_EQ(month.rows[0].key, salary);

    const LedgerRow& light = month.rows[1];
    EXPECT_FALSE(light.done);
    EXPECT_EQ(light.paidText, "99,90");
    EXPECT_EQ(light.colour, kPaymentColour);

    const LedgerRow& empty = month.rows[3];
    EXPECT_EQ(empty.descriptionText, "  Sem valor");
    EXPECT_EQ(empty.receivedText, "");
    EXPECT_EQ(empty.paidText, "");
    EXPECT_EQ(empty.colour, kPaymentColour);

    // A starting balance stored for the month counts in the current balance.
    app.ctx.db.executeSql("Insert into Saldos(Usuario,Ano,M3) values (?,?,?)", {ana, 2026, 100.5});
    EXPECT_EQ(ledger.load().currentText, "700,25");
    EXPECT_EQ(ledger.load().startingText, "100,50");
    // The other months of that row read 0, and an empty month says so.
    const LedgerMonth february = *show(2, "2026");
    EXPECT_EQ(february.startingText, "0,00");
    EXPECT_TRUE(february.noEntries());

    // Months without a row were only looked at: no row was made for them.
    show(6, "2031");
    show(1, "1950");
    EXPECT_EQ(app.count("Saldos"), 1);
}

TEST_F(LedgerLogic, YearMustBeAWholeNumberFrom1950To2099) {
    ledger.open();
    for (const char* bad : {"", "   "}) {
        EXPECT_FALSE(show(4, bad));
        EXPECT_EQ(app.messages.last(), kNoYear);
    }
    for (const char* bad : {"1949", "2100", "-", "-1", "20.5", "1-2", "..", "0"}) {
        app.messages.clear();
        EXPECT_FALSE(show(4, bad)) << bad;
        ASSERT_EQ(app.messages.shown().size(), 1u) << bad;
        EXPECT_EQ(app.messages.last(), kInvalidYear);
        EXPECT_EQ(app.messages.shown()[0].icon, msg::Serious);
    }
    EXPECT_EQ(state.period(), (LedgerPeriod{3, 2026})); // nothing changed
    EXPECT_EQ(show(12, " 1950 ")->period, (LedgerPeriod{12, 1950}));
    EXPECT_EQ(show(1, "2099")->period, (LedgerPeriod{1, 2099}));
}

TEST_F(LedgerLogic, TypedStartingBalanceIsStoredWithAPointAndBadTextWritesNothing) {
    ledger.open();
    const std::optional<LedgerMonth> typed = ledger.typeStartingBalance("12.5");
    ASSERT_TRUE(typed);
    EXPECT_EQ(typed->startingText, "12,50");
    EXPECT_EQ(typed->currentText, "12,50");
    EXPECT_DOUBLE_EQ(balance(2026, 3), 12.5);
    EXPECT_DOUBLE_EQ(balance(2026, 4), 0.0); // other months of the new row

    // The box as shown ("12,50") left again: nothing to write.
    const QByteArray before = test::fileBytes(app.ctx.db.dataPath());
    EXPECT_EQ(ledger.typeStartingBalance("12,50")->startingText, "12,50");
    EXPECT_EQ(test::fileBytes(app.ctx.db.dataPath()), before);

    for (const char* bad : {"-", "1-2", "..", "1.2.3"}) {
        app.messages.clear();
        EXPECT_FALSE(ledger.typeStartingBalance(bad)) << bad;
        EXPECT_EQ(app.messages.last(), kInvalidAmount);
    }
    EXPECT_EQ(test::fileBytes(app.ctx.db.dataPath()), before);

    // An emptied box means 0.
    EXPECT_EQ(ledger.typeStartingBalance("  ")->startingText, "0,00");
    EXPECT_DOUBLE_EQ(balance(2026, 3), 0.0);
    EXPECT_EQ(ledger.typeStartingBalance("-80.129")->startingText, "-80,13");
    EXPECT_DOUBLE_EQ(balance(2026, 3), -80.13);
    EXPECT_EQ(app.count("Saldos"), 1);
}

TEST_F(LedgerLogic, CarryOverCountsEveryEntryAndCrossesTheYear) {
    app.ctx.db.executeSql("Insert into Saldos(Usuario,Ano,M12) values (?,?,?)", {ana, 2025, 50.0});
    add(QDate(2025, 12, 5), "Planejado", true, 100, false);
    add(QDate(2025, 12, 31), "Pago", false, 30.1, true);
    add(QDate(2026, 1, 1), "Janeiro", false, 10, true);
    app.clock.set(QDateTime(QDate(2026, 1, 20), QTime(8, 0)));
    ledger.open();

    const LedgerMonth january = ledger.carryOver();
    EXPECT_EQ(january.startingText, "119,90");
    EXPECT_EQ(january.currentText, "109,90");
    EXPECT_DOUBLE_EQ(balance(2026, 1), 119.9);

    // Without a previous row or entries, the carried balance is 0.
    show(7, "1990");
    EXPECT_EQ(ledger.carryOver().startingText, "0,00");
}

TEST_F(LedgerLogic, CarryForwardWritesTheNextMonthAndLeavesTheView) {
    app.clock.set(QDateTime(QDate(2026, 12, 2), QTime(8, 0)));
    ledger.open();
    ledger.typeStartingBalance("200");
    add(QDate(2026, 12, 24), "Presentes", false, 150.5, true);
    add(QDate(2026, 12, 25), "Planejado", false, 1000, false);
    ledger.carryForward();
    EXPECT_EQ(state.period(), (LedgerPeriod{12, 2026}));
    EXPECT_DOUBLE_EQ(balance(2027, 1), 49.5);
    EXPECT_DOUBLE_EQ(balance(2027, 2), 0.0);

    // A second carry forward updates the row that now exists.
    add(QDate(2026, 12, 26), "Troco", true, 0.5, true);
    ledger.carryForward();
    EXPECT_DOUBLE_EQ(balance(2027, 1), 50.0);
    EXPECT_EQ(app.count("Saldos"), 2);
    EXPECT_EQ(show(1, "2027")->startingText, "50,00");
}

TEST_F(LedgerLogic, NewEntryProposesTodaysDayInTheMonthOnView) {
    app.clock.set(QDateTime(QDate(2026, 3, 31), QTime(8, 0)));
    ledger.open();
    EntryForm form = entries.newEntry();
    EXPECT_EQ(form.date, QDate(2026, 3, 31));
    for (const QDate last : {QDate(2026, 4, 30), QDate(2028, 2, 29), QDate(2027, 2, 28)}) {
        show(last.month(), QString::number(last.year()));
        EXPECT_EQ(entries.newEntry().date, last);
    }

    // Saved unchanged, it is refused for the amount; then for the description.
    form.description = "Salário";
    EXPECT_EQ(entries.save(form).refused, EntryField::Amount);
    EXPECT_EQ(app.messages.last(), kNoAmount);
    form.amountText = "";
    EXPECT_EQ(entries.save(form).refused, EntryField::Amount);
    form.amountText = "-";
    EXPECT_EQ(entries.save(form).refused, EntryField::Amount);
    EXPECT_EQ(app.messages.last(), kInvalidAmount);
    form.amountText = "10";
    form.description = " \n ";
    EXPECT_EQ(entries.save(form).refused, EntryField::Description);
    EXPECT_EQ(app.messages.last(), kNoDescription);
    EXPECT_EQ(app.count("Financas"), 0);
}

TEST_F(LedgerLogic, SavingEntriesInsertsUpdatesAndReloadsOnlyTheMonthOnView) {
    ledger.open();
    EntryForm form = entries.newEntry();
    form.description = "  Venda de livros";
    form.amountText = "25,50";
    form.done = false;
    EntrySaved saved = entries.save(form);
    ASSERT_TRUE(saved.saved());
    ASSERT_TRUE(saved.reloaded);
    ASSERT_EQ(saved.reloaded->rows.size(), 1);
    const LedgerRow row = saved.reloaded->rows[0];
    EXPECT_EQ(saved.reloaded->currentText, "0,00"); // planned
    const qint64 key = row.key;
    EXPECT_EQ(stored(key), "2026-03-15|  Venda de livros|25.5|null|N"); // kept on insert

    // Opened from its row and turned into a done payment.
    form = entries.open(row);
    EXPECT_TRUE(form.canDelete);
    EXPECT_TRUE(form.receipt);
    EXPECT_EQ(form.amountText, "25,50");
    EXPECT_EQ(form.description, "Venda de livros");
    form.description = "  Compra de livros  ";
    form.receipt = false;
    form.done = true;
    saved = entries.save(form);
    ASSERT_TRUE(saved.reloaded);
    EXPECT_EQ(saved.reloaded->currentText, "-25,50");
    EXPECT_EQ(stored(key), "2026-03-15|Compra de livros|null|25.5|S"); // trimmed on update
    form = entries.open(saved.reloaded->rows[0]);
    EXPECT_FALSE(form.receipt);
    EXPECT_EQ(form.amountText, "25,50");

    // Moved to April: saved, but the month on view is not read again.
    form.date = QDate(2026, 4, 2);
    form.amountText = "-3.5"; // negative amounts are accepted
    saved = entries.save(form);
    EXPECT_TRUE(saved.saved());
    EXPECT_FALSE(saved.reloaded);
    EXPECT_EQ(stored(key), "2026-04-02|Compra de livros|null|-3.5|S");
    EXPECT_TRUE(ledger.load().noEntries());
    const LedgerMonth april = *show(4, "2026");
    EXPECT_EQ(april.rows[0].paidText, "-3,50");
    EXPECT_EQ(april.currentText, "3,50");

    // Apostrophes and the like are stored as typed.
    form = entries.newEntry();
    form.description = "D'Ávila'; Delete from Financas; --";
    form.amountText = "1";
    ASSERT_TRUE(entries.save(form).saved());
    EXPECT_EQ(ledger.load().rows.size(), 2);
    EXPECT_EQ(ledger.load().rows[1].description, form.description);
}

TEST_F(LedgerLogic, DeleteTouchesOnlyTheUsersEntry) {
    const qint64 beto = app.addUser("BETO");
    const qint64 foreign =
        LedgerStore(app.ctx.db, beto).insertEntry({QDate(2026, 3, 1), "B", true, 1, true});
    add(QDate(2026, 3, 2), "A", true, 1, true);
    ledger.open();

    entries.open(ledger.load().rows[0]);
    app.messages.answer(true);
    ASSERT_TRUE(entries.removeOpen());
    EXPECT_EQ(app.count("Financas"), 1) << "the only entry on view was the user's own";

    // Another user's key cannot be deleted through the open entry.
    state.selectedEntry = foreign;
    app.messages.answer(true);
    entries.removeOpen();
    EXPECT_EQ(app.count("Financas"), 1);
}

} // namespace
