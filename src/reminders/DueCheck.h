#pragma once

#include "reminders/DueItem.h"
#include "session/AppContext.h"

#include <QString>
#include <functional>
#include <vector>

namespace orv::reminders {

// A step of a tick that failed, with the failure's number and description.
struct StepFailure {
    int step = 0;
    int code = 0;
    QString description;
    // "step - number - description", the text of the box that ends the program.
    QString text() const;
};

// How one tick went.
struct TickResult {
    bool ignored = false;   // came while a pass was waiting on a reminder
    bool passed = false;    // a pass ran
    int shown = 0;          // reminders shown by the pass
    bool refreshed = false; // the day grid was rebuilt afterwards
    bool failed = false;    // a step failed and was reported
};

// The periodic check for due birthdays and appointments, driven by the main
// window's one-minute timer. A pass runs on the first tick of a session and
// then whenever the tick counter reaches the user's check interval; it reads
// everything due at once and then shows one reminder after the other.
//
// Ticks that arrive while a pass waits on a reminder (the reminder window is
// modal, so the timer still fires inside it) are ignored and not counted: the
// next interval is measured from the end of the pass, and a counter that went
// on climbing meanwhile could never meet the interval again.
class DueCheck {
public:
    // The steps of a tick, as a failure report numbers them.
    enum Step {
        ReadDue = 1,
        ShowBirthday = 2,
        ShowAppointment = 3,
        RefreshGrid = 4,
    };

    struct Hooks {
        // Shows the reminder window for the item, modally, and returns once the
        // user has closed it by one of its buttons. May throw: the failure is
        // reported as the failure of that step.
        std::function<void(const DueItem&)> showReminder;
        // True while the appointments panel is the panel on view.
        std::function<bool()> appointmentsPanelShown;
        // Rebuilds the day grid for the current day.
        std::function<void()> refreshGrid;
        // Told when a step fails; the program then shows the platform's box
        // with failure.text() and ends.
        std::function<void(const StepFailure&)> failed;
    };

    DueCheck(AppContext& ctx, Hooks hooks);

    // The main window's load: the counter starts at 1, the first pass is still to come.
    void start();
    // One timer tick.
    TickResult tick();
    // The end of a session: counter, first-pass flag and reminded key back to
    // 0; a pass still waiting on a reminder stops once that reminder closes.
    void reset();

    int counter() const { return counter_; }
    bool firstPassDone() const { return firstPassDone_; }
    bool busy() const { return busy_; }
    qint64 remindedKey() const { return remindedKey_; }

private:
    TickResult pass(int interval);
    // Shows each item in turn; false when the session ended meanwhile.
    bool showAll(const std::vector<DueItem>& items, unsigned session, int& shown);
    // Called while a failure is being handled.
    void report(const StepFailure& failure);

    AppContext& ctx_;
    Hooks hooks_;
    int counter_ = 0;
    bool firstPassDone_ = false;
    bool busy_ = false;
    qint64 remindedKey_ = 0;
    unsigned session_ = 0; // moves on at each reset, so a waiting pass sees the session end
    Step step_ = ReadDue;
};

} // namespace orv::reminders
