#pragma once

#include "appointments/WeekSchedule.h"

#include <QFrame>

class QLabel;
class QListView;

namespace orv::appointments {

class WeekDayModel;

// frmSemana: a week over the day grid, one box per day (lblSemanaDia0 to 6 with
// the weekday and date over lstSemanaDia0 to 6 with the day's appointments) and
// a note on how to open one. A click, or Enter, on an appointment asks for it;
// Delete asks for its deletion.
class WeekFrame : public QFrame {
    Q_OBJECT
public:
    explicit WeekFrame(QWidget* parent = nullptr);

    // Shows the week; today's box stands out.
    void setWeek(WeekSchedule week, const QDate& today);
    const WeekSchedule& week() const { return week_; }
    QListView* dayList(int i) const { return lists_[i]; }
    // The keyboard goes to the day's box, on the appointment while it is there.
    void focusEntry(qint64 key, const QDate& day);

Q_SIGNALS:
    void entryChosen(qint64 key, const QDate& day);
    void entryDeleteWanted(qint64 key, const QDate& day);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void choose(int day, int row);

    WeekSchedule week_;
    std::array<QLabel*, 7> headers_{};
    std::array<QListView*, 7> lists_{};
    std::array<WeekDayModel*, 7> models_{};
};

} // namespace orv::appointments
