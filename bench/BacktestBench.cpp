// The backtest of a year: 104 race days (every Saturday and Sunday of 2024, 3 racecourses × 12
// races × 18 runners each) written once into a program folder, then replayed race by race
// with the settings' amount and mode:
//   BM_BacktestYear   the whole year (one iteration) with --jobs 1 and then 2; counters: days,
//                     races, ms per race, jobs2_s and speedup (one job's time over two jobs'),
//                     and export_s, the year's statistics export (年単位) over the same days.
//   BM_SweepYear      a sweep of 100 combinations over the same year on two jobs, each day
//                     read once and each race opened once; counters: combos, days.

#include "BenchDay.h"

#include "app/TMainForm.h"
#include "platform/Clock.h"
#include "records/Backtest.h"
#include "records/Sweep.h"
#include "support/FakeJvLink.h"
#include "support/FakePorts.h"
#include "support/TempFolder.h"

#include <benchmark/benchmark.h>

#include <memory>
#include <stdexcept>

namespace kagiroi {
namespace {

constexpr int kRaceDays = 104;

// The weekend dates of 2024 ("yyyymmdd"): 2024-01-06 is a Saturday.
std::vector<std::string> WeekendsOf2024() {
    std::vector<std::string> dates;
    const int monthDays[] = {31, 29, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    int weekday = 1;  // 2024-01-01 is a Monday (0 Sunday .. 6 Saturday)
    for (int month = 1; month <= 12; ++month)
        for (int day = 1; day <= monthDays[month - 1]; ++day, weekday = (weekday + 1) % 7)
            if (weekday == 0 || weekday == 6)
                dates.push_back(std::to_string(20240000 + month * 100 + day));
    return dates;
}

struct StoredYear {
    test::TempFolder folder;
    test::FakeUi ui;
    test::FakeClock clock{{2025, 1, 15, 9, 0, 0}};  // no race day: no timer starts
    test::FakeClipboard clipboard;
    test::FakeShell shell;
    test::FakeRegistry registry;
    test::FakeJvLink jvLink;
    std::unique_ptr<TMainForm> form;

    StoredYear() {
        std::vector<std::string> dates = WeekendsOf2024();
        if (dates.size() != kRaceDays) throw std::runtime_error("2024 has not 104 weekend days");
        for (const std::string& date : dates) {
            bench::BenchDaySpec day;
            day.date = date;
            bench::WriteBenchDay(folder.Path(), bench::BenchDayRecords(day));
        }
        form = std::make_unique<TMainForm>(
            folder.Path(), MainFormPorts{ui, clock, clipboard, shell, registry}, jvLink);
        std::string error;
        if (!form->FormCreate(&error)) throw std::runtime_error(error);
    }
};

void BM_BacktestYear(benchmark::State& state) {
    static StoredYear year;
    BacktestResult result;
    double seconds = 0;
    double twoJobs = 0;
    for (auto _ : state) {
        int64_t start = MonotonicMilliseconds();
        result = year.form->Replays().Backtest("20240101", "20241231", {}, 1);
        seconds = static_cast<double>(MonotonicMilliseconds() - start) / 1000;
        start = MonotonicMilliseconds();
        BacktestResult two = year.form->Replays().Backtest("20240101", "20241231", {}, 2);
        twoJobs = static_cast<double>(MonotonicMilliseconds() - start) / 1000;
        if (BacktestCsv(two) != BacktestCsv(result)) state.SkipWithError("two jobs differ");
    }
    state.counters["jobs2_s"] = twoJobs;
    state.counters["speedup"] = twoJobs > 0 ? seconds / twoJobs : 0;
    // The year export replays the loaded day's year: the first day of the list is chosen first.
    year.form->DateListChange(0);
    int64_t start = MonotonicMilliseconds();
    ReportOutcome exported = year.form->Reports().ExportYearStatistics();
    state.counters["export_s"] = static_cast<double>(MonotonicMilliseconds() - start) / 1000;
    state.counters["days"] = static_cast<double>(result.days.size());
    state.counters["races"] = result.races;
    state.counters["ms_per_race"] = result.races > 0 ? seconds * 1000 / result.races : 0;
    if (result.days.size() != kRaceDays || result.races != kRaceDays * 36)
        state.SkipWithError("the backtest did not replay 104 days of 36 races");
    else if (exported.replay.races != kRaceDays * 36 || exported.failure)
        state.SkipWithError("the year export did not write 104 days of 36 races");
}
BENCHMARK(BM_BacktestYear)->Iterations(1)->Unit(benchmark::kSecond)->UseRealTime();

// 100 combinations: 5 amounts × 4 Kelly percents × 5 trio favourites, in the proportional mode.
// The favourites only relabel the card, so a race is staked for the 20 distinct amount and
// Kelly pairs; the Kelly percent moves nothing in this mode but is staked all the same.
void BM_SweepYear(benchmark::State& state) {
    static StoredYear year;
    std::vector<SweepAxis> axes;
    std::string error;
    for (const char* set : {"KaimeSet/DefaultAmount=1000,3000,5000,10000,30000",
                            "KaimeSet/KellyPercent=10,25,50,100", "Nin100/SRF=1,10,50,100,200"})
        axes.push_back(*ParseSweepAxis(set, &error));
    ReplaySource source = year.form->Replays().CurrentReplaySource();
    source.settings.allocationMode = 1;
    std::vector<ReplayDay> days = year.form->Replays().StoredDaysBetween("20240101", "20241231");
    SweepResult result;
    for (auto _ : state)
        result = RunSweep(days, source, axes, "", SweepNets::Both, 2, {});
    state.counters["combos"] = static_cast<double>(result.rows.size());
    state.counters["days"] = static_cast<double>(days.size());
    if (result.rows.size() != 100) state.SkipWithError("the sweep did not make 100 rows");
}
BENCHMARK(BM_SweepYear)->Iterations(1)->Unit(benchmark::kSecond)->UseRealTime();

}  // namespace
}  // namespace kagiroi
