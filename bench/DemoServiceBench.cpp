// How fast the demo data service serves a setup download of one year through JVRead.

#include "demo/DemoJvLink.h"
#include "platform/Clock.h"

#include <benchmark/benchmark.h>

namespace {

class FixedClock : public kagiroi::Clock {
  public:
    kagiroi::DateTime Now() const override { return {2024, 6, 15, 12, 0, 0}; }
};

void BM_DemoSetupDownloadOneYear(benchmark::State& state) {
    FixedClock clock;
    int64_t records = 0, bytes = 0;
    for (auto _ : state) {
        kagiroi::DemoJvLink demo(clock);
        demo.JVInit("KAGIROI");
        int readCount = 0, downloadCount = 0;
        std::string stamp, record, file;
        demo.JVOpen("RACEDIFFHOSESNAP", "20230615120000", 3, readCount, downloadCount, stamp);
        while (demo.JVStatus() < downloadCount) {
        }
        for (int code; (code = demo.JVRead(record, 100000, file)) != 0;) {
            if (code > 0) {
                ++records;
                bytes += code;
            }
        }
        demo.JVClose();
    }
    state.counters["records/s"] =
        benchmark::Counter(static_cast<double>(records), benchmark::Counter::kIsRate);
    state.counters["MB/s"] =
        benchmark::Counter(static_cast<double>(bytes) / 1e6, benchmark::Counter::kIsRate);
    state.counters["records"] =
        benchmark::Counter(static_cast<double>(records), benchmark::Counter::kAvgIterations);
    state.counters["MB"] =
        benchmark::Counter(static_cast<double>(bytes) / 1e6, benchmark::Counter::kAvgIterations);
}
BENCHMARK(BM_DemoSetupDownloadOneYear)->Unit(benchmark::kSecond)->Iterations(3);

}  // namespace
