#pragma once

#include "appointments/MonthCalendar.h"

#include <QFrame>
#include <QLabel>
#include <array>

class QCheckBox;
class QPushButton;

namespace orv {
class AppContext;
}

namespace orv::appointments {

// A day cell of the month calendar: reports clicks and double clicks.
class DayCellLabel : public QLabel {
    Q_OBJECT
public:
    using QLabel::QLabel;

Q_SIGNALS:
    void clicked();
    void doubleClicked();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
};

// frmCalendar: one month as 42 day cells, the calendar day marked, month by
// month navigation, the days with appointments in bold, and a double click (or
// Enter on the marked cell) that opens a day in the day grid.
class MonthCalendarFrame : public QFrame {
    Q_OBJECT
public:
    MonthCalendarFrame(AppContext& ctx, QWidget* parent = nullptr);

    // Opens on the current day of the day grid.
    void open(const QDate& currentDay);

    const QDate& calendarDay() const { return calendarDay_; }
    const MonthSheet& sheet() const { return sheet_; }
    // The cell Shape1 stands on, -1 when hidden.
    int shapeCell() const { return shapeCell_; }

    QLabel* lblCalendarMes = nullptr;
    QPushButton* cmdAntMes = nullptr;
    QPushButton* cmdProxMes = nullptr;
    QCheckBox* chkCompromissosCompartilhados = nullptr;
    QPushButton* cmdExibirCompromissosCalendario = nullptr;
    QPushButton* cmdHoje = nullptr;
    QPushButton* cmdCalendarioVoltar = nullptr;
    QFrame* Shape1 = nullptr;
    std::array<DayCellLabel*, kCalendarCells> L{};

Q_SIGNALS:
    // A day was chosen (double click): the day grid shows it.
    void dayChosen(const QDate& day);
    void todayWanted();
    void printButtonWanted(bool visible);
    void restoreFocusWanted();

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void buildControls();
    void fill();
    void showSheet();
    void moveShape(int cell);
    void stepMonth(int months);
    void markDaysWithAppointments();
    void clickCell(int cell);
    void chooseCell(int cell);
    void close();

    AppContext& ctx_;
    QDate calendarDay_;
    MonthSheet sheet_;
    int shapeCell_ = -1;
};

} // namespace orv::appointments
