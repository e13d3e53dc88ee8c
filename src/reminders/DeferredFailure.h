#pragma once

#include <exception>
#include <utility>

namespace orv::reminders {

// Keeps a failure raised by a button of a modal window until the window has
// closed: an exception must not cross the window's event loop, but the code
// that opened the window still has to learn of it.
class DeferredFailure {
public:
    // Runs the action; a failure is kept and false returned.
    template <class Action> bool run(Action&& action) {
        try {
            std::forward<Action>(action)();
            return true;
        } catch (...) {
            failure_ = std::current_exception();
            return false;
        }
    }

    bool failed() const { return failure_ != nullptr; }

    // Throws the kept failure, if any, and forgets it.
    void rethrow() {
        if (failure_) {
            std::rethrow_exception(std::exchange(failure_, nullptr));
        }
    }

private:
    std::exception_ptr failure_;
};

} // namespace orv::reminders
