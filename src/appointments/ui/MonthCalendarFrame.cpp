#include "appointments/ui/MonthCalendarFrame.h"

#include "appointments/ui/Controls.h"
#include "mainwindow/ui/WaitCursor.h"
#include "session/AppContext.h"

#include <QCheckBox>
#include <QKeyEvent>
#include <QPushButton>

namespace orv::appointments {
namespace {

constexpr int kCellWidth = 36;
constexpr int kCellHeight = 24;
constexpr int kGridLeft = 14;
constexpr int kGridTop = 84;

QRect cellRect(int cell) {
    return QRect(kGridLeft + (cell % 7) * kCellWidth, kGridTop + (cell / 7) * kCellHeight,
                 kCellWidth, kCellHeight);
}

} // namespace

void DayCellLabel::mousePressEvent(QMouseEvent* event) {
    QLabel::mousePressEvent(event);
    Q_EMIT clicked();
}

void DayCellLabel::mouseDoubleClickEvent(QMouseEvent* event) {
    QLabel::mouseDoubleClickEvent(event);
    Q_EMIT doubleClicked();
}

MonthCalendarFrame::MonthCalendarFrame(AppContext& ctx, QWidget* parent)
    : QFrame(parent), ctx_(ctx) {
    setObjectName(QStringLiteral("frmCalendar"));
    setFrameShape(QFrame::Box);
    setAutoFillBackground(true);
    setFocusPolicy(Qt::StrongFocus);
    buildControls();
    hide();
    // A new session opens the calendar on its own current day.
    ctx_.resets.add(this, [this] {
        hide();
        calendarDay_ = ctx_.clock.today();
    });
}

void MonthCalendarFrame::buildControls() {
    auto* title = control<QLabel>(this, QStringLiteral("lblCal"), QRect(10, 4, 200, 20));
    title->setText(QStringLiteral("Calendário"));
    title->setFont(arial(11, true));

    auto* inner = control<QFrame>(this, QStringLiteral("frmCalendarioDatas"),
                                  QRect(6, 26, kCellWidth * 7 + 16, kCellHeight * 6 + 70));
    inner->setFrameShape(QFrame::StyledPanel);
    inner->setAccessibleName(QStringLiteral("Calendario"));
    inner->lower();

    cmdAntMes = textButton(this, QStringLiteral("cmdAntMes"), QStringLiteral("<<"),
                           QRect(kGridLeft, 32, 34, 24));
    cmdAntMes->setToolTip(QStringLiteral("Mês Anterior"));
    cmdProxMes = textButton(this, QStringLiteral("cmdProxMes"), QStringLiteral(">>"),
                            QRect(kGridLeft + 7 * kCellWidth - 34, 32, 34, 24));
    cmdProxMes->setToolTip(QStringLiteral("Próximo Mês"));
    lblCalendarMes = control<QLabel>(this, QStringLiteral("lblCalendarMes"),
                                     QRect(kGridLeft + 36, 32, 7 * kCellWidth - 72, 24));
    lblCalendarMes->setAlignment(Qt::AlignCenter);
    lblCalendarMes->setFont(arial(10, true));

    const QStringList weekDays{"dom", "seg", "ter", "qua", "qui", "sex", "sab"};
    for (int i = 0; i < 7; ++i) {
        auto* l = control<QLabel>(this, QStringLiteral("lblDiaSemana%1").arg(i),
                                  cellRect(i).translated(0, -kCellHeight));
        l->setText(weekDays[i]);
        l->setAlignment(Qt::AlignCenter);
        l->setFont(arial(9, true));
    }
    auto* background = control<QLabel>(this, QStringLiteral("lblFundoCalendarioMes"),
                                       cellRect(0).united(cellRect(kCalendarCells - 1)));
    background->setStyleSheet(QStringLiteral("background-color: rgb(250, 248, 240);"));

    Shape1 = control<QFrame>(this, QStringLiteral("Shape1"), cellRect(0));
    Shape1->setStyleSheet(QStringLiteral("QFrame#Shape1 { border: 2px solid rgb(0, 0, 128); "
                                         "background-color: rgb(255, 255, 210); }"));
    Shape1->hide();

    for (int i = 0; i < kCalendarCells; ++i) {
        auto* cell = control<DayCellLabel>(this, QStringLiteral("L%1").arg(i), cellRect(i));
        cell->setAlignment(Qt::AlignCenter);
        cell->setAttribute(Qt::WA_TranslucentBackground);
        L[i] = cell;
        connect(cell, &DayCellLabel::clicked, this, [this, i] { clickCell(i); });
        connect(cell, &DayCellLabel::doubleClicked, this, [this, i] { chooseCell(i); });
    }

    const int below = kGridTop + 6 * kCellHeight + 10;
    chkCompromissosCompartilhados = control<QCheckBox>(
        this, QStringLiteral("chkCompromissosCompartilhados"), QRect(10, below, 300, 20));
    chkCompromissosCompartilhados->setText(
        QStringLiteral("Incluir os Compromissos Compartilhados"));
    nameByCaption(chkCompromissosCompartilhados);
    cmdExibirCompromissosCalendario = textButton(
        this, QStringLiteral("cmdExibirCompromissosCalendario"),
        QStringLiteral("&Negritar os Dias com Compromissos"), QRect(10, below + 24, 270, 26));
    cmdHoje = textButton(this, QStringLiteral("cmdHoje"), QStringLiteral("Ir para o Dia de &Hoje"),
                         QRect(10, below + 54, 170, 26));
    cmdCalendarioVoltar = textButton(this, QStringLiteral("cmdCalendarioVoltar"),
                                     QStringLiteral("&Voltar"), QRect(186, below + 54, 94, 26));

    connect(cmdAntMes, &QPushButton::clicked, this, [this] { stepMonth(-1); });
    connect(cmdProxMes, &QPushButton::clicked, this, [this] { stepMonth(1); });
    connect(cmdExibirCompromissosCalendario, &QPushButton::clicked, this,
            guarded(ctx_.guard, this, &MonthCalendarFrame::markDaysWithAppointments));
    connect(cmdHoje, &QPushButton::clicked, this, &MonthCalendarFrame::todayWanted);
    connect(cmdCalendarioVoltar, &QPushButton::clicked, this, &MonthCalendarFrame::close);
}

void MonthCalendarFrame::open(const QDate& currentDay) {
    Q_EMIT printButtonWanted(false);
    calendarDay_ = currentDay;
    Q_EMIT restoreFocusWanted();
    chkCompromissosCompartilhados->setChecked(ctx_.settings.showShared);
    chkCompromissosCompartilhados->setEnabled(ctx_.settings.showShared);
    fill();
    raise();
    show();
    setFocus(Qt::OtherFocusReason);
}

void MonthCalendarFrame::fill() {
    sheet_ = fillMonth(calendarDay_.month(), calendarDay_.year(), calendarDay_);
    lblCalendarMes->setText(sheet_.caption);
    Shape1->hide();
    shapeCell_ = -1;
    showSheet();
    if (sheet_.markedCell >= 0) {
        moveShape(sheet_.markedCell);
    }
}

void MonthCalendarFrame::showSheet() {
    for (int i = 0; i < kCalendarCells; ++i) {
        const DayCell& cell = sheet_.cells[i];
        L[i]->setText(cell.caption);
        QFont f = L[i]->font();
        f.setBold(cell.bold);
        L[i]->setFont(f);
        L[i]->setStyleSheet(QStringLiteral("color: rgb(%1, %2, %3);")
                                .arg(cell.colour.red)
                                .arg(cell.colour.green)
                                .arg(cell.colour.blue));
    }
}

void MonthCalendarFrame::moveShape(int cell) {
    L[cell]->raise();
    Shape1->setGeometry(L[cell]->geometry());
    Shape1->show();
    Shape1->stackUnder(L[cell]);
    shapeCell_ = cell;
}

void MonthCalendarFrame::stepMonth(int months) {
    calendarDay_ = moveMonth(calendarDay_, months);
    fill();
    setFocus(Qt::OtherFocusReason);
}

void MonthCalendarFrame::markDaysWithAppointments() {
    const QVector<int> days =
        daysWithAppointments(ctx_.db, ctx_.session.userCode, sheet_.month, sheet_.year,
                             chkCompromissosCompartilhados->isChecked());
    if (markDays(sheet_, days)) {
        showSheet();
    }
    setFocus(Qt::OtherFocusReason);
}

void MonthCalendarFrame::clickCell(int cell) {
    if (sheet_.cells[cell].caption.isEmpty()) {
        return;
    }
    moveShape(cell);
    Q_EMIT printButtonWanted(true);
}

void MonthCalendarFrame::chooseCell(int cell) {
    const auto date = cellDate(sheet_, cell);
    if (!date) {
        return;
    }
    calendarDay_ = *date;
    hide();
    Q_EMIT dayChosen(*date);
}

void MonthCalendarFrame::close() {
    Q_EMIT printButtonWanted(true);
    hide();
    Q_EMIT restoreFocusWanted();
}

// The keyboard way through the month: arrows move the mark over the days,
// Page Up and Page Down change the month, Enter opens the marked day, Escape closes.
void MonthCalendarFrame::keyPressEvent(QKeyEvent* event) {
    const int moves[][2] = {
        {Qt::Key_Left, -1}, {Qt::Key_Right, 1}, {Qt::Key_Up, -7}, {Qt::Key_Down, 7}};
    for (const auto& [key, delta] : moves) {
        if (event->key() == key) {
            const int target = shapeCell_ < 0 ? 0 : shapeCell_ + delta;
            if (target >= 0 && target < kCalendarCells && !sheet_.cells[target].caption.isEmpty()) {
                clickCell(target);
            }
            return;
        }
    }
    switch (event->key()) {
    case Qt::Key_PageUp:
        stepMonth(-1);
        return;
    case Qt::Key_PageDown:
        stepMonth(1);
        return;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        if (shapeCell_ >= 0) {
            chooseCell(shapeCell_);
        }
        return;
    case Qt::Key_Escape:
        close();
        return;
    default:
        QFrame::keyPressEvent(event);
    }
}

} // namespace orv::appointments
