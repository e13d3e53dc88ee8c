#include "reminders/ui/ReminderController.h"

#include "reminders/ui/ReminderWindow.h"
#include "reminders/ui/SoundPlayer.h"
#include "session/AppContext.h"

#include <QCoreApplication>
#include <QWidget>

namespace orv {

ReminderController::ReminderController(AppContext& ctx, QWidget* parent)
    : QObject(parent), ctx_(ctx), parentWidget_(parent), sound_(new SoundPlayer(this)),
      endProgram_([] { QCoreApplication::exit(1); }),
      check_(ctx, {[this](const reminders::DueItem& item) { showReminder(item); },
                   [this] { return panelShown_ && panelShown_(); },
                   [this] { Q_EMIT dayGridRefreshWanted(); },
                   [this](const reminders::StepFailure& f) { fail(f); }}) {
    ctx_.resets.add(this, [this] { reset(); });
}

ReminderController::~ReminderController() = default;

void ReminderController::checkNow() {
    if (stopped_ || ended_) {
        return;
    }
    check_.tick();
}

void ReminderController::start() {
    stopped_ = false;
    check_.start();
}

void ReminderController::stop() {
    stopped_ = true;
}

void ReminderController::resume() {
    stopped_ = false;
}

void ReminderController::reset() {
    check_.reset();
    if (open_) {
        open_->dismiss();
    }
    sound_->stop();
}

void ReminderController::showReminder(const reminders::DueItem& item) {
    ReminderWindow window(ctx_, *sound_, parentWidget_);
    window.fill(item);
    open_ = &window;
    Q_EMIT reminderShown(&window);
    window.exec();
    open_ = nullptr;
}

void ReminderController::fail(const reminders::StepFailure& failure) {
    ended_ = true;
    sound_->stop();
    ctx_.messages.showStandard(failure.text(), Messages::Standard::Critical);
    endProgram_();
}

} // namespace orv
