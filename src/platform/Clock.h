#pragma once

#include "platform/DateTime.h"

#include <memory>

namespace kagiroi {

// The local date and time. Every "now", "today" and timer decision reads a Clock, so a test
// (or KAGIROI_NOW) can set the time.
class Clock {
  public:
    virtual ~Clock() = default;
    virtual DateTime Now() const = 0;
};

// Milliseconds of a clock that never jumps (for measuring elapsed time). Core code reads time
// only through here and Clock: <chrono> cannot be compiled with the Shift_JIS literal flags.
int64_t MonotonicMilliseconds();
void SleepMilliseconds(int milliseconds);

class SystemClock : public Clock {
  public:
    DateTime Now() const override;
};

// Starts at a chosen moment and runs on in real time from there.
class StartedClock : public Clock {
  public:
    explicit StartedClock(const DateTime& start);
    DateTime Now() const override;

  private:
    int64_t startSeconds_;
    int64_t startedAtMs_;
};

// The system clock, or a StartedClock when KAGIROI_NOW ("yyyy-mm-ddThh:mm:ss") is set and
// valid. `ignoredValue` receives a value that was set but could not be read.
std::unique_ptr<Clock> MakeClockFromEnvironment(std::string* ignoredValue = nullptr);

}  // namespace kagiroi
