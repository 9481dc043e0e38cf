// Run by ctest under the limits of a shared machine (taskset, VANTOREL_THREADS), with the number
// of CPUs that must result in VANTOREL_EXPECTED_CPUS: the search's workers and runs side by side
// then use no more threads than that.

#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <mutex>
#include <set>
#include <thread>

#include "engine/ParallelFor.h"
#include "engine/RunPool.h"

namespace vantorel {
namespace {

unsigned ExpectedCpus() {
    const char* expected = std::getenv("VANTOREL_EXPECTED_CPUS");
    return expected == nullptr ? 0 : static_cast<unsigned>(std::atoi(expected));
}

// The threads that took part in work spread over many short pieces.
template <typename Spread>
size_t ThreadsUsed(Spread spread) {
    std::mutex guard;
    std::set<std::thread::id> threads;
    spread([&] {
        std::this_thread::sleep_for(std::chrono::milliseconds(2));
        const std::lock_guard<std::mutex> lock(guard);
        threads.insert(std::this_thread::get_id());
    });
    return threads.size();
}

TEST(ThreadLimit, SearchesAndRunsSideBySideStayWithinTheCpusGiven) {
    const unsigned expected = ExpectedCpus();
    ASSERT_GT(expected, 0u) << "set VANTOREL_EXPECTED_CPUS";
    EXPECT_EQ(CoreCount(), expected);
    EXPECT_EQ(ThreadsUsed([](auto piece) { ParallelFor(0, 40, [&](int, unsigned) { piece(); }); }), expected);
    EXPECT_EQ(ThreadsUsed([](auto piece) { RunSideBySide(40, 4096, [&](size_t) { piece(); }, nullptr); }), expected);
}

}  // namespace
}  // namespace vantorel
