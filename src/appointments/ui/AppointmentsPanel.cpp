#include "appointments/ui/AppointmentsPanel.h"
#include "printing/ui/PrintReport.h"

#include "appointments/DaySchedule.h"
#include "appointments/ICalendarExchange.h"
#include "appointments/ui/AppointmentEditorFrame.h"
#include "appointments/ui/Controls.h"
#include "appointments/ui/MonthCalendarFrame.h"
#include "appointments/ui/ScheduleGrid.h"
#include "appointments/ui/WeekFrame.h"
#include "mainwindow/ui/ExchangeButtons.h"
#include "mainwindow/ui/Grid.h"
#include "mainwindow/ui/Pictures.h"
#include "mainwindow/ui/Twips.h"
#include "mainwindow/ui/WaitCursor.h"
#include "session/AppContext.h"

#include <QButtonGroup>
#include <QHeaderView>
#include <QLocale>
#include <QPushButton>

namespace orv::appointments {
namespace {

constexpr int kColumns = 4;
constexpr int kRowHeight = 285; // twips
// The columns, the frame and the vertical scroll bar.
const int kGridWidth = px(scheduleTwips(400 + 800 + kDescriptionWide)) + 22;

QPushButton* arrow(QWidget* parent, const QString& name, const QString& pictureName,
                   const QString& tip, const QRect& geometry) {
    auto* b = control<QPushButton>(parent, name, geometry);
    b->setIcon(QIcon(orv::picture(pictureName)));
    b->setFlat(true);
    b->setToolTip(tip);
    b->setAccessibleName(tip);
    return b;
}

QPushButton* linkLabel(QWidget* parent, const QString& name, const QString& text,
                       const QRect& geometry) {
    auto* b = textButton(parent, name, text, geometry);
    b->setFlat(true);
    b->setCursor(Qt::PointingHandCursor);
    return b;
}

using Steps = std::array<QPushButton*, 4>;

// The steps back and forward above the grid: a picture and a link at each side,
// named and captioned in that order (a picture's caption is its tool tip).
Steps steps(QWidget* parent, const std::array<QString, 4>& names,
            const std::array<QString, 4>& captions, int linkWidth) {
    return {
        arrow(parent, names[0], QStringLiteral("imgDiaAntes"), captions[0], QRect(0, 2, 24, 22)),
        linkLabel(parent, names[1], captions[1], QRect(24, 2, linkWidth, 22)),
        linkLabel(parent, names[2], captions[2],
                  QRect(kGridWidth - 46 - linkWidth, 2, linkWidth, 22)),
        arrow(parent, names[3], QStringLiteral("imgDiaApos"), captions[3],
              QRect(kGridWidth - 44, 2, 24, 22))};
}

} // namespace

AppointmentsPanel::AppointmentsPanel(AppContext& ctx, QWidget* parent)
    : Panel(QStringLiteral("frmCompromissos"), parent), ctx_(ctx), currentDay_(ctx.clock.today()) {
    buildControls();
    // A new session starts on today's date; the editor and the calendar
    // close themselves.
    // The day view comes back with it.
    ctx_.resets.add(this, [this] {
        currentDay_ = ctx_.clock.today();
        grdCompromissos->clearRows();
        applyView(false);
    });
}

void AppointmentsPanel::buildControls() {
    const auto [dayBack, dayBackLink, dayForwardLink, dayForward] =
        steps(this,
              {QStringLiteral("imdDiaAntes"), QStringLiteral("lblDiaAnterior"),
               QStringLiteral("lblProximoDia"), QStringLiteral("imgDiaApos")},
              {QStringLiteral("Dia Anterior"), QStringLiteral("<< Dia Anterior"),
               QStringLiteral("Próximo Dia >>"), QStringLiteral("Próximo Dia")},
              110);
    imdDiaAntes = dayBack;
    lblDiaAnterior = dayBackLink;
    lblProximoDia = dayForwardLink;
    imgDiaApos = dayForward;
    cmdCompromissoCalendario =
        arrow(this, QStringLiteral("cmdCompromissoCalendario"), QStringLiteral("imgCalendario"),
              QStringLiteral("Calendário"), QRect((kGridWidth - 86) / 2, 1, 86, 24));
    cmdCompromissoCalendario->setText(QStringLiteral("&Calendário"));
    cmdCompromissoCalendario->setFlat(false);

    grdCompromissos = new Grid(kColumns, this);
    grdCompromissos->setObjectName(QStringLiteral("grdCompromissos"));
    grdCompromissos->setFont(designFont(QStringLiteral("Book Antiqua"), 9));
    grdCompromissos->verticalHeader()->setDefaultSectionSize(px(kRowHeight));
    // The four columns, the frame and room for the vertical scroll bar: the text
    // column never needs a horizontal one.
    grdCompromissos->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    grdCompromissos->setGeometry(0, 28, kGridWidth, 350);
    buildExchange();
    buildWeek();

    // The editor and the month calendar lie over the grid, under the day arrows.
    frmDadosCompromisso = new AppointmentEditorFrame(ctx_, this);
    frmDadosCompromisso->setGeometry(398, 28, 330, 350);
    frmCalendar = new MonthCalendarFrame(ctx_, this);
    frmCalendar->setGeometry(438, 28, 290, 340);

    stepBy({imdDiaAntes, lblDiaAnterior, lblProximoDia, imgDiaApos}, 1);
    connect(cmdCompromissoCalendario, &QPushButton::clicked, this, [this] {
        frmDadosCompromisso->hide();
        frmCalendar->open(currentDay_);
    });
    connect(grdCompromissos, &Grid::rowClicked, this,
            guarded(ctx_.guard, this, &AppointmentsPanel::openRow));

    connect(frmDadosCompromisso, &AppointmentEditorFrame::dataChanged, this,
            &AppointmentsPanel::rebuild);
    connect(frmDadosCompromisso, &AppointmentEditorFrame::printButtonWanted, this,
            &Panel::printButtonWanted);
    connect(frmDadosCompromisso, &AppointmentEditorFrame::restoreFocusWanted, this,
            &Panel::restoreFocusWanted);
    connect(frmDadosCompromisso, &AppointmentEditorFrame::closed, this,
            [this] { grdCompromissos->setFocus(Qt::OtherFocusReason); });

    AppointmentEditorFrame* e = frmDadosCompromisso;
    setKeys({nullptr, guarded(ctx_.guard, [this] { openNewAtCurrentSlot(); }), e,
             e->cmdCompromissoGravar, e->cmdCompromissoVoltar, e->cmdCompromissoExcluir},
            grdCompromissos);

    connect(frmCalendar, &MonthCalendarFrame::dayChosen, this,
            guarded(ctx_.guard, this, &AppointmentsPanel::showDay));
    connect(frmCalendar, &MonthCalendarFrame::todayWanted, this,
            guarded(ctx_.guard, this, &AppointmentsPanel::goToToday));
    connect(frmCalendar, &MonthCalendarFrame::printButtonWanted, this, &Panel::printButtonWanted);
    connect(frmCalendar, &MonthCalendarFrame::restoreFocusWanted, this, &Panel::restoreFocusWanted);
}

void AppointmentsPanel::stepBy(const std::array<QPushButton*, 4>& steps, int days) {
    for (int i = 0; i < 4; ++i) {
        const int by = i < 2 ? -days : days;
        connect(steps[i], &QPushButton::clicked, this,
                guarded(ctx_.guard, [this, by] { showDay(currentDay_.addDays(by)); }));
    }
}

// The view buttons right of the arrows, and the week over the grid, above the
// exchange buttons; the week arrows stand where the day arrows stand.
void AppointmentsPanel::buildWeek() {
    weekSteps_ = steps(this,
                       {QStringLiteral("imgSemanaAntes"), QStringLiteral("lblSemanaAnterior"),
                        QStringLiteral("lblProximaSemana"), QStringLiteral("imgSemanaApos")},
                       {QStringLiteral("Semana Anterior"), QStringLiteral("<< Semana Anterior"),
                        QStringLiteral("Próxima Semana >>"), QStringLiteral("Próxima Semana")},
                       130);
    stepBy(weekSteps_, 7);
    cmdVerDia = textButton(this, QStringLiteral("cmdVerDia"), QStringLiteral("&Dia"),
                           QRect(kGridWidth + 22, 1, 100, 24));
    cmdVerSemana = textButton(this, QStringLiteral("cmdVerSemana"), QStringLiteral("Se&mana"),
                              QRect(kGridWidth + 126, 1, 100, 24));
    auto* views = new QButtonGroup(this);
    for (QPushButton* b : {cmdVerDia, cmdVerSemana}) {
        b->setCheckable(true);
        views->addButton(b);
    }
    connect(cmdVerDia, &QPushButton::clicked, this,
            guarded(ctx_.guard, [this] { showView(false); }));
    connect(cmdVerSemana, &QPushButton::clicked, this,
            guarded(ctx_.guard, [this] { showView(true); }));
    frmSemana = new WeekFrame(this);
    frmSemana->setGeometry(0, 28, 728, 314);
    connect(frmSemana, &WeekFrame::entryChosen, this,
            guarded(ctx_.guard, this, &AppointmentsPanel::openFromWeek));
    connect(frmSemana, &WeekFrame::entryDeleteWanted, this,
            guarded(ctx_.guard, this, &AppointmentsPanel::deleteFromWeek));
    applyView(false);
}

void AppointmentsPanel::applyView(bool week) {
    weekShown_ = week;
    cmdVerDia->setChecked(!week);
    cmdVerSemana->setChecked(week);
    for (QPushButton* b : {imdDiaAntes, lblDiaAnterior, lblProximoDia, imgDiaApos}) {
        b->setVisible(!week);
    }
    for (QPushButton* b : weekSteps_) {
        b->setVisible(week);
    }
    grdCompromissos->setVisible(!week);
    frmSemana->setVisible(week);
}

void AppointmentsPanel::showView(bool week) {
    if (week != weekShown_) {
        applyView(week);
        showDay(currentDay_);
    }
}

int AppointmentsPanel::showInDay(qint64 key, const QDate& day) {
    applyView(false);
    showDay(day);
    return grdCompromissos->selectKey(key);
}

void AppointmentsPanel::openFromWeek(qint64 key, const QDate& day) {
    // As a click on its row: the editor opens, or a birthday's row stays current.
    const int row = showInDay(key, day);
    grdCompromissos->setFocus(Qt::OtherFocusReason);
    grdCompromissos->clickRow(row);
}

// Delete on a week's entry: as Delete on its row of the day grid (asked
// first), and the week is shown again, the keyboard where it was.
void AppointmentsPanel::deleteFromWeek(qint64 key, const QDate& day) {
    deleteRow(grdCompromissos, showInDay(key, day));
    applyView(true);
    showDay(day);
    frmSemana->focusEntry(key, day);
}

// Right of the grid, under the month calendar; the editor covers them.
void AppointmentsPanel::buildExchange() {
    ExchangeKind kind;
    kind.objectPrefix = QStringLiteral("cmdCompromisso");
    kind.nouns = QStringLiteral("Compromissos");
    kind.fileFilter = QStringLiteral("Agenda iCalendar (*.ics *.ical);;Todos os arquivos (*)");
    kind.suffix = QStringLiteral("ics");
    kind.suggestedName = QStringLiteral("compromissos.ics");
    kind.exportChoices = {QStringLiteral("A partir de &hoje"),
                          QStringLiteral("&Todos os compromissos")};
    kind.cutWhy = QStringLiteral("mais de um dia ou texto longo");
    kind.refusedWhy = QStringLiteral("cancelados, sem texto ou sem data nos próximos 12 meses");
    kind.importFile = [this](const QByteArray& bytes) {
        return importAppointments(ctx_.db, ctx_.session.userCode, ctx_.settings.gridStep,
                                  ctx_.clock.now(), bytes);
    };
    kind.exportFile = [this](int choice) {
        return exportAppointments(ctx_.db, ctx_.session.userCode,
                                  choice == 0 ? ctx_.clock.today() : QDate(), ctx_.clock.now());
    };
    exchangeButtons = new ExchangeButtons(this, ctx_.messages, ctx_.guard, std::move(kind));
    const int left = kGridWidth + 8;
    const int width = (728 - left - 6) / 2;
    exchangeButtons->importButton->setGeometry(left, 346, width, 28);
    exchangeButtons->exportButton->setGeometry(left + width + 6, 346, width, 28);
    connect(exchangeButtons, &ExchangeButtons::imported, this, &AppointmentsPanel::rebuild);
    connect(exchangeButtons, &ExchangeButtons::restoreFocusWanted, this,
            &Panel::restoreFocusWanted);
}

void AppointmentsPanel::load() {
    rebuild();
}

void AppointmentsPanel::afterShow() {
    Q_EMIT dateCaptionWanted(caption());
}

QString AppointmentsPanel::caption() const {
    return weekShown_ ? weekCaption(frmSemana->week()) : dayCaption(currentDay_);
}

void AppointmentsPanel::rebuild() {
    fillDay(currentDay_);
}

void AppointmentsPanel::fillDay(const QDate& day) {
    WaitCursor wait;
    // Read first: a day that cannot be read leaves the one on view as it was.
    // Only the view on screen is filled.
    const ScheduleSettings settings = ScheduleSettings::of(ctx_);
    if (weekShown_) {
        WeekSchedule week = buildWeekSchedule(ctx_.db, settings, day, QLocale().firstDayOfWeek());
        currentDay_ = day;
        frmSemana->setWeek(std::move(week), ctx_.clock.today());
        return;
    }
    const DaySchedule schedule = buildDaySchedule(ctx_.db, settings, day);
    currentDay_ = day;
    fillScheduleGrid(*grdCompromissos, schedule);
}

void AppointmentsPanel::showDay(const QDate& day) {
    fillDay(day);
    Q_EMIT dateCaptionWanted(caption());
}

void AppointmentsPanel::goToToday() {
    Q_EMIT printButtonWanted(true);
    showDay(ctx_.clock.today());
    frmCalendar->hide();
    Q_EMIT restoreFocusWanted();
}

bool AppointmentsPanel::dayChanged(const QDate& previous, const QDate& today) {
    if (currentDay_ == previous) {
        if (isVisible()) {
            showDay(today);
        } else {
            currentDay_ = today;
        }
    }
    return isVisible();
}

void AppointmentsPanel::openRow(int row) {
    frmCalendar->hide();
    frmDadosCompromisso->open(scheduleRowOf(*grdCompromissos, row), currentDay_);
}

void AppointmentsPanel::showItem(qint64 key, const QDate& day, const QString&) {
    frmDadosCompromisso->hide();
    frmCalendar->hide();
    showInDay(key, day);
    grdCompromissos->setFocus(Qt::OtherFocusReason);
}

void AppointmentsPanel::openNewAtCurrentSlot() {
    showView(false);
    // The slot of the current row; an all-day row or none means the first slot.
    const int current = grdCompromissos->currentIndex().row() + 1;
    ScheduleRow slot;
    slot.timeText = scheduleRowOf(*grdCompromissos, std::max(current, 1)).timeText;
    if (slot.timeText.trimmed().isEmpty()) {
        slot.timeText = ctx_.settings.gridStart.toString(QStringLiteral("HH:mm"));
    }
    frmCalendar->hide();
    frmDadosCompromisso->open(slot, currentDay_);
}

void AppointmentsPanel::print() {
    printAppointments(ctx_, currentDay_);
}

} // namespace orv::appointments
