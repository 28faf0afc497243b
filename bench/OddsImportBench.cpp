// The odds import of a whole day (all 36 slots, as a day load runs it) against reading the same
// three odds files once, whole, in the same run. The day is 3 racecourses × 12 races × 18
// runners with every win, place, bracket, trio and trifecta field priced.
//
// Reference: the lookups alone done by scanning each file from its start for every race, reading
// whole records until the race's record comes (the plain way, before the key index).

#include "daystore/DayFiles.h"
#include "daystore/RaceSlot.h"
#include "odds/OddsFiles.h"
#include "odds/OddsImport.h"
#include "platform/FileSystem.h"
#include "platform/Format.h"
#include "platform/TextField.h"
#include "support/TempFolder.h"

#include <benchmark/benchmark.h>

#include <cstdint>
#include <memory>
#include <stdexcept>
#include <string>

namespace kagiroi {
namespace {

constexpr const char* kDate = "20240106";
constexpr const char* kCourses[] = {"05", "06", "09"};
constexpr int kRunners = 18;

// A blank record of the full length with CR LF, fields put at 1-based positions.
class BenchRecord {
  public:
    BenchRecord(const std::string& kind, int length) : text_(static_cast<size_t>(length), ' ') {
        text_[text_.size() - 2] = '\r';
        text_[text_.size() - 1] = '\n';
        Put(1, kind);
        Put(3, "000000000");
    }
    BenchRecord& Put(int pos, const std::string& value) {
        text_.replace(static_cast<size_t>(pos - 1), value.size(), value);
        return *this;
    }
    BenchRecord& Key(const std::string& course, int race) {
        return Put(12, kDate).Put(20, course).Put(22, "0101").Put(26, Format("%02d", race));
    }
    const std::string& Text() const { return text_; }

  private:
    std::string text_;
};

// Deterministic odds in tenths, with repeats so that the tie-breaks do work.
class OddsSource {
  public:
    int Next(int low, int high) {
        state_ = state_ * 6364136223846793005ULL + 1442695040888963407ULL;
        return low + static_cast<int>((state_ >> 33) % static_cast<uint64_t>(high - low + 1));
    }

  private:
    uint64_t state_ = 20240106;
};

struct OddsDay {
    test::TempFolder folder;
    DayPaths paths;
    std::unique_ptr<DayBook> book = std::make_unique<DayBook>();

    OddsDay() {
        paths = PathsForDay(folder.Path(), "2024年01月06日");
        book->paths = paths;
        OddsSource source;
        std::string o1, o5, o6;
        int slot = 0;
        for (const char* course : kCourses)
            for (int race = 1; race <= 12; ++race) {
                (*book)[slot++].RaceInfo =
                    BenchRecord("RA", kRaLength).Key(course, race).Put(882, "18").Text();
                o1 += WinRecord(course, race, source);
                o5 += CombinationRecord("O5", kO5Length, 15, 6, kTrioCount, course, race, source);
                o6 +=
                    CombinationRecord("O6", kO6Length, 17, 7, kTrifectaCount, course, race, source);
            }
        if (!MakeDirectories(FolderOf(paths.o1File)) || !WriteFileAtomic(paths.o1File, o1) ||
            !WriteFileAtomic(paths.o5File, o5) || !WriteFileAtomic(paths.o6File, o6))
            throw std::runtime_error("cannot write the odds files");
    }

    static std::string WinRecord(const char* course, int race, OddsSource& source) {
        BenchRecord record("O1", kO1Length);
        record.Key(course, race).Put(28, "01061530");
        for (int h = 1; h <= kRunners; ++h) {
            int win = source.Next(15, 3000);
            int low = 10 + win / 4;
            record.Put(44 + 8 * (h - 1), Format("%02d%04d", h, win));
            record.Put(268 + 12 * (h - 1), Format("%02d%04d%04d", h, low, low + 10));
        }
        for (int e = 1; e <= kBracketPairCount; ++e)
            record.Put(604 + 9 * (e - 1), Format("%02d%05d%02d", e, source.Next(20, 9000), e));
        return record.Text();
    }

    static std::string CombinationRecord(const char* kind, int length, int entry, int width,
                                         int count, const char* course, int race,
                                         OddsSource& source) {
        BenchRecord record(kind, length);
        record.Key(course, race);
        for (int l = 1; l <= count; ++l)
            record.Put(47 + entry * (l - 1), Format("%0*d", width, source.Next(20, 200000)));
        return record.Text();
    }
};

OddsDay& Day() {
    static OddsDay day;
    return day;
}

void BM_ReadOddsFilesOnce(benchmark::State& state) {
    const DayPaths& paths = Day().paths;
    for (auto _ : state) {
        size_t bytes = 0;
        for (const std::string* path : {&paths.o1File, &paths.o5File, &paths.o6File})
            bytes += ReadWholeFile(*path).value_or(std::string()).size();
        benchmark::DoNotOptimize(bytes);
    }
}

// What a day load does: a fresh view of the day's files, then every slot in turn.
void BM_ImportDayOdds(benchmark::State& state) {
    OddsDay& day = Day();
    for (auto _ : state) {
        OddsFiles files(day.paths);
        for (int slot = 0; slot < kSlotCount; ++slot)
            benchmark::DoNotOptimize(ImportOdds((*day.book)[slot], files));
    }
}

void BM_LookupsByScanningFromStart(benchmark::State& state) {
    OddsDay& day = Day();
    struct Kind {
        const std::string* path;
        int length;
    } kinds[] = {{&day.paths.o1File, kO1Length},
                 {&day.paths.o5File, kO5Length},
                 {&day.paths.o6File, kO6Length}};
    for (auto _ : state) {
        for (int slot = 0; slot < kSlotCount; ++slot) {
            std::string key = OddsRecordKey((*day.book)[slot].RaceInfo);
            for (const Kind& kind : kinds) {
                RecordFile file(*kind.path);
                for (int64_t k = 0; k < file.RecordCount(kind.length); ++k) {
                    std::string record = file.Read(k, kind.length);
                    if (OddsRecordKey(record) == key) {
                        benchmark::DoNotOptimize(record);
                        break;
                    }
                }
            }
        }
    }
}

BENCHMARK(BM_ReadOddsFilesOnce)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(15)
    ->ReportAggregatesOnly(true);
BENCHMARK(BM_ImportDayOdds)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(15)
    ->ReportAggregatesOnly(true);
BENCHMARK(BM_LookupsByScanningFromStart)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(15)
    ->ReportAggregatesOnly(true);

}  // namespace
}  // namespace kagiroi
