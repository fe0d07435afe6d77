#include "stop_flag.h"

void StopFlag::Set() {
    {
        std::lock_guard<std::mutex> lock(mutex_);
        set_ = true;
    }
    changed_.notify_all();
}

bool StopFlag::WaitFor(std::chrono::seconds duration) {
    std::unique_lock<std::mutex> lock(mutex_);
    return changed_.wait_for(lock, duration, [this] { return set_; });
}
