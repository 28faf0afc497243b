#include "platform/Clock.h"

#include <cstdlib>
#include <ctime>

#ifdef _WIN32
#include <windows.h>
#endif

namespace kagiroi {

DateTime SystemClock::Now() const {
    std::time_t now = std::time(nullptr);
    std::tm local{};
#ifdef _WIN32
    localtime_s(&local, &now);
#else
    localtime_r(&now, &local);
#endif
    DateTime t;
    t.year = local.tm_year + 1900;
    t.month = local.tm_mon + 1;
    t.day = local.tm_mday;
    t.hour = local.tm_hour;
    t.minute = local.tm_min;
    t.second = local.tm_sec;
    return t;
}

int64_t MonotonicMilliseconds() {
#ifdef _WIN32
    return static_cast<int64_t>(GetTickCount64());
#else
    timespec ts{};
    clock_gettime(CLOCK_MONOTONIC, &ts);
    return static_cast<int64_t>(ts.tv_sec) * 1000 + ts.tv_nsec / 1000000;
#endif
}

void SleepMilliseconds(int milliseconds) {
    if (milliseconds <= 0) return;
#ifdef _WIN32
    Sleep(static_cast<DWORD>(milliseconds));
#else
    timespec ts{milliseconds / 1000, static_cast<long>(milliseconds % 1000) * 1000000L};
    while (nanosleep(&ts, &ts) != 0) {
    }
#endif
}

StartedClock::StartedClock(const DateTime& start)
    : startSeconds_(ToSerialSeconds(start)), startedAtMs_(MonotonicMilliseconds()) {}

DateTime StartedClock::Now() const {
    return FromSerialSeconds(startSeconds_ + (MonotonicMilliseconds() - startedAtMs_) / 1000);
}

std::unique_ptr<Clock> MakeClockFromEnvironment(std::string* ignoredValue) {
    const char* value = std::getenv("KAGIROI_NOW");
    if (value != nullptr && *value != '\0') {
        if (auto start = ParseIsoDateTime(value)) return std::make_unique<StartedClock>(*start);
        if (ignoredValue != nullptr) *ignoredValue = value;
    }
    return std::make_unique<SystemClock>();
}

}  // namespace kagiroi
