// A setup download (セットアップデータ, option 3) of one year of demo data into an empty store,
// through the download dialog's read loop as the program runs it: the status timer polled until
// the service has fetched its files, then every record read and stored. Once without and once
// with the final odds (BM_SetupDownloadYear/0 and /1).
//
// Reported: records read and stored per second, the bytes the program wrote (the file layer's
// count, and the process's write_bytes from /proc/self/io where the system gives it) against
// the size of the store the download leaves (the sum of its files' sizes).

#include "datalink/TGetDataForm.h"
#include "daystore/DayFiles.h"
#include "daystore/DayStore.h"
#include "demo/DemoJvLink.h"
#include "platform/ErrorLog.h"
#include "platform/FileSystem.h"
#include "platform/SettingsFile.h"
#include "support/FakePorts.h"
#include "support/TempFolder.h"

#include <benchmark/benchmark.h>

#include <fstream>
#include <memory>
#include <optional>
#include <string>

namespace kagiroi {
namespace {

// The process's write_bytes (bytes sent to the storage layer), when the system reports it.
std::optional<uint64_t> ProcessWriteBytes() {
    std::ifstream io("/proc/self/io");
    std::string name;
    uint64_t value = 0;
    while (io >> name >> value)
        if (name == "write_bytes:") return value;
    return std::nullopt;
}

uint64_t StoreSize(const std::string& programFolder) {
    uint64_t bytes = 0;
    for (const std::string& folder : {DataFolder(programFolder), ChangeFolder(programFolder)})
        for (const std::string& name : ListFiles(folder))
            bytes += static_cast<uint64_t>(FileSize(JoinPath(folder, name)).value_or(0));
    return bytes;
}

void BM_SetupDownloadYear(benchmark::State& state) {
    const bool finalOdds = state.range(0) != 0;
    const DateTime now{2024, 6, 15, 12, 0, 0};
    double records = 0, stored = 0, written = 0, systemWritten = 0, storeSize = 0;
    bool systemCounts = true;
    for (auto _ : state) {
        state.PauseTiming();
        auto folder = std::make_unique<test::TempFolder>();
        MakeDirectories(DataFolder(folder->Path()));
        test::FakeClock clock(now);
        test::FakeUi ui;
        DemoJvLink demo(clock);
        demo.JVInit("KAGIROI");
        SettingsFile settings(JoinPath(folder->Path(), "kagiroi.ini"));
        ErrorLog log(JoinPath(folder->Path(), "ErrorLog.txt"), clock);
        bool cancelFlag = false;
        {
            DayStore store(folder->Path());
            TGetDataForm form(demo, store, settings, log, ui, clock, cancelFlag);
            form.FormCreate();
            form.StartDate = AddDays(now, -365);
            form.DataChoice = 1;
            form.FinalOdds = finalOdds;
            uint64_t writtenBefore = BytesWrittenSoFar();
            auto systemBefore = ProcessWriteBytes();
            state.ResumeTiming();

            form.StartClick();
            // The dialog's 10 ms timer, without the waiting: the demo fetches a file per poll.
            while (form.Running() && form.StatusTimerEnabled)
                form.StatusTimerTick();

            state.PauseTiming();
            auto systemAfter = ProcessWriteBytes();
            written += static_cast<double>(BytesWrittenSoFar() - writtenBefore);
            if (systemBefore && systemAfter)
                systemWritten += static_cast<double>(*systemAfter - *systemBefore);
            else
                systemCounts = false;
            records += static_cast<double>(form.Summary().recordsRead);
            stored += static_cast<double>(form.Summary().recordsStored);
            if (!form.Summary().completed) state.SkipWithError("the download did not complete");
        }
        storeSize += static_cast<double>(StoreSize(folder->Path()));
        folder.reset();
        state.ResumeTiming();
    }
    using benchmark::Counter;
    state.counters["records/s"] = Counter(records, Counter::kIsRate);
    state.counters["stored/s"] = Counter(stored, Counter::kIsRate);
    state.counters["records"] = Counter(records, Counter::kAvgIterations);
    state.counters["written_MB"] = Counter(written / 1e6, Counter::kAvgIterations);
    if (systemCounts)
        state.counters["io_write_MB"] = Counter(systemWritten / 1e6, Counter::kAvgIterations);
    state.counters["store_MB"] = Counter(storeSize / 1e6, Counter::kAvgIterations);
    state.counters["written/store"] = storeSize > 0 ? written / storeSize : 0;
}
BENCHMARK(BM_SetupDownloadYear)
    ->Arg(0)
    ->Arg(1)
    ->Unit(benchmark::kSecond)
    ->Iterations(1)
    ->UseRealTime();

}  // namespace
}  // namespace kagiroi
