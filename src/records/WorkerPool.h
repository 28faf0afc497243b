#pragma once

#include <functional>

namespace kagiroi {

// The number of worker threads a replay uses when the user gives none: one a core.
int DefaultJobCount();

// Runs `work(k)` for every k in [0, count) on up to `jobs` threads, each item once. The calling
// thread waits and is told how many items are done (`done`) every few hundredths of a second;
// when it answers false, no further item is started. `work` must touch nothing shared but what
// it owns for item k. Returns false when stopped early.
bool RunOnWorkers(int count, int jobs, const std::function<void(int)>& work,
                  const std::function<bool(int done)>& done = {});

}  // namespace kagiroi
