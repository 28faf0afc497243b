#include "records/WorkerPool.h"

#include <algorithm>
#include <atomic>
#include <condition_variable>
#include <mutex>
#include <thread>
#include <vector>

namespace kagiroi {

int DefaultJobCount() {
    return std::max(1, static_cast<int>(std::thread::hardware_concurrency()));
}

bool RunOnWorkers(int count, int jobs, const std::function<void(int)>& work,
                  const std::function<bool(int done)>& done) {
    std::atomic<int> next{0};
    std::atomic<bool> stop{false};
    int finished = 0;
    std::mutex mutex;
    std::condition_variable changed;
    auto worker = [&] {
        for (int k = next++; k < count && !stop; k = next++) {
            work(k);
            std::lock_guard lock(mutex);
            ++finished;
            changed.notify_all();
        }
    };
    int threads = std::clamp(jobs, 1, std::max(1, count));
    std::vector<std::thread> pool;
    for (int t = 0; t < threads; ++t)
        pool.emplace_back(worker);
    {
        std::unique_lock lock(mutex);
        while (finished < count && !stop) {
            changed.wait_for(lock, std::chrono::milliseconds(50));
            if (done) {
                int now = finished;
                lock.unlock();
                if (!done(now)) stop = true;
                lock.lock();
            }
        }
    }
    for (auto& thread : pool)
        thread.join();
    return !stop;
}

}  // namespace kagiroi
