#pragma once
// Long calculations that Ctrl+C interrupts. Python runs its signal handlers on the main thread
// only, between steps of Python code, so a calculation that holds the thread (even with the GIL
// released) would run to its end before KeyboardInterrupt is raised.

#include <functional>

#include "engine/StopRequest.h"

namespace vantorel::python {

// Calls work(stop) on a thread of its own with the GIL released, while the calling thread runs
// Python's signal handlers every 50 ms. When one raises (KeyboardInterrupt), the stop is
// requested, work is waited for (it ends within its next step) and true is returned with the
// Python error still set: the caller cleans up and throws pybind11::error_already_set. An
// exception of work is thrown again here. Call it with the GIL held.
bool CallInterruptibly(const std::function<void(const StopRequest& stop)>& work);

}  // namespace vantorel::python
