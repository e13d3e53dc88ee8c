#pragma once

#include "reminders/DueCheck.h"

#include <QObject>
#include <QPointer>
#include <functional>

class QWidget;

namespace orv {

class AppContext;
class ReminderWindow;
class SoundPlayer;

// Runs the due check for the main window: each tick of its check timer goes to
// checkNow(), which shows frmLembrete modally for every due birthday and
// appointment, one after the other. A failing tick shows the platform's box
// with the step, number and description, and the program ends.
class ReminderController : public QObject {
    Q_OBJECT
public:
    ReminderController(AppContext& ctx, QWidget* parent);
    ~ReminderController() override;

    // Tells whether the appointments panel is the one on view (its grid is
    // rebuilt after a periodic pass that showed a reminder).
    void setAppointmentsPanelShown(std::function<bool()> shown) { panelShown_ = std::move(shown); }
    // How the program ends after a failed tick (QCoreApplication::exit(1)
    // unless told otherwise).
    void setEndProgram(std::function<void()> end) { endProgram_ = std::move(end); }

    SoundPlayer& sound() { return *sound_; }
    const reminders::DueCheck& check() const { return check_; }
    // The reminder window on screen, if any.
    ReminderWindow* openReminder() const { return open_; }

public Q_SLOTS:
    // One tick of the main window's check timer.
    void checkNow();
    // The main window's load: the counter starts at 1 and the first pass is to come.
    void start();
    // Ticks do nothing until resume() or start() (backup and restore).
    void stop();
    void resume();
    // The session ended: back to the start, and an open reminder closes
    // without touching its item. Also run by the session's resets.
    void reset();

Q_SIGNALS:
    // A reminder window is about to wait for the user.
    void reminderShown(orv::ReminderWindow* window);
    // The day grid of the current day is to be rebuilt.
    void dayGridRefreshWanted();

private:
    void showReminder(const reminders::DueItem& item);
    void fail(const reminders::StepFailure& failure);

    AppContext& ctx_;
    QWidget* parentWidget_;
    SoundPlayer* sound_;
    std::function<bool()> panelShown_;
    std::function<void()> endProgram_;
    reminders::DueCheck check_;
    QPointer<ReminderWindow> open_;
    bool stopped_ = false;
    bool ended_ = false;
};

} // namespace orv
