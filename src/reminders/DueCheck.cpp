#include "reminders/DueCheck.h"

#include "db/DbError.h"
#include "reminders/DueQuery.h"

#include <algorithm>

namespace orv::reminders {
namespace {

// Holds the busy flag for the length of a pass, however it ends.
class BusyScope {
public:
    explicit BusyScope(bool& busy) : busy_(busy) { busy_ = true; }
    ~BusyScope() { busy_ = false; }
    BusyScope(const BusyScope&) = delete;
    BusyScope& operator=(const BusyScope&) = delete;

private:
    bool& busy_;
};

} // namespace

QString StepFailure::text() const {
    return QStringLiteral("%1 - %2 - %3").arg(step).arg(code).arg(description);
}

DueCheck::DueCheck(AppContext& ctx, Hooks hooks) : ctx_(ctx), hooks_(std::move(hooks)) {}

void DueCheck::start() {
    counter_ = 1;
}

void DueCheck::reset() {
    counter_ = 0;
    firstPassDone_ = false;
    remindedKey_ = 0;
    ++session_;
}

TickResult DueCheck::tick() {
    if (busy_) {
        return {.ignored = true};
    }
    if (!ctx_.session.loggedOn()) {
        return {};
    }
    // An interval lowered in the settings below the counter is reached at
    // once rather than never.
    const int interval = std::max(1, ctx_.settings.checkInterval);
    const unsigned session = session_;
    TickResult result;
    if (counter_ >= interval || !firstPassDone_) {
        result = pass(interval);
    }
    // A failed tick ends where it failed; a session that ended during the
    // pass has had its counter reset already.
    if (!result.failed && session == session_) {
        ++counter_;
    }
    return result;
}

TickResult DueCheck::pass(int interval) {
    BusyScope busy(busy_);
    const unsigned session = session_;
    const qint64 user = ctx_.session.userCode;
    const QDateTime now = ctx_.clock.now();
    TickResult result{.passed = true};
    try {
        firstPassDone_ = true;
        // Everything due is read before the first reminder shows, so no query
        // and no connection is open while a reminder waits on the user.
        step_ = ReadDue;
        const std::vector<DueItem> due = dueItems(ctx_.db, user, now);
        if (!showAll(due, session, result.shown)) {
            return result; // the session ended while a reminder was open
        }
        if (counter_ >= interval) {
            counter_ = 0;
            step_ = RefreshGrid;
            if (result.shown > 0 && hooks_.appointmentsPanelShown &&
                hooks_.appointmentsPanelShown() && hooks_.refreshGrid) {
                hooks_.refreshGrid();
                result.refreshed = true;
            }
        }
    } catch (const DbError& e) {
        result.failed = true;
        report({step_, e.code(), e.description()});
    } catch (const std::exception& e) {
        result.failed = true;
        report({step_, 0, QString::fromLocal8Bit(e.what())});
    }
    return result;
}

void DueCheck::report(const StepFailure& failure) {
    if (!hooks_.failed) {
        throw; // nobody to tell: the failure goes on to the caller unchanged
    }
    hooks_.failed(failure);
}

bool DueCheck::showAll(const std::vector<DueItem>& items, unsigned session, int& shown) {
    for (const DueItem& item : items) {
        step_ = item.isBirthday() ? ShowBirthday : ShowAppointment;
        remindedKey_ = item.key;
        hooks_.showReminder(item);
        if (session != session_) {
            return false;
        }
        ++shown;
    }
    return true;
}

} // namespace orv::reminders
