#include "engine/RunPool.h"

#include <exception>
#include <mutex>
#include <thread>
#include <vector>

#include "engine/ParallelFor.h"

namespace vantorel {

unsigned SideBySideThreads(unsigned jobs, size_t count) {
    size_t threads = std::min<size_t>({jobs, CoreCount(), count});
    return static_cast<unsigned>(std::max<size_t>(1, threads));
}

void RunSideBySide(size_t count, unsigned jobs, const std::function<void(size_t index)>& run,
                   const std::function<void(size_t index)>& finished, const std::atomic<bool>* cancel) {
    const unsigned threads = SideBySideThreads(jobs, count);
    const unsigned search_threads = std::max(1u, CoreCount() / threads);
    std::atomic<size_t> next{0};
    std::atomic<bool> failed{false};
    std::mutex finishing;
    std::exception_ptr failure;
    const auto work = [&]() {
        const ScopedWorkerLimit limit(search_threads);
        for (;;) {
            if (failed || (cancel != nullptr && *cancel)) return;
            const size_t index = next++;
            if (index >= count) return;
            try {
                run(index);
                const std::lock_guard<std::mutex> lock(finishing);
                if (finished) finished(index);
            } catch (...) {
                const std::lock_guard<std::mutex> lock(finishing);
                if (!failure) failure = std::current_exception();
                failed = true;
                return;
            }
        }
    };
    std::vector<std::thread> helpers;
    for (unsigned thread = 1; thread < threads; ++thread) helpers.emplace_back(work);
    work();
    for (std::thread& helper : helpers) helper.join();
    if (failure) std::rethrow_exception(failure);
}

}  // namespace vantorel
