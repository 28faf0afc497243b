// A full day (3 racecourses × 12 races × 18 runners, with payouts, odds and mining records)
// from the day store into the main window, measured in one run against reading the same files
// once:
//   BM_DayReadRecords    the reading part of a day load before any import: race and runner
//                        records, payout records;
//   BM_DayStoreRecords   storing the day's records one by one into an empty store, then Flush;
//   BM_DayReadFilesOnce  reading every file of the day whole into memory;
//   BM_DayLoad           TMainForm::LoadDay with every import (odds of 36 slots, mining, payout
//                        parse) and the selection of the first race that ends it;
//   BM_DatListClick      one race selection on an 18-runner race: marks, both extractions,
//                        stakes and hits.

#include "BenchDay.h"
#include "BenchWindow.h"

#include "app/TMainForm.h"
#include "daystore/DayFiles.h"
#include "daystore/DayRecords.h"
#include "daystore/DayStore.h"
#include "platform/FileSystem.h"
#include "platform/TextField.h"
#include "support/TempFolder.h"

#include <benchmark/benchmark.h>

#include <memory>
#include <stdexcept>

namespace kagiroi {
namespace {

constexpr int kSelectedSlot = 10;  // 東京11R

// The written day and a main window on it.
struct StoredDay {
    std::vector<std::string> records = bench::BenchDayRecords();
    std::string dayText = bench::BenchDayText();
    bench::BenchWindow window{records};
    test::TempFolder& folder = window.folder;
    std::unique_ptr<TMainForm>& form = window.form;

    StoredDay() { window.ChooseDay(dayText); }
};

StoredDay& Day() {
    static StoredDay day;
    return day;
}

void BM_DayReadRecords(benchmark::State& state) {
    StoredDay& day = Day();
    auto book = std::make_unique<DayBook>();
    book->paths = PathsForDay(day.folder.Path(), day.dayText);
    for (auto _ : state) {
        ReadRaceAndRunnerRecords(*book);
        ReadPayoutRecords(*book);
        benchmark::DoNotOptimize(book->slots[kSlotCount - 1].RunnerInfo[18].data());
    }
    if (IsBlank(book->slots[kSlotCount - 1].RunnerInfo[18]) || IsBlank(book->slots[0].HrCopy))
        state.SkipWithError("the day's records were not read");
}

void BM_DayStoreRecords(benchmark::State& state) {
    const std::vector<std::string>& records = Day().records;
    int64_t bytes = 0;
    for (auto _ : state) {
        state.PauseTiming();
        auto folder = std::make_unique<test::TempFolder>();
        MakeDirectories(DataFolder(folder->Path()));
        state.ResumeTiming();
        DayStore store(folder->Path());
        for (const std::string& record : records)
            store.Store(record, StoreRoute::Download);
        store.Flush();
        state.PauseTiming();
        for (const std::string& file : bench::BenchDayFiles(folder->Path()))
            bytes += FileSize(file).value_or(0);
        folder.reset();
        state.ResumeTiming();
    }
    state.counters["records"] = static_cast<double>(records.size());
    state.counters["MB"] =
        benchmark::Counter(static_cast<double>(bytes) / 1e6, benchmark::Counter::kAvgIterations);
}

void BM_DayReadFilesOnce(benchmark::State& state) {
    std::vector<std::string> files = bench::BenchDayFiles(Day().folder.Path());
    size_t bytes = 0;
    for (auto _ : state) {
        bytes = 0;
        for (const std::string& file : files)
            bytes += ReadWholeFile(file).value_or(std::string()).size();
        benchmark::DoNotOptimize(bytes);
    }
    state.counters["files"] = static_cast<double>(files.size());
    state.counters["MB"] = static_cast<double>(bytes) / 1e6;
}

void BM_DayLoad(benchmark::State& state) {
    StoredDay& day = Day();
    for (auto _ : state) {
        day.form->LoadDay(day.dayText);
        benchmark::DoNotOptimize(day.form->Book()[kSlotCount - 1].Odds.TrifectaRank.data());
    }
    if (day.form->DayList().RaceList.size() != kSlotCount ||
        day.form->Book()[0].Odds.TrioRank[1] == 0)
        state.SkipWithError("the day did not load with its odds");
}

void BM_DatListClick(benchmark::State& state) {
    TMainForm& form = *Day().form;
    for (auto _ : state) {
        form.Race().DatListClick(kSelectedSlot);
        benchmark::DoNotOptimize(form.Bets().Table(BetType::Trifecta).RowCount());
    }
    state.counters["trios"] = form.Bets().Table(BetType::Trio).RowCount() - 1;
    state.counters["trifectas"] = form.Bets().Table(BetType::Trifecta).RowCount() - 1;
    state.counters["payback"] =
        static_cast<double>(ToInt64(form.Bets().Totals(BetType::Trio).payback.text) +
                            ToInt64(form.Bets().Totals(BetType::Trifecta).payback.text));
    if (form.Bets().Table(BetType::Trifecta).RowCount() < 2)
        state.SkipWithError("the selection made no trifecta tickets");
}

BENCHMARK(BM_DayReadRecords)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_DayStoreRecords)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_DayReadFilesOnce)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_DayLoad)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_DatListClick)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace kagiroi
