#pragma once

#include <type_traits>
#include <utility>

namespace tavrin::system {

// Runs an action when the scope ends, however it ends. What the action raises is dropped, as
// a destructor must not throw: an action whose failure matters logs it itself.
template <typename Action> class ScopeGuard {
public:
    explicit ScopeGuard(Action action) noexcept(std::is_nothrow_move_constructible_v<Action>)
        : action_(std::move(action)) {}
    ScopeGuard(const ScopeGuard&) = delete;
    ScopeGuard& operator=(const ScopeGuard&) = delete;
    ~ScopeGuard() {
        if (!armed_) {
            return;
        }
        try {
            action_();
        } catch (...) {
        }
    }

    // The work succeeded: the action is not needed.
    void dismiss() noexcept { armed_ = false; }

private:
    Action action_;
    bool armed_ = true;
};

} // namespace tavrin::system
