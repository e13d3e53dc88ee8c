#pragma once

#include "mainwindow/Messages.h"

#include <QString>
#include <functional>

namespace orv {

class DbError;

// The one way a window action meets a failure of the data file: the action
// stops where it failed (its statements are rolled back, so nothing is half
// written), the message box tells in Portuguese what could not be done and
// what to try, the window keeps what was typed so the action can be tried
// again, and the program goes on.
class ActionGuard {
public:
    explicit ActionGuard(Messages& messages);

    // Runs the action; false when it failed and the failure was shown.
    bool run(const std::function<void()>& action);
    // Runs a write the person did not ask for (storing the last panel): a
    // failure does not stop what the person is doing and is told once a session.
    void bookkeeping(const std::function<void()>& write);
    // The session ended: the next failing bookkeeping write is told again.
    void reset() { bookkeepingTold_ = false; }

    // The message for a failure of the data file.
    QString textFor(const DbError& error) const;

private:
    bool runAndTell(const std::function<void()>& action, bool tell);

    Messages& messages_;
    bool bookkeepingTold_ = false;
};

// A slot that runs a member function under the guard, for connect().
template <class Object, class... Args>
auto guarded(ActionGuard& guard, Object* object, void (Object::*action)(Args...)) {
    return
        [&guard, object, action](Args... args) { guard.run([&] { (object->*action)(args...); }); };
}

// A slot that runs a function object under the guard, for connect(); the
// signal's arguments are not passed on.
template <class Action> auto guarded(ActionGuard& guard, Action action) {
    return [&guard, action] { guard.run(action); };
}

} // namespace orv
