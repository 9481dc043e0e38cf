#include "python/Interruptible.h"

#include <pybind11/pybind11.h>

#include <chrono>
#include <exception>
#include <future>
#include <thread>

namespace py = pybind11;

namespace vantorel::python {

bool CallInterruptibly(const std::function<void(const StopRequest& stop)>& work) {
    StopRequest stop;
    std::exception_ptr failure;
    std::promise<void> done;
    std::future<void> finished = done.get_future();
    std::thread worker([&]() {
        try {
            work(stop);
        } catch (...) {
            failure = std::current_exception();
        }
        done.set_value();
    });
    bool interrupted = false;
    for (;;) {
        {
            const py::gil_scoped_release released;
            if (finished.wait_for(std::chrono::milliseconds(50)) == std::future_status::ready) break;
        }
        if (PyErr_CheckSignals() != 0) {
            interrupted = true;
            stop.Request();
            const py::gil_scoped_release released;
            finished.wait();
            break;
        }
    }
    worker.join();
    if (!interrupted && failure) std::rethrow_exception(failure);
    return interrupted;
}

}  // namespace vantorel::python
