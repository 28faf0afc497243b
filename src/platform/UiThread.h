#pragma once

#include <condition_variable>
#include <deque>
#include <functional>
#include <mutex>

namespace kagiroi {

// Hands work from a worker thread to the user-interface thread, where tasks run one after
// another in the order they were posted. The Qt layer posts into its event loop.
class UiThread {
  public:
    virtual ~UiThread() = default;
    // May be called from any thread.
    virtual void Post(std::function<void()> task) = 0;
};

// A user-interface thread without a window system (the command line, tests): posted tasks
// wait in a queue until the owning thread runs them.
class QueuedUiThread : public UiThread {
  public:
    void Post(std::function<void()> task) override;
    // Runs every task posted so far; returns how many ran.
    int RunPending();
    // Waits up to `milliseconds` for a task, then runs every pending one. False when none came.
    bool WaitAndRun(int milliseconds);

  private:
    std::mutex mutex_;
    std::condition_variable posted_;
    std::deque<std::function<void()>> tasks_;
};

}  // namespace kagiroi
