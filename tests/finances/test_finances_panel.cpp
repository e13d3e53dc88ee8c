#include "support/PanelTest.h"

#include "finances/ui/FinancesPanel.h"
#include "mainwindow/ui/Grid.h"
#include "mainwindow/ui/MainWindow.h"

#include <QCalendarWidget>
#include <QFocusEvent>
#include <QGroupBox>
#include <QRadioButton>

using namespace orv;
using namespace orv::finances;

namespace {

struct FinancesPanelTest : test::PanelTest<FinancesPanel> {
    void SetUp() override { openOn(panel::Financas, QDateTime(QDate(2026, 3, 15), QTime(9, 0))); }
    // The box is left for another control, as a Tab or a click would.
    static void leave(QWidget* box) {
        QFocusEvent out(QEvent::FocusOut, Qt::TabFocusReason);
        QApplication::sendEvent(box, &out);
    }
    static void retype(QLineEdit* box, const QString& text) {
        box->clear();
        QTest::keyClicks(box, text);
        leave(box);
    }
    double balance(int year, int month) {
        return test::storedBalance(app.ctx.db, ana, year, month);
    }
    void show(int month, const QString& year) {
        p->cmbFinancasMes->setCurrentIndex(month - 1);
        p->txtFinancasAno->setText(year);
        p->cmdFinancasExibirMes->click();
    }
    bool entryOpen() const { return p->frmFinancasDados->isVisibleTo(p); }
};

TEST_F(FinancesPanelTest, EntrySavedBalanceCarriedForwardAndShownInTheNextMonth) {
    // First opening: today's month, empty.
    EXPECT_EQ(p->cmbFinancasMes->currentText(), "  Março");
    EXPECT_EQ(p->txtFinancasAno->text(), "2026");
    EXPECT_EQ(p->txtFinancasSaldoInicial->text(), "0,00");
    EXPECT_TRUE(p->txtFinancasSemRegistro->isVisibleTo(p));
    EXPECT_EQ(p->grdFinancas->rows(), 1);

    // A new entry: today's day of the month on view, done, a receipt of 0,00.
    p->cmdFinancasNovo->click();
    ASSERT_TRUE(entryOpen());
    EXPECT_FALSE(p->frmFinancasGrade->isEnabled());
    EXPECT_TRUE(p->cmdFinancasExcluir->isHidden());
    EXPECT_TRUE(window.imgImpressora->isHidden());
    EXPECT_EQ(p->txtFinancasData->text(), "15/03/2026");
    EXPECT_TRUE(p->chkFinancaRealizada->isChecked());
    EXPECT_TRUE(p->optFinancasReceita->isChecked());
    EXPECT_EQ(p->txtFinancasValor->text(), "0,00");

    QTest::keyClicks(p->txtFinancasDescricao, "Venda do sofa");
    p->cmdFinancasSalvar->click();
    EXPECT_EQ(app.messages.last(), kNoAmount);
    EXPECT_TRUE(entryOpen());
    retype(p->txtFinancasValor, "3500,5");
    EXPECT_EQ(p->txtFinancasValor->text(), "3500,50") << "the decimal comma is never dropped";
    retype(p->txtFinancasValor, "12.5");
    EXPECT_EQ(p->txtFinancasValor->text(), "12,50");
    p->cmdFinancasSalvar->click();
    EXPECT_FALSE(entryOpen());
    EXPECT_TRUE(p->frmFinancasGrade->isEnabled());
    EXPECT_FALSE(window.imgImpressora->isHidden());

    Grid& g = *p->grdFinancas;
    ASSERT_EQ(g.rows(), 2);
    EXPECT_EQ(test::gridRow(g, 1, {2, 3, 4, 5}), "15/03/2026|  Venda do sofa|12,50|");
    EXPECT_EQ(g.pictureName(1, 1), "imgExecutado");
    EXPECT_EQ(g.textColour(1, 4), QColor(0, 0, 255));
    EXPECT_EQ(g.alignment(1, 4), Qt::AlignRight);
    EXPECT_FALSE(p->txtFinancasSemRegistro->isVisibleTo(p));
    EXPECT_EQ(p->txtFinancasSaldoAtual->text(), "12,50");

    // The starting balance typed, then carried forward to April.
    retype(p->txtFinancasSaldoInicial, "100.1");
    EXPECT_EQ(p->txtFinancasSaldoInicial->text(), "100,10");
    EXPECT_EQ(p->txtFinancasSaldoAtual->text(), "112,60");
    EXPECT_DOUBLE_EQ(balance(2026, 3), 100.1);
    p->cmdSaldoProximo->click();
    EXPECT_DOUBLE_EQ(balance(2026, 4), 112.6);
    show(4, "2026");
    EXPECT_EQ(p->txtFinancasSaldoInicial->text(), "112,60");
    EXPECT_EQ(p->grdFinancas->rows(), 1);

    // The month chosen stays for the next opening of the panel.
    open();
    EXPECT_EQ(p->cmbFinancasMes->currentText(), "  Abril");
    EXPECT_EQ(p->txtFinancasSaldoInicial->text(), "112,60");
}

TEST_F(FinancesPanelTest, RowEditedIntoAPaymentMovedAwayAndDeleted) {
    LedgerStore(app.ctx.db, ana).insertEntry({QDate(2026, 3, 2), "  Conta", true, 40, false});
    show(3, "2026");
    Grid& g = *p->grdFinancas;
    ASSERT_EQ(g.rows(), 2);
    EXPECT_EQ(p->txtFinancasSaldoAtual->text(), "0,00"); // planned

    g.clickRow(1);
    ASSERT_TRUE(entryOpen());
    EXPECT_FALSE(p->cmdFinancasExcluir->isHidden());
    EXPECT_FALSE(p->chkFinancaRealizada->isChecked());
    EXPECT_EQ(p->txtFinancasDescricao->toPlainText(), "Conta");
    EXPECT_EQ(p->txtFinancasValor->text(), "40,00");
    p->optFinancasDespesa->click();
    p->chkFinancaRealizada->click();
    p->cmdFinancasSalvar->click();
    EXPECT_EQ(test::gridRow(g, 1, {4, 5}), "|40,00");
    EXPECT_EQ(g.textColour(1, 5), QColor(255, 0, 0));
    EXPECT_EQ(p->txtFinancasSaldoAtual->text(), "-40,00");

    // Carry over from February (nothing there) gives 0.
    p->cmdSaldoAnterior->click();
    EXPECT_EQ(p->txtFinancasSaldoInicial->text(), "0,00");
    EXPECT_DOUBLE_EQ(balance(2026, 3), 0.0);

    // Moved to May with the calendar: saved, still listed until the month is shown again.
    g.clickRow(1);
    p->cmdFinancasCalendario->click();
    EXPECT_TRUE(p->calFinancas->isVisibleTo(p));
    EXPECT_EQ(p->calFinancas->selectedDate(), QDate(2026, 3, 2));
    Q_EMIT p->calFinancas->clicked(QDate(2026, 5, 9));
    EXPECT_FALSE(p->calFinancas->isVisibleTo(p));
    EXPECT_EQ(p->txtFinancasData->text(), "09/05/2026");
    p->cmdFinancasSalvar->click();
    EXPECT_FALSE(entryOpen());
    EXPECT_EQ(g.rows(), 2);
    EXPECT_EQ(g.text(1, 2), "02/03/2026");
    show(3, "2026");
    EXPECT_EQ(g.rows(), 1);
    show(5, "2026");
    ASSERT_EQ(g.rows(), 2);

    // Delete: cancelled, then confirmed.
    g.clickRow(1);
    p->cmdFinancasExcluir->click();
    EXPECT_EQ(app.messages.last(), kConfirmDelete);
    EXPECT_TRUE(entryOpen());
    app.messages.answer(true);
    p->cmdFinancasExcluir->click();
    EXPECT_FALSE(entryOpen());
    EXPECT_EQ(g.rows(), 1);
    EXPECT_TRUE(p->txtFinancasSemRegistro->isVisibleTo(p));
    EXPECT_EQ(app.count("Financas"), 0);

    // Back closes without writing.
    p->cmdFinancasNovo->click();
    QTest::keyClicks(p->txtFinancasDescricao, "Nada");
    p->cmdFinancasVoltar->click();
    EXPECT_FALSE(entryOpen());
    EXPECT_EQ(app.count("Financas"), 0);
}

// Bad years are refused by the logic (LedgerLogic.YearMustBeAWholeNumberFrom1950To2099)
// before anything reaches the panel.
TEST_F(FinancesPanelTest, BadAmountsChangeNothingAndTheSessionEndForgetsTheMonth) {
    const QByteArray before = test::fileBytes(app.ctx.db.dataPath());
    // Typing keeps to the numeric filter; a text that is no number is refused.
    p->txtFinancasSaldoInicial->clear();
    QTest::keyClicks(p->txtFinancasSaldoInicial, "1a-2");
    EXPECT_EQ(p->txtFinancasSaldoInicial->text(), "1-2");
    leave(p->txtFinancasSaldoInicial);
    EXPECT_EQ(app.messages.last(), kInvalidAmount);
    EXPECT_EQ(p->txtFinancasSaldoInicial->text(), "0,00");
    EXPECT_EQ(test::fileBytes(app.ctx.db.dataPath()), before);

    // Typing stops at 11 characters, but a larger stored balance is shown whole
    // and stays as it is when the box is left.
    retype(p->txtFinancasSaldoInicial, "123456789012345");
    EXPECT_EQ(p->txtFinancasSaldoInicial->text(), "12345678901,00");
    app.ctx.db.executeSql("Update Saldos set M3 = ?", {123456789012.5});
    show(3, "2026");
    EXPECT_EQ(p->txtFinancasSaldoInicial->text(), "123456789012,50");
    leave(p->txtFinancasSaldoInicial);
    EXPECT_DOUBLE_EQ(balance(2026, 3), 123456789012.5);

    p->cmdFinancasNovo->click();
    app.ctx.resets.runAll();
    EXPECT_FALSE(entryOpen());
    EXPECT_TRUE(p->frmFinancasGrade->isEnabled());
    app.clock.set(QDateTime(QDate(2027, 8, 1), QTime(9, 0)));
    app.logOn(app.addUser("BETO"));
    open();
    EXPECT_EQ(p->cmbFinancasMes->currentText(), "  Agosto");
    EXPECT_EQ(p->txtFinancasAno->text(), "2027");
}

} // namespace
