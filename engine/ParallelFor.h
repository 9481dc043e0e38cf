#pragma once
// Runs independent pieces of work on all cores. Only plain computation goes to the workers; the
// caller keeps every call to the dialogs on its own thread.

#include <algorithm>
#include <atomic>
#include <thread>
#include <vector>

namespace vantorel {

inline unsigned WorkerCount() { return std::max(1u, std::min(8u, std::thread::hardware_concurrency())); }

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
