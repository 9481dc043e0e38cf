#pragma once
// Long work off the window thread: the calculation of "Save all - Run", the drainage-factor map and
// the scenario study all run this way. One piece of work runs at a time, on a thread of its own;
// what it reports is carried out on the window thread, in the order sent, and the work may wait
// there for an answer (a question box). Cancel is a stop request that the work looks at. When the
// owner goes, the work is asked to stop, one waiting for an answer gets none, and the owner waits
// for its end.

#include <QObject>

#include <condition_variable>
#include <functional>
#include <memory>
#include <mutex>
#include <string>
#include <thread>

#include "engine/StopRequest.h"

namespace vantorel {

class BackgroundWork {
public:
    // Calls for the window thread are made on the owner's thread.
    explicit BackgroundWork(QObject& owner) : owner_(owner) {}
    ~BackgroundWork();
    BackgroundWork(const BackgroundWork&) = delete;
    BackgroundWork& operator=(const BackgroundWork&) = delete;

    // Runs `work` on a new thread with a stop request of its own; `finished` then runs on the
    // window thread with the message of the exception that ended the work, or an empty one.
    // False, and nothing started, while earlier work is busy.
    bool Start(std::function<void(const StopRequest& stop)> work,
               std::function<void(const std::string& failure)> finished);
    // Work started whose `finished` has not run yet.
    bool Busy() const { return busy_; }
    // The work ends at its next look at its stop request.
    void RequestStop();

    // For the work: `call` runs on the window thread as soon as it is free.
    void Post(std::function<void()> call);
    // For the work: `call` runs on the window thread and the work waits until it has returned.
    // False, without the call, when the owner is going.
    bool Call(std::function<void()> call);

private:
    QObject& owner_;
    std::thread thread_;
    std::unique_ptr<StopRequest> stop_;
    bool busy_ = false;
    std::mutex mutex_;
    std::condition_variable returned_;
    bool closing_ = false;
};

}  // namespace vantorel
