#pragma once
// A request from outside a calculation to end it early: the window's Cancel, a signal to the batch
// runner, Ctrl+C in Python. The calculation looks at it between time steps and between trials of
// its searches and then ends by throwing RunInterrupted, so that it writes no output file and gives
// the data set back as it was entered.

#include <atomic>
#include <stdexcept>

namespace vantorel {

class StopRequest {
public:
    // Safe to call from any thread and from a signal handler.
    void Request() noexcept { requested_.store(true, std::memory_order_relaxed); }
    bool Requested() const noexcept { return requested_.load(std::memory_order_relaxed); }

private:
    std::atomic<bool> requested_{false};
    static_assert(std::atomic<bool>::is_always_lock_free, "a signal handler must be able to set it");
};

class RunInterrupted : public std::runtime_error {
public:
    RunInterrupted() : std::runtime_error("The calculation was interrupted.") {}
};

// Whether a stop was requested; a null request never stops.
inline bool StopRequested(const StopRequest* stop) { return stop != nullptr && stop->Requested(); }

// Ends the calculation when a stop was requested.
inline void ThrowIfStopRequested(const StopRequest* stop) {
    if (StopRequested(stop)) throw RunInterrupted();
}

}  // namespace vantorel
