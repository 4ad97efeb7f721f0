#pragma once

#include <utility>

// Runs a clean-up action when the scope ends, on every path out of it
// (return or exception), unless dismissed. Not copyable; the action must not
// throw.
template <typename F>
class ScopeGuard {
  public:
    explicit ScopeGuard(F action) : action_(std::move(action)) {}
    ~ScopeGuard() {
        if (active_) {
            action_();
        }
    }
    ScopeGuard(const ScopeGuard&) = delete;
    ScopeGuard& operator=(const ScopeGuard&) = delete;
    void Dismiss() { active_ = false; }
    // Runs the action now, where a path needs it done before what follows,
    // and not again when the scope ends.
    void RunNow() {
        if (active_) {
            active_ = false;
            action_();
        }
    }

  private:
    F action_;
    bool active_ = true;
};
