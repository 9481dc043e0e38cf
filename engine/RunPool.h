#pragma once
// Many independent calculations side by side on the machine's cores: never more threads in
// total than cores, so each calculation's own searches get the cores its thread may use.

#include <atomic>
#include <cstddef>
#include <functional>

namespace vantorel {

// The threads RunSideBySide uses for `jobs` jobs over `count` runs: jobs, at most the cores and
// the runs, at least one.
unsigned SideBySideThreads(unsigned jobs, size_t count);

// Calls run(index) for every index in [0, count), each once, on SideBySideThreads(jobs, count)
// threads (the calling thread is one of them). Each run's ParallelFor takes the cores divided
// by the threads. finished(index) is called once a run has returned, on the thread that ran it,
// never for two runs at once. Once *cancel is true no further run starts. An exception of a
// run stops the handing out of runs and is thrown again when all threads have ended.
void RunSideBySide(size_t count, unsigned jobs, const std::function<void(size_t index)>& run,
                   const std::function<void(size_t index)>& finished, const std::atomic<bool>* cancel = nullptr);

}  // namespace vantorel
