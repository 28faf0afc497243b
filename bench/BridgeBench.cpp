// One year of demo setup data (option 3) read in this process, and the same year read through
// the bridge protocol from a bridge process serving the demo (BM_SetupYear/0 and /1): what the
// 64-bit program pays for reaching the 32-bit component through the bridge.
//
// Reported: records per second of the whole download (open, status polls, the read loop, close).

#include "JvTestReading.h"
#include "datalink/BridgeJvLink.h"
#include "datalink/BridgeProcess.h"
#include "demo/DemoJvLink.h"
#include "support/FakePorts.h"

#include <benchmark/benchmark.h>

namespace kagiroi {
namespace {

const DateTime kNow{2024, 6, 15, 12, 0, 0};

std::unique_ptr<JvLink> Service(bool bridged, const Clock& clock) {
    if (!bridged) return std::make_unique<DemoJvLink>(clock);
    auto process = std::make_unique<BridgeProcess>(KAGIROI_STANDIN_BRIDGE_PATH,
                                                   std::vector<std::string>{"2024-06-15T12:00:00"});
    return std::make_unique<BridgeJvLink>(std::move(process), nullptr);
}

void BM_SetupYear(benchmark::State& state) {
    const bool bridged = state.range(0) != 0;
    test::FakeClock clock(kNow);
    double records = 0;
    for (auto _ : state) {
        state.PauseTiming();
        std::unique_ptr<JvLink> service = Service(bridged, clock);
        if (service->JVInit("KAGIROI") != 0) state.SkipWithError("JVInit failed");
        state.ResumeTiming();
        test::JvDownload download = test::Download(*service, "20230615000000", 3);
        state.PauseTiming();
        if (download.reading.lastCode != 0) state.SkipWithError("the download did not complete");
        records += static_cast<double>(download.reading.records.size());
        service.reset();
        state.ResumeTiming();
    }
    using benchmark::Counter;
    state.counters["records/s"] = Counter(records, Counter::kIsRate);
    state.counters["records"] = Counter(records, Counter::kAvgIterations);
}
BENCHMARK(BM_SetupYear)->Arg(0)->Arg(1)->Unit(benchmark::kSecond)->Iterations(3)->UseRealTime();

}  // namespace
}  // namespace kagiroi
