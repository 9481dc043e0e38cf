#include "ui/BackgroundWork.h"

#include <QMetaObject>

namespace vantorel {

BackgroundWork::~BackgroundWork() {
    RequestStop();
    {
        const std::lock_guard lock(mutex_);
        closing_ = true;
    }
    returned_.notify_all();
    if (thread_.joinable()) thread_.join();
}

bool BackgroundWork::Start(std::function<void(const StopRequest& stop)> work,
                           std::function<void(const std::string& failure)> finished) {
    if (busy_) return false;
    if (thread_.joinable()) thread_.join();
    stop_ = std::make_unique<StopRequest>();
    busy_ = true;
    thread_ = std::thread([this, work = std::move(work), finished = std::move(finished)] {
        std::string failure;
        try {
            work(*stop_);
        } catch (const std::exception& error) {
            failure = error.what();
        }
        Post([this, finished, failure] {
            // The thread has nothing left to do but to return.
            thread_.join();
            busy_ = false;
            finished(failure);
        });
    });
    return true;
}

void BackgroundWork::RequestStop() {
    if (stop_) stop_->Request();
}

void BackgroundWork::Post(std::function<void()> call) {
    QMetaObject::invokeMethod(&owner_, std::move(call), Qt::QueuedConnection);
}

bool BackgroundWork::Call(std::function<void()> call) {
    // Guarded by mutex_. The call is made on the window thread, the only thread that also sets
    // closing_, and is dropped unmade once the owner is destroyed.
    auto returned = std::make_shared<bool>(false);
    Post([this, call = std::move(call), returned] {
        call();
        {
            const std::lock_guard lock(mutex_);
            *returned = true;
        }
        returned_.notify_all();
    });
    std::unique_lock lock(mutex_);
    returned_.wait(lock, [&] { return *returned || closing_; });
    return *returned;
}

}  // namespace vantorel
