#include "app/runner/StopSignals.h"

#include <atomic>
#include <csignal>
#include <cstdlib>
#include <iostream>

namespace vantorel {

namespace {

StopRequest stop_request;
std::atomic<int> stop_signal{0};
static_assert(std::atomic<int>::is_always_lock_free, "a signal handler must be able to set it");

void OnStopSignal(int signal) {
    stop_signal.store(signal);
    stop_request.Request();
    // Where a handler serves once only, a second Ctrl+C must not end the program half-way.
    std::signal(signal, OnStopSignal);
}

// Runs after the destructors of everything made after CatchStopSignals, so that temporary
// folders and files are gone first.
void EndAsSignalled() {
    const int signal = stop_signal.load();
    if (signal == 0) return;
    std::cout.flush();
    std::cerr.flush();
#ifndef _WIN32
    std::signal(signal, SIG_DFL);
    std::raise(signal);
#endif
}

}  // namespace

void CatchStopSignals() {
    std::atexit(EndAsSignalled);
    std::signal(SIGINT, OnStopSignal);
    std::signal(SIGTERM, OnStopSignal);
}

const StopRequest& SignalStopRequest() { return stop_request; }

int StopSignal() { return stop_signal.load(); }

}  // namespace vantorel
