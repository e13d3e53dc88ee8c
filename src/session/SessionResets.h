#pragma once

#include <functional>
#include <vector>

namespace orv {

// Each part of the program that keeps working values for a user registers how
// to forget them; ending a session runs every reset, in registration order.
class SessionResets {
public:
    using Reset = std::function<void()>;
    void add(Reset reset) { resets_.push_back(std::move(reset)); }
    void runAll() const {
        for (const auto& reset : resets_) {
            reset();
        }
    }

private:
    std::vector<Reset> resets_;
};

} // namespace orv
