#pragma once
// Runs independent pieces of work on the CPUs this process may use. Only plain computation goes
// to the workers; the caller keeps every call to the dialogs on its own thread.

#include <algorithm>
#include <atomic>
#include <thread>
#include <vector>

#include "engine/CpuCount.h"

namespace vantorel {

namespace detail {
// Set by ScopedWorkerLimit on a thread that runs one of several calculations side by side.
inline thread_local unsigned worker_limit = 0;
}  // namespace detail

inline unsigned WorkerCount() {
    const unsigned workers = std::min(8u, CoreCount());
    return detail::worker_limit == 0 ? workers : std::max(1u, std::min(workers, detail::worker_limit));
}

// While it lives, ParallelFor on this thread uses at most `limit` threads (the calling thread
// included), so that calculations running side by side share the cores instead of crowding them.
class ScopedWorkerLimit {
public:
    explicit ScopedWorkerLimit(unsigned limit) : previous_(detail::worker_limit) { detail::worker_limit = limit; }
    ~ScopedWorkerLimit() { detail::worker_limit = previous_; }
    ScopedWorkerLimit(const ScopedWorkerLimit&) = delete;
    ScopedWorkerLimit& operator=(const ScopedWorkerLimit&) = delete;

private:
    unsigned previous_;
};

// Calls work(index, worker) for every index in [begin, end), each exactly once, on up to
// WorkerCount() threads (the calling thread is worker 0); returns when all are done.
template <typename Work>
void ParallelFor(int begin, int end, Work&& work) {
    std::atomic<int> next{begin};
    const auto run = [&](unsigned worker) {
        for (int index = next++; index < end; index = next++) work(index, worker);
    };
    const unsigned workers = std::min<unsigned>(WorkerCount(), static_cast<unsigned>(std::max(1, end - begin)));
    std::vector<std::thread> threads;
    for (unsigned worker = 1; worker < workers; ++worker) threads.emplace_back(run, worker);
    run(0);
    for (std::thread& thread : threads) thread.join();
}

}  // namespace vantorel
