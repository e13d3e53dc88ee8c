#pragma once

#include "mainwindow/ui/Panel.h"

#include <QDate>

#include <array>

class QPushButton;

namespace orv {
class AppContext;
class ExchangeButtons;
class Grid;
} // namespace orv

namespace orv::appointments {

class AppointmentEditorFrame;
class MonthCalendarFrame;
class WeekFrame;

// frmCompromissos: the day schedule of the current day in grdCompromissos, the
// day arrows, the month calendar and the appointment editor over the grid. In
// its place the week of the current day (frmSemana, with week arrows) shows
// while cmdVerSemana is down, until cmdVerDia or the end of the session.
class AppointmentsPanel : public Panel {
    Q_OBJECT
public:
    AppointmentsPanel(AppContext& ctx, QWidget* parent = nullptr);

    void load() override;
    void afterShow() override;
    // The report of what the panel shows.
    void print() override;
    // A panel left on today moves on to the new day; a day chosen by hand stays.
    bool dayChanged(const QDate& previous, const QDate& today) override;

    // The day the panel shows; today when a session starts.
    const QDate& currentDay() const { return currentDay_; }
    // Shows another day: the grid is rebuilt and lblData names it.
    void showDay(const QDate& day);
    // The day of the appointment, its row current.
    void showItem(qint64 key, const QDate& day, const QString& text) override;
    // Rebuilds the grid of the current day (after a change of its data).
    void rebuild();

    Grid* grdCompromissos = nullptr;
    QPushButton* imdDiaAntes = nullptr;
    QPushButton* lblDiaAnterior = nullptr;
    QPushButton* imgDiaApos = nullptr;
    QPushButton* lblProximoDia = nullptr;
    QPushButton* cmdCompromissoCalendario = nullptr;
    AppointmentEditorFrame* frmDadosCompromisso = nullptr;
    MonthCalendarFrame* frmCalendar = nullptr;
    // cmdCompromissoImportar and cmdCompromissoExportar: iCalendar files in and out.
    ExchangeButtons* exchangeButtons = nullptr;
    QPushButton* cmdVerDia = nullptr;
    QPushButton* cmdVerSemana = nullptr;
    WeekFrame* frmSemana = nullptr;

private:
    void buildControls();
    void buildExchange();
    void buildWeek();
    // Back (the first two) and forward (the last two) by the days.
    void stepBy(const std::array<QPushButton*, 4>& steps, int days);
    // The day grid or the week, with their arrows; showView fills it too.
    void applyView(bool week);
    void showView(bool week);
    // A week's appointment, opened as a click on its row of the day grid does.
    // The day view on the day, the appointment's row current; its row (0: none).
    int showInDay(qint64 key, const QDate& day);
    void openFromWeek(qint64 key, const QDate& day);
    void deleteFromWeek(qint64 key, const QDate& day);
    // lblData: the current day, or the week shown.
    QString caption() const;
    void fillDay(const QDate& day);
    void openRow(int row);
    // Ctrl+N: a new appointment at the slot of the current row.
    void openNewAtCurrentSlot();
    void goToToday();

    AppContext& ctx_;
    QDate currentDay_;
    std::array<QPushButton*, 4> weekSteps_{};
    bool weekShown_ = false;
};

} // namespace orv::appointments
