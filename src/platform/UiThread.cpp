#include "platform/UiThread.h"

namespace kagiroi {

void QueuedUiThread::Post(std::function<void()> task) {
    {
        std::lock_guard lock(mutex_);
        tasks_.push_back(std::move(task));
    }
    posted_.notify_all();
}

int QueuedUiThread::RunPending() {
    std::deque<std::function<void()>> ready;
    {
        std::lock_guard lock(mutex_);
        ready.swap(tasks_);
    }
    // A task may post more; those run at the next call, keeping the order.
    for (auto& task : ready)
        task();
    return static_cast<int>(ready.size());
}

bool QueuedUiThread::WaitAndRun(int milliseconds) {
    {
        std::unique_lock lock(mutex_);
        if (!posted_.wait_for(lock, std::chrono::milliseconds(milliseconds),
                              [this] { return !tasks_.empty(); }))
            return false;
    }
    return RunPending() > 0;
}

}  // namespace kagiroi
