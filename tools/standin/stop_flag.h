#pragma once

#include <chrono>
#include <condition_variable>
#include <mutex>

// Set when the stand-in shuts down; a delayed answer waits on it so that the
// shutdown does not wait out the delay.
class StopFlag {
public:
    void Set();
    // Waits up to `duration`; true when the flag was set meanwhile.
    bool WaitFor(std::chrono::seconds duration);

private:
    std::mutex mutex_;
    std::condition_variable changed_;
    bool set_ = false;
};
