#pragma once

#include "finances/LedgerEntries.h"
#include "mainwindow/ui/Panel.h"

class QCalendarWidget;
class QCheckBox;
class QComboBox;
class QGroupBox;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;

namespace orv {
class Grid;
}

namespace orv::finances {

// frmFinancas: the month view of the ledger (frmFinancasGrade) and the entry
// frame over it (frmFinancasDados), which disables the month view while open.
class FinancesPanel : public Panel {
    Q_OBJECT
public:
    FinancesPanel(AppContext& ctx, QWidget* parent = nullptr);

    void load() override;
    // The month of the entry, the entry open as a click on its row opens it.
    void showItem(qint64 key, const QDate& day, const QString& text) override;
    // The report of what the panel shows.
    void print() override;

    // Month view
    QFrame* frmFinancasGrade = nullptr;
    QComboBox* cmbFinancasMes = nullptr;
    QLineEdit* txtFinancasAno = nullptr;
    QPushButton* cmdFinancasExibirMes = nullptr;
    QLineEdit* txtFinancasSaldoInicial = nullptr;
    QPushButton* cmdSaldoAnterior = nullptr;
    QLineEdit* txtFinancasSaldoAtual = nullptr;
    QPushButton* cmdSaldoProximo = nullptr;
    QPushButton* cmdFinancasNovo = nullptr;
    Grid* grdFinancas = nullptr;
    QLineEdit* txtFinancasSemRegistro = nullptr;

    // Entry frame
    QGroupBox* frmFinancasDados = nullptr;
    QLineEdit* txtFinancasData = nullptr;
    QPushButton* cmdFinancasCalendario = nullptr;
    QCalendarWidget* calFinancas = nullptr;
    QPlainTextEdit* txtFinancasDescricao = nullptr;
    QRadioButton* optFinancasReceita = nullptr;
    QRadioButton* optFinancasDespesa = nullptr;
    QLineEdit* txtFinancasValor = nullptr;
    QCheckBox* chkFinancaRealizada = nullptr;
    QPushButton* cmdFinancasExcluir = nullptr;
    QPushButton* cmdFinancasVoltar = nullptr;
    QPushButton* cmdFinancasSalvar = nullptr;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildMonthView();
    void buildEntryFrame();
    void showMonth(const LedgerMonth& month);
    void showPeriodChoice();

    void exibirMes();
    void startingBalanceLeft();
    void carryOver();
    void carryForward();

    void newEntry();
    void rowClicked(int row);
    void openEntry(const EntryForm& form);
    EntryForm typedEntry() const;
    void saveEntry();
    void deleteEntry();
    void closeEntry();
    void reset();

    AppContext& ctx_;
    LedgerState state_;
    Ledger ledger_;
    LedgerEntries entries_;
    QVector<LedgerRow> rows_; // the rows on view, as the grid shows them
};

} // namespace orv::finances
