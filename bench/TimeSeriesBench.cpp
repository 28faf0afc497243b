// The time-series import of a full day (3 racecourses × 12 races) whose time-series folder holds
// 100 announcements of each odds kind for every race, measured in one run against reading the
// same files once:
//   BM_TimeSeriesReadOnce  reading every time-series file of the day whole into memory;
//   BM_TimeSeriesImport    the import: for every race and kind the announcement nearest to the
//                          first fetch time, saved into the day's three odds files;
//   BM_T1Click             the menu command: the import, its message and the day loaded again.

#include "BenchDay.h"
#include "BenchWindow.h"

#include "app/TMainForm.h"
#include "daystore/RecordFields.h"
#include "daystore/StoreRules.h"
#include "odds/TimeSeriesImport.h"
#include "odds/TimeSeriesLayout.h"
#include "platform/FileSystem.h"
#include "platform/Format.h"
#include "platform/SettingsFile.h"
#include "platform/TextField.h"
#include "support/TempFolder.h"

#include <benchmark/benchmark.h>

#include <map>
#include <memory>
#include <stdexcept>

namespace kagiroi {
namespace {

constexpr int kAnnouncements = 100;

// Announcement k of a record: from 09:00 every 5 minutes, on the race's own day.
std::string AnnouncedCopy(const std::string& record, int k) {
    std::string copy = record;
    int minutes = 9 * 60 + 5 * k;
    PutField(copy, Odds::Announcement.pos, Odds::Announcement.len,
             Field(record, 16, 4) + Format("%02d%02d", minutes / 60, minutes % 60));
    return copy;
}

// The stored day, a main window on it (a week later, so no race-day timer starts), and the
// time-series folder beside it.
struct ViewerDay {
    std::vector<std::string> records = bench::BenchDayRecords();
    bench::BenchWindow window{records};
    std::string viewer = window.folder / "viewer";
    test::TempFolder& folder = window.folder;
    std::unique_ptr<TMainForm>& form = window.form;
    std::vector<std::string> files;

    ViewerDay() {
        std::map<std::string, std::string> contents;
        for (const std::string& record : records) {
            auto kind = OddsKindOf(record);
            if (!kind) continue;
            std::string& file = contents[*TimeSeriesFile(viewer, record, *kind)];
            for (int k = 0; k < kAnnouncements; ++k)
                file += AnnouncedCopy(record, k);
        }
        for (const auto& [path, data] : contents) {
            if (!MakeDirectories(FolderOf(path)) || !WriteFileAtomic(path, data))
                throw std::runtime_error("cannot write " + path);
            files.push_back(path);
        }
        // Chosen from the date list, as the date box sets the day the import needs.
        window.ChooseDay(bench::BenchDayText());
    }
};

ViewerDay& Day() {
    static ViewerDay day;
    return day;
}

void BM_TimeSeriesReadOnce(benchmark::State& state) {
    ViewerDay& day = Day();
    size_t bytes = 0;
    for (auto _ : state) {
        bytes = 0;
        for (const std::string& file : day.files)
            bytes += ReadWholeFile(file).value_or(std::string()).size();
        benchmark::DoNotOptimize(bytes);
    }
    state.counters["files"] = static_cast<double>(day.files.size());
    state.counters["MB"] = static_cast<double>(bytes) / 1e6;
}

void BM_TimeSeriesImport(benchmark::State& state) {
    ViewerDay& day = Day();
    TimeSeriesImportResult result;
    for (auto _ : state)
        result = ImportTimeSeries(day.form->Book(), day.viewer, day.folder.Path());
    if (result.failure || result.taken != std::array<int, 3>{36, 36, 36})
        state.SkipWithError("the import did not take every race");
}

void BM_T1Click(benchmark::State& state) {
    ViewerDay& day = Day();
    SettingsFile(day.folder / "kagiroi.ini").WriteString("Dir", "jikeiretu", day.viewer);
    bool imported = true;
    for (auto _ : state)
        imported = day.form->T1Click() && imported;
    if (!imported) state.SkipWithError("the import did not run");
}

BENCHMARK(BM_TimeSeriesReadOnce)->Unit(benchmark::kMillisecond)->Repetitions(5);
BENCHMARK(BM_TimeSeriesImport)->Unit(benchmark::kMillisecond)->Repetitions(5);
BENCHMARK(BM_T1Click)->Unit(benchmark::kMillisecond)->Repetitions(5);

}  // namespace
}  // namespace kagiroi
