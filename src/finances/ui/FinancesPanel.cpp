#include "finances/ui/FinancesPanel.h"
#include "mainwindow/ui/AccessibleNames.h"
#include "printing/ui/PrintReport.h"

#include "mainwindow/ui/Fonts.h"
#include "mainwindow/ui/Grid.h"
#include "mainwindow/ui/PanelControls.h"
#include "mainwindow/ui/Twips.h"
#include "mainwindow/ui/WaitCursor.h"
#include "session/ui/BoxLimit.h"

#include <QCalendarWidget>
#include <QCheckBox>
#include <QComboBox>
#include <QFocusEvent>
#include <QGroupBox>
#include <QHeaderView>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <algorithm>

namespace orv::finances {
namespace {

constexpr int kRowHeight = 285; // twips: 14 grid rows fit the grid's height

QRadioButton* option(QWidget* parent, const QString& name, const QString& text,
                     const QRect& twipsRect) {
    auto* button = new QRadioButton(text, parent);
    button->setObjectName(name);
    button->setGeometry(
        rectTwips(twipsRect.x(), twipsRect.y(), twipsRect.width(), twipsRect.height()));
    nameByCaption(button);
    return button;
}

// The amount boxes take 11 (or 15) typed characters, but an amount written
// into them is never cut: a cut amount would be stored at the next save.
void showAmount(QLineEdit* box, const QString& text) {
    static const char* const kDesignLength = "designLength";
    if (!box->property(kDesignLength).isValid()) {
        box->setProperty(kDesignLength, lengthLimit(box));
    }
    limitLength(box, std::max(box->property(kDesignLength).toInt(), int(text.size())));
    box->setText(text);
}

// The box was left for another control of the program, not for another window.
bool leftForAnotherControl(QEvent* event) {
    if (event->type() != QEvent::FocusOut) {
        return false;
    }
    const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
    return reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason;
}

// Columns 2 to 5 in the entry's colour, the done picture.
GridRow gridRow(const LedgerRow& row) {
    static const QVector<GridColumn> columns = ledgerColumns(1);
    return markedRow(columns,
                     {QString::number(row.key), QString(), row.dateText, row.descriptionText,
                      row.receivedText, row.paidText},
                     row.done, 2, row.colour, RowColour::Text);
}

} // namespace

FinancesPanel::FinancesPanel(AppContext& ctx, QWidget* parent)
    : Panel(QStringLiteral("frmFinancas"), parent), ctx_(ctx), ledger_(ctx, state_),
      entries_(ctx, state_, ledger_) {
    setFont(arial(8));
    buildMonthView();
    buildEntryFrame();
    setKeys({cmdFinancasNovo,
             {},
             frmFinancasDados,
             cmdFinancasSalvar,
             cmdFinancasVoltar,
             cmdFinancasExcluir},
            grdFinancas);
    ctx.resets.add(this, [this] { reset(); });
}

void FinancesPanel::buildMonthView() {
    frmFinancasGrade = new QFrame(this);
    frmFinancasGrade->setObjectName(QStringLiteral("frmFinancasGrade"));
    frmFinancasGrade->setGeometry(rectTwips(0, 0, 10920, 5670));
    QWidget* f = frmFinancasGrade;

    cmbFinancasMes = new QComboBox(f);
    cmbFinancasMes->setObjectName(QStringLiteral("cmbFinancasMes"));
    cmbFinancasMes->setGeometry(rectTwips(750, 120, 1800, 345));
    for (int m = 0; m < 12; ++m) {
        cmbFinancasMes->addItem(monthNames().at(m), m + 1);
    }
    panelLabel(f, QStringLiteral("Mês :"), QRect(150, 150, 600, 285), cmbFinancasMes);
    txtFinancasAno = panelLineBox(f, QStringLiteral("txtFinancasAno"), QRect(2650, 120, 700, 345),
                                  4, Qt::AlignCenter, KeyMode::Numeric);
    txtFinancasAno->setAccessibleName(QStringLiteral("Ano"));
    cmdFinancasExibirMes = panelButton(f, QStringLiteral("cmdFinancasExibirMes"),
                                       QStringLiteral("&Exibir Mês"), QRect(3450, 100, 1500, 390));
    cmdFinancasNovo = panelButton(f, QStringLiteral("cmdFinancasNovo"),
                                  QStringLiteral("&Novo Lançamento"), QRect(8600, 100, 2100, 390));

    txtFinancasSaldoInicial =
        panelLineBox(f, QStringLiteral("txtFinancasSaldoInicial"), QRect(2250, 600, 1300, 345), 11,
                     Qt::AlignRight | Qt::AlignVCenter, KeyMode::Amount);
    panelLabel(f, QStringLiteral("Saldo Inicial do Mês :"), QRect(150, 630, 2100, 285),
               txtFinancasSaldoInicial);
    cmdSaldoAnterior =
        pictureButton(f, QStringLiteral("cmdSaldoAnterior"), QStringLiteral("saldo_anterior"),
                      QStringLiteral("<"), QStringLiteral("Importar o Saldo Atual do Mês Anterior"),
                      QRect(3600, 600, 420, 345));
    txtFinancasSaldoAtual =
        panelLineBox(f, QStringLiteral("txtFinancasSaldoAtual"), QRect(6150, 600, 1700, 345), 15,
                     Qt::AlignRight | Qt::AlignVCenter, KeyMode::Numeric);
    txtFinancasSaldoAtual->setEnabled(false);
    // Out of reach of typing, yet the balance reads as clearly as any amount.
    QPalette readable = txtFinancasSaldoAtual->palette();
    readable.setColor(QPalette::Disabled, QPalette::Text,
                      readable.color(QPalette::Active, QPalette::Text));
    txtFinancasSaldoAtual->setPalette(readable);
    panelLabel(f, QStringLiteral("Saldo Atual :"), QRect(4800, 630, 1350, 285),
               txtFinancasSaldoAtual);
    cmdSaldoProximo = pictureButton(
        f, QStringLiteral("cmdSaldoProximo"), QStringLiteral("saldo_proximo"), QStringLiteral(">"),
        QStringLiteral("Exportar o Saldo Inicial para o Próximo Mês"), QRect(7900, 600, 420, 345));

    grdFinancas = new Grid(6, f);
    grdFinancas->setObjectName(QStringLiteral("grdFinancas"));
    grdFinancas->setGeometry(rectTwips(150, 1100, 5680, 14 * kRowHeight + 90));
    grdFinancas->verticalHeader()->setDefaultSectionSize(px(kRowHeight));
    grdFinancas->horizontalHeader()->setFixedHeight(px(kRowHeight));
    grdFinancas->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    txtFinancasSemRegistro = emptyGridNotice(f, QStringLiteral("txtFinancasSemRegistro"),
                                             kNoEntries, QRect(450, 2400, 5080, 345));

    ActionGuard& guard = ctx_.guard;
    connect(cmdFinancasExibirMes, &QPushButton::clicked, this,
            guarded(guard, this, &FinancesPanel::exibirMes));
    connect(cmdSaldoAnterior, &QPushButton::clicked, this,
            guarded(guard, this, &FinancesPanel::carryOver));
    connect(cmdSaldoProximo, &QPushButton::clicked, this,
            guarded(guard, this, &FinancesPanel::carryForward));
    connect(cmdFinancasNovo, &QPushButton::clicked, this,
            guarded(guard, this, &FinancesPanel::newEntry));
    connect(grdFinancas, &Grid::rowClicked, this, guarded(guard, this, &FinancesPanel::rowClicked));
    txtFinancasSaldoInicial->installEventFilter(this);
}

void FinancesPanel::buildEntryFrame() {
    frmFinancasDados = new QGroupBox(QStringLiteral("   Dados do Lançamento   "), this);
    frmFinancasDados->setObjectName(QStringLiteral("frmFinancasDados"));
    frmFinancasDados->setAutoFillBackground(true);
    frmFinancasDados->setGeometry(rectTwips(1350, 1000, 8200, 4500));
    QWidget* f = frmFinancasDados;

    txtFinancasData = panelLineBox(f, QStringLiteral("txtFinancasData"), QRect(900, 360, 1350, 345),
                                   10, Qt::AlignCenter, KeyMode::Date);
    txtFinancasData->setEnabled(false);
    panelLabel(f, QStringLiteral("Data :"), QRect(150, 390, 750, 285), txtFinancasData);
    cmdFinancasCalendario = pictureButton(
        f, QStringLiteral("cmdFinancasCalendario"), QStringLiteral("calendario"),
        QStringLiteral("..."), QStringLiteral("Exibir Calendário"), QRect(2300, 360, 420, 345));
    txtFinancasDescricao =
        panelTextArea(f, QStringLiteral("txtFinancasDescricao"), QRect(150, 1100, 7900, 1150), 255);
    applyKeyMode(txtFinancasDescricao, KeyMode::MultilineText);
    panelLabel(f, QStringLiteral("Descrição da Receita ou Despesa :"), QRect(150, 820, 4500, 285),
               txtFinancasDescricao);
    optFinancasReceita = option(f, QStringLiteral("optFinancasReceita"), QStringLiteral("Recebido"),
                                QRect(150, 2450, 1500, 330));
    optFinancasDespesa = option(f, QStringLiteral("optFinancasDespesa"), QStringLiteral("Pago"),
                                QRect(1700, 2450, 1100, 330));
    txtFinancasValor =
        panelLineBox(f, QStringLiteral("txtFinancasValor"), QRect(3750, 2430, 1500, 345), 11,
                     Qt::AlignRight | Qt::AlignVCenter, KeyMode::Amount);
    panelLabel(f, QStringLiteral("Valor :"), QRect(3000, 2460, 750, 285), txtFinancasValor);
    chkFinancaRealizada = new QCheckBox(QStringLiteral("Lançamento Efetuado"), f);
    chkFinancaRealizada->setObjectName(QStringLiteral("chkFinancaRealizada"));
    chkFinancaRealizada->setGeometry(rectTwips(5500, 2450, 2500, 330));
    nameByCaption(chkFinancaRealizada);
    cmdFinancasExcluir =
        panelButton(f, QStringLiteral("cmdFinancasExcluir"), QStringLiteral("&Excluir Lançamento"),
                    QRect(150, 3700, 2400, 420));
    cmdFinancasVoltar = panelButton(f, QStringLiteral("cmdFinancasVoltar"),
                                    QStringLiteral("&Voltar"), QRect(3300, 3700, 1600, 420));
    cmdFinancasSalvar =
        panelButton(f, QStringLiteral("cmdFinancasSalvar"), QStringLiteral("&Salvar Lançamento"),
                    QRect(5650, 3700, 2400, 420));
    calFinancas = panelCalendar(f, QStringLiteral("calFinancas"));
    frmFinancasDados->hide();

    connect(cmdFinancasCalendario, &QPushButton::clicked, this, [this] {
        showCalendarAt(calFinancas, QDate::fromString(txtFinancasData->text(), u"dd/MM/yyyy"),
                       txtFinancasData->geometry().bottomLeft());
    });
    const auto picked = [this](const QDate& day) {
        calFinancas->hide();
        txtFinancasData->setText(shownDate(day));
        cmdFinancasCalendario->setFocus(Qt::OtherFocusReason);
    };
    connect(calFinancas, &QCalendarWidget::clicked, this, picked);
    connect(calFinancas, &QCalendarWidget::activated, this, picked);
    connect(cmdFinancasSalvar, &QPushButton::clicked, this,
            guarded(ctx_.guard, this, &FinancesPanel::saveEntry));
    connect(cmdFinancasExcluir, &QPushButton::clicked, this,
            guarded(ctx_.guard, this, &FinancesPanel::deleteEntry));
    connect(cmdFinancasVoltar, &QPushButton::clicked, this, [this] {
        closeEntry();
        Q_EMIT restoreFocusWanted();
    });
    txtFinancasValor->installEventFilter(this);
}

bool FinancesPanel::eventFilter(QObject* watched, QEvent* event) {
    if (leftForAnotherControl(event)) {
        if (watched == txtFinancasSaldoInicial && state_.month != 0) {
            ctx_.guard.run([this] { startingBalanceLeft(); });
        } else if (watched == txtFinancasValor) {
            showAmount(txtFinancasValor, ledger_.amounts().retype(txtFinancasValor->text()));
        }
    }
    return Panel::eventFilter(watched, event);
}

void FinancesPanel::load() {
    WaitCursor wait;
    const LedgerMonth month = ledger_.open();
    showPeriodChoice();
    showMonth(month);
    if (frmFinancasDados->isVisibleTo(this)) {
        Q_EMIT printButtonWanted(false);
    }
}

void FinancesPanel::showPeriodChoice() {
    cmbFinancasMes->setCurrentIndex(state_.month - 1);
    txtFinancasAno->setText(QString::number(state_.year));
}

void FinancesPanel::showMonth(const LedgerMonth& month) {
    rows_ = month.rows;
    QVector<GridRow> cells;
    cells.reserve(month.rows.size());
    for (const LedgerRow& row : month.rows) {
        cells.push_back(gridRow(row));
    }
    grdFinancas->setRows(std::move(cells));
    layOutColumns(*grdFinancas, month.columns);
    showAmount(txtFinancasSaldoInicial, month.startingText);
    showAmount(txtFinancasSaldoAtual, month.currentText);
    txtFinancasSemRegistro->setVisible(month.noEntries());
    txtFinancasSemRegistro->setEnabled(!month.noEntries());
}

void FinancesPanel::showItem(qint64 key, const QDate& day, const QString&) {
    closeEntry();
    cmbFinancasMes->setCurrentIndex(day.month() - 1);
    txtFinancasAno->setText(QString::number(day.year()));
    exibirMes();
    if (const int row = grdFinancas->selectKey(key); row > 0) {
        rowClicked(row);
    }
}

void FinancesPanel::exibirMes() {
    Q_EMIT restoreFocusWanted();
    const int month = cmbFinancasMes->currentData().toInt();
    std::optional<LedgerMonth> shown;
    {
        WaitCursor wait;
        shown = ledger_.showMonth(month, txtFinancasAno->text());
    }
    if (!shown) {
        txtFinancasAno->setFocus(Qt::OtherFocusReason);
        return;
    }
    showMonth(*shown);
}

void FinancesPanel::startingBalanceLeft() {
    const std::optional<LedgerMonth> typed =
        ledger_.typeStartingBalance(txtFinancasSaldoInicial->text());
    WaitCursor wait;
    // A refused text gives way to the stored balance again.
    showMonth(typed ? *typed : ledger_.load());
}

void FinancesPanel::carryOver() {
    Q_EMIT restoreFocusWanted();
    WaitCursor wait;
    showMonth(ledger_.carryOver());
}

void FinancesPanel::carryForward() {
    Q_EMIT restoreFocusWanted();
    WaitCursor wait;
    ledger_.carryForward();
}

void FinancesPanel::newEntry() {
    Q_EMIT restoreFocusWanted();
    openEntry(entries_.newEntry());
}

void FinancesPanel::rowClicked(int row) {
    if (row < 1 || row > rows_.size()) {
        return;
    }
    openEntry(entries_.open(rows_.at(row - 1)));
}

void FinancesPanel::openEntry(const EntryForm& form) {
    Q_EMIT printButtonWanted(false);
    chkFinancaRealizada->setChecked(form.done);
    txtFinancasData->setText(shownDate(form.date));
    txtFinancasDescricao->setPlainText(form.description);
    (form.receipt ? optFinancasReceita : optFinancasDespesa)->setChecked(true);
    showAmount(txtFinancasValor, form.amountText);
    calFinancas->hide();
    frmFinancasGrade->setEnabled(false);
    cmdFinancasExcluir->setVisible(form.canDelete);
    frmFinancasDados->show();
    frmFinancasDados->raise();
    txtFinancasDescricao->setFocus(Qt::OtherFocusReason);
}

EntryForm FinancesPanel::typedEntry() const {
    EntryForm form;
    form.date = QDate::fromString(txtFinancasData->text(), u"dd/MM/yyyy");
    form.description = txtFinancasDescricao->toPlainText();
    form.receipt = optFinancasReceita->isChecked();
    form.amountText = txtFinancasValor->text();
    form.done = chkFinancaRealizada->isChecked();
    return form;
}

void FinancesPanel::saveEntry() {
    Q_EMIT restoreFocusWanted();
    const EntrySaved saved = entries_.save(typedEntry());
    if (!saved.saved()) {
        (saved.refused == EntryField::Description ? static_cast<QWidget*>(txtFinancasDescricao)
                                                  : txtFinancasValor)
            ->setFocus(Qt::OtherFocusReason);
        return;
    }
    if (saved.reloaded) {
        showMonth(*saved.reloaded);
    }
    closeEntry();
    Q_EMIT restoreFocusWanted();
}

void FinancesPanel::deleteEntry() {
    Q_EMIT restoreFocusWanted();
    const std::optional<LedgerMonth> after = entries_.removeOpen();
    if (!after) {
        return;
    }
    WaitCursor wait;
    showMonth(*after);
    closeEntry();
}

void FinancesPanel::closeEntry() {
    calFinancas->hide();
    frmFinancasDados->hide();
    frmFinancasGrade->setEnabled(true);
    Q_EMIT printButtonWanted(true);
}

void FinancesPanel::reset() {
    state_.reset();
    rows_.clear();
    grdFinancas->clearRows();
    calFinancas->hide();
    closeAndEmpty(frmFinancasDados);
    for (QLineEdit* box : {txtFinancasAno, txtFinancasSaldoInicial, txtFinancasSaldoAtual}) {
        box->clear();
    }
    frmFinancasGrade->setEnabled(true);
}

void FinancesPanel::print() {
    printLedger(ctx_, state_.month, state_.year);
}

} // namespace orv::finances
