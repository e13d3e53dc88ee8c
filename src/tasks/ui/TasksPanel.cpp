#include "tasks/ui/TasksPanel.h"
#include "mainwindow/ui/AccessibleNames.h"
#include "printing/ui/PrintReport.h"

#include "mainwindow/ui/Fonts.h"
#include "mainwindow/ui/Grid.h"
#include "mainwindow/ui/PanelControls.h"
#include "mainwindow/ui/Twips.h"
#include "mainwindow/ui/WaitCursor.h"

#include <QCalendarWidget>
#include <QCheckBox>
#include <QGroupBox>
#include <QHeaderView>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>

namespace orv::tasks {
namespace {

constexpr int kCalendarLeft[] = {135, 3015}; // twips, under the start and the end date

QRadioButton* option(QWidget* parent, const QString& name, const QString& text, int left) {
    auto* button = new QRadioButton(text, parent);
    button->setObjectName(name);
    button->setGeometry(rectTwips(left, 1290, 1200, 330));
    nameByCaption(button);
    return button;
}

// Columns 1 to 5 in the priority's colour, the done picture, the height of the lines.
GridRow gridRow(const TaskRow& row) {
    static const QVector<GridColumn> columns = taskColumns(0, 0);
    GridRow r = markedRow(columns,
                          {QString::number(row.key), QString(), row.startText, row.priorityText,
                           row.description, row.endText},
                          row.done, 1, row.background, RowColour::Background);
    r.heightTwips = row.height;
    return r;
}

QDate typedDate(const QLineEdit* box) {
    return QDate::fromString(box->text(), u"dd/MM/yyyy");
}

} // namespace

TasksPanel::TasksPanel(AppContext& ctx, QWidget* parent)
    : Panel(QStringLiteral("frmTarefas"), parent), ctx_(ctx), tasks_(ctx, state_) {
    setFont(arial(8));
    buildList();
    buildDetailFrame();
    setKeys(
        {cmdTarefaNova, {}, frmTarefasDados, cmdTarefaSalvar, cmdTarefaVoltar, cmdTarefaExcluir},
        grdTarefas);
    ctx.resets.add(this, [this] { reset(); });
}

void TasksPanel::buildList() {
    grdTarefas = new Grid(6, this);
    grdTarefas->setObjectName(QStringLiteral("grdTarefas"));
    grdTarefas->setGeometry(rectTwips(150, 120, 5680, 4920));
    grdTarefas->verticalHeader()->setDefaultSectionSize(px(kLineHeight));
    grdTarefas->horizontalHeader()->setFixedHeight(px(kLineHeight));
    grdTarefas->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    layOutColumns(*grdTarefas, taskColumns(0, 0));
    txtTarefasSemCadastro = emptyGridNotice(this, QStringLiteral("txtTarefasSemCadastro"), kNoTasks,
                                            QRect(450, 2400, 5080, 345));
    cmdTarefaNova = panelButton(this, QStringLiteral("cmdTarefaNova"),
                                QStringLiteral("&Nova Tarefa"), QRect(150, 5160, 2000, 420));
    connect(cmdTarefaNova, &QPushButton::clicked, this,
            guarded(ctx_.guard, this, &TasksPanel::newTask));
    connect(grdTarefas, &Grid::rowClicked, this,
            guarded(ctx_.guard, this, &TasksPanel::rowClicked));
}

void TasksPanel::buildDetailFrame() {
    frmTarefasDados = new QGroupBox(QStringLiteral("   Dados da Tarefa   "), this);
    frmTarefasDados->setObjectName(QStringLiteral("frmTarefasDados"));
    frmTarefasDados->setAutoFillBackground(true);
    frmTarefasDados->setGeometry(rectTwips(5950, 60, 4900, 5520));
    QWidget* f = frmTarefasDados;

    txtTarefaDataInicio =
        panelLineBox(f, QStringLiteral("txtTarefaDataInicio"), QRect(135, 600, 1350, 345), 10,
                     Qt::AlignCenter, KeyMode::Date);
    panelLabel(f, QStringLiteral("Data Início :"), QRect(135, 330, 1700, 270), txtTarefaDataInicio);
    cmdCalTarefaInicio = pictureButton(
        f, QStringLiteral("cmdCalTarefaInicio"), QStringLiteral("calendario"),
        QStringLiteral("..."), QStringLiteral("Exibir Calendário"), QRect(1530, 600, 420, 345));
    txtTarefaDataFim =
        panelLineBox(f, QStringLiteral("txtTarefaDataFim"), QRect(3015, 600, 1350, 345), 10,
                     Qt::AlignCenter, KeyMode::Date);
    panelLabel(f, QStringLiteral("Data Final :"), QRect(3015, 330, 1700, 270), txtTarefaDataFim);
    cmdCalTarefaFim = pictureButton(
        f, QStringLiteral("cmdCalTarefaFim"), QStringLiteral("calendario"), QStringLiteral("..."),
        QStringLiteral("Exibir Calendário"), QRect(4410, 600, 420, 345));
    for (QLineEdit* box : {txtTarefaDataInicio, txtTarefaDataFim}) {
        box->setEnabled(false); // set by the calendar
    }

    panelLabel(f, QStringLiteral("Prioridade :"), QRect(135, 1080, 1700, 240));
    optTarefaAlta = option(f, QStringLiteral("optTarefaAlta"), QStringLiteral("Alta"), 135);
    optTarefaNormal = option(f, QStringLiteral("optTarefaNormal"), QStringLiteral("Normal"), 1500);
    optTarefaBaixa = option(f, QStringLiteral("optTarefaBaixa"), QStringLiteral("Baixa"), 3015);

    txtTarefaDescricao =
        panelTextArea(f, QStringLiteral("txtTarefaDescricao"), QRect(135, 2020, 4650, 2100), 255);
    applyKeyMode(txtTarefaDescricao, KeyMode::MultilineText);
    panelLabel(f, QStringLiteral("Descrição da Tarefa :"), QRect(135, 1750, 3000, 270),
               txtTarefaDescricao);
    chkTarefaExecutado = new QCheckBox(QStringLiteral("Tarefa Executada"), f);
    chkTarefaExecutado->setObjectName(QStringLiteral("chkTarefaExecutado"));
    chkTarefaExecutado->setGeometry(rectTwips(135, 4220, 3000, 330));
    nameByCaption(chkTarefaExecutado);

    cmdTarefaExcluir = panelButton(f, QStringLiteral("cmdTarefaExcluir"),
                                   QStringLiteral("&Excluir Tarefa"), QRect(135, 4800, 1650, 420));
    cmdTarefaVoltar = panelButton(f, QStringLiteral("cmdTarefaVoltar"), QStringLiteral("&Voltar"),
                                  QRect(1860, 4800, 1250, 420));
    cmdTarefaSalvar = panelButton(f, QStringLiteral("cmdTarefaSalvar"),
                                  QStringLiteral("&Salvar Tarefa"), QRect(3185, 4800, 1600, 420));
    frmTarefasDados->hide();

    // The calendar belongs to the panel so that it may reach past the frame.
    calTarefas = panelCalendar(this, QStringLiteral("calTarefas"));
    connect(cmdCalTarefaInicio, &QPushButton::clicked, this, [this] { showCalendar(StartDate); });
    connect(cmdCalTarefaFim, &QPushButton::clicked, this, [this] { showCalendar(EndDate); });
    connect(calTarefas, &QCalendarWidget::clicked, this, &TasksPanel::datePicked);
    connect(calTarefas, &QCalendarWidget::activated, this, &TasksPanel::datePicked);
    connect(cmdTarefaSalvar, &QPushButton::clicked, this,
            guarded(ctx_.guard, this, &TasksPanel::save));
    connect(cmdTarefaExcluir, &QPushButton::clicked, this,
            guarded(ctx_.guard, this, &TasksPanel::remove));
    connect(cmdTarefaVoltar, &QPushButton::clicked, this, [this] {
        Q_EMIT restoreFocusWanted();
        closeTask();
    });
}

void TasksPanel::load() {
    WaitCursor wait;
    reload();
    if (frmTarefasDados->isVisibleTo(this)) {
        Q_EMIT printButtonWanted(false);
    }
}

void TasksPanel::reload() {
    const TaskListView view = tasks_.load(grdTarefas->heightTwips());
    rows_ = view.rows;
    QVector<GridRow> cells;
    cells.reserve(view.rows.size());
    for (const TaskRow& row : view.rows) {
        cells.push_back(gridRow(row));
    }
    grdTarefas->setRows(std::move(cells));
    layOutColumns(*grdTarefas, view.columns);
    txtTarefasSemCadastro->setVisible(view.noTasks());
    txtTarefasSemCadastro->setEnabled(!view.noTasks());
}

void TasksPanel::showCalendar(CalendarTarget target) {
    calendarTarget_ = target;
    const QLineEdit* box = target == EndDate ? txtTarefaDataFim : txtTarefaDataInicio;
    const QPoint below = frmTarefasDados->mapTo(this, box->geometry().bottomLeft());
    showCalendarAt(calTarefas, typedDate(box),
                   QPoint(frmTarefasDados->x() + px(kCalendarLeft[target]), below.y()));
}

void TasksPanel::datePicked(const QDate& day) {
    calTarefas->hide();
    QLineEdit* box = calendarTarget_ == EndDate ? txtTarefaDataFim : txtTarefaDataInicio;
    box->setText(shownDate(day));
    (calendarTarget_ == EndDate ? cmdCalTarefaFim : cmdCalTarefaInicio)
        ->setFocus(Qt::OtherFocusReason);
}

void TasksPanel::newTask() {
    Q_EMIT restoreFocusWanted();
    openTask(tasks_.newTask());
}

void TasksPanel::showItem(qint64 key, const QDate&, const QString&) {
    if (const int row = grdTarefas->selectKey(key); row > 0) {
        rowClicked(row);
    }
}

void TasksPanel::rowClicked(int row) {
    if (row < 1 || row > rows_.size()) {
        return;
    }
    openTask(tasks_.open(rows_.at(row - 1)));
}

void TasksPanel::openTask(const TaskForm& form) {
    Q_EMIT printButtonWanted(false);
    chkTarefaExecutado->setChecked(form.done);
    chkTarefaExecutado->setEnabled(form.doneEnabled);
    txtTarefaDataInicio->setText(shownDate(form.start));
    txtTarefaDataFim->setText(shownDate(form.end));
    (form.priority == High     ? optTarefaAlta
     : form.priority == Normal ? optTarefaNormal
                               : optTarefaBaixa)
        ->setChecked(true);
    txtTarefaDescricao->setPlainText(form.description);
    calTarefas->hide();
    cmdTarefaExcluir->setVisible(form.canDelete);
    frmTarefasDados->show();
    frmTarefasDados->raise();
    txtTarefaDescricao->setFocus(Qt::OtherFocusReason);
}

TaskForm TasksPanel::typedTask() const {
    TaskForm form;
    form.start = typedDate(txtTarefaDataInicio);
    form.end = typedDate(txtTarefaDataFim);
    form.priority = optTarefaAlta->isChecked() ? High : optTarefaNormal->isChecked() ? Normal : Low;
    form.description = txtTarefaDescricao->toPlainText();
    form.done = chkTarefaExecutado->isChecked();
    return form;
}

void TasksPanel::save() {
    Q_EMIT restoreFocusWanted();
    const TaskField refused = tasks_.save(typedTask());
    if (refused == TaskField::Description) {
        txtTarefaDescricao->setFocus(Qt::OtherFocusReason);
    }
    if (refused != TaskField::None) {
        return;
    }
    WaitCursor wait;
    reload();
    closeTask();
}

void TasksPanel::remove() {
    Q_EMIT restoreFocusWanted();
    if (!tasks_.removeOpen()) {
        return;
    }
    WaitCursor wait;
    reload();
    closeTask();
}

void TasksPanel::closeTask() {
    calTarefas->hide();
    frmTarefasDados->hide();
    Q_EMIT printButtonWanted(true);
}

void TasksPanel::reset() {
    state_.reset();
    rows_.clear();
    grdTarefas->clearRows();
    calTarefas->hide();
    closeAndEmpty(frmTarefasDados);
}

void TasksPanel::print() {
    printTasks(ctx_);
}

} // namespace orv::tasks
