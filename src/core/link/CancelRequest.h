#pragma once
// The user's request to stop a running job. The front end sets it from any thread (a signal handler
// included: it is one lock-free atomic); the job takes it away when it polls, so only the first poll
// after a request sees it.
#include <atomic>

namespace tarn {

class CancelRequest {
public:
    void Request() { requested_.store(true); }
    bool Take() { return requested_.exchange(false); }

private:
    std::atomic<bool> requested_{false};
    static_assert(std::atomic<bool>::is_always_lock_free);
};

}  // namespace tarn
