#pragma once
// Runs work on the window thread on behalf of another thread.
#include <functional>

namespace dorvik {

class UiDispatcher {
public:
    virtual ~UiDispatcher() = default;
    // Runs fn on the window thread and returns when it has finished.
    // Calls from one thread run in the order they were made.
    virtual void Invoke(const std::function<void()>& fn) = 0;
};

// Runs the work at once on the calling thread (tests, command-line front end
// when the caller already is the loop thread).
class InlineDispatcher : public UiDispatcher {
public:
    void Invoke(const std::function<void()>& fn) override { fn(); }
};

}  // namespace dorvik
