#pragma once

#include <QObject>
#include <QPointer>
#include <functional>
#include <vector>

namespace orv {

// Each part of the program that keeps working values for a user registers how
// to forget them; ending a session runs every reset, in registration order.
class SessionResets {
public:
    using Reset = std::function<void()>;
    void add(Reset reset) { resets_.push_back(std::move(reset)); }
    // The reset of a part that may be gone before the session ends: it runs
    // only while its owner lives.
    void add(QObject* owner, Reset reset) {
        add([guard = QPointer<QObject>(owner), reset = std::move(reset)] {
            if (guard) {
                reset();
            }
        });
    }
    void runAll() const {
        for (const auto& reset : resets_) {
            reset();
        }
    }

private:
    std::vector<Reset> resets_;
};

} // namespace orv
