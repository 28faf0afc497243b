// Targets for the day files: the store, the day load, payouts, odds and change files.
#include "FuzzDriver.h"
#include "FuzzSeeds.h"
#include "FuzzTargets.h"

#include "analysis/PayoutImport.h"
#include "datalink/ChangeReading.h"
#include "daystore/DayFiles.h"
#include "daystore/DayRecords.h"
#include "daystore/DayStore.h"
#include "daystore/RecordLayout.h"
#include "odds/OddsFiles.h"
#include "odds/OddsImport.h"
#include "platform/FileSystem.h"
#include "platform/TextLines.h"

#include <filesystem>
#include <memory>

namespace kagiroi::fuzz {

namespace {

const std::string kDay =
    "2024\x94\x4e"
    "01\x8c\x8e"
    "06\x93\xfa";  // 2024年01月06日

int LineLengthOf(const std::string& fileName) {
    struct Extension {
        const char* name;
        int length;
    } constexpr kExtensions[] = {{".jvRA", kRaLength}, {".jvSEr", kSeLength}, {".jvHR", kHrLength},
                                 {".jvO1", kO1Length}, {".jvO5", kO5Length},  {".jvO6", kO6Length},
                                 {".jvDM", kDmLength}, {".TC", kTcLength},    {".WE", kWeLength}};
    for (const auto& e : kExtensions) {
        std::string ext = e.name;
        if (fileName.size() > ext.size() && fileName.ends_with(ext)) return e.length - 2;
    }
    return -1;
}

// Every file the store wrote lies in Data/ or CHG/, and every line has its kind's length.
void CheckStoredFiles(const std::string& folder) {
    for (const auto& entry : std::filesystem::recursive_directory_iterator(folder)) {
        std::filesystem::path relative = std::filesystem::relative(entry.path(), folder);
        std::string top = relative.begin()->string();
        if (top != "Data" && top != "CHG")
            Fail("a file outside Data/ and CHG/: " + relative.string());
        if (!entry.is_regular_file()) continue;
        std::string name = entry.path().filename().string();
        int length = LineLengthOf(name);
        if (length < 0) Fail("a file of no known kind: " + relative.string());
        auto lines = SplitLines(ReadWholeFile(entry.path().string()).value_or(""));
        if (name.ends_with(".jvSEr") && lines.size() != static_cast<size_t>(kRunnerFileLines))
            Fail("a runner file without its 216 lines: " + relative.string());
        for (const auto& line : lines)
            if (line.size() != static_cast<size_t>(length))
                Fail("a stored line of the wrong length in " + relative.string());
    }
}

// The input's lines are records as a data service might deliver them.
void CheckDayStore(const std::string& input) {
    std::string folder = WorkFolder("day-store");
    {
        DayStore store(folder);
        for (const auto& line : SplitLines(input)) {
            store.Store(line + "\r\n", StoreRoute::Download);
            store.Store(line + "\r\n", StoreRoute::RealTime);
        }
        if (!store.Flush()) Fail("a flush failed");
    }
    CheckStoredFiles(folder);
}

std::vector<std::string> StoreSeeds() {
    std::vector<std::string> seeds;
    for (const char* kind : {"RA", "SE", "HR", "O1", "O5", "DM", "WE", "TC"}) {
        auto records = DemoRecordsOf(kind);
        std::string text;
        for (size_t i = 0; i < records.size() && i < 4; ++i)
            text += records[i];
        if (!text.empty()) seeds.push_back(text);
    }
    for (const auto& r : BuiltRecordsOf("TC", kTcLength))
        seeds.push_back(r);
    return seeds;
}

std::string DemoFileOf(const std::string& kind, size_t most) {
    std::string text;
    auto records = DemoRecordsOf(kind);
    for (size_t i = 0; i < records.size() && i < most; ++i)
        text += records[i];
    return text;
}

DayPaths WriteDay(const std::string& folder, const std::string& raceFile,
                  const std::string& payoutFile) {
    MakeDirectories(DataFolder(folder));
    MakeDirectories(ChangeFolder(folder));
    DayPaths paths = PathsForDay(folder, kDay);
    WriteFileAtomic(paths.raceFile, raceFile);
    WriteFileAtomic(paths.payoutFile, payoutFile);
    return paths;
}

void CheckSlotsWhole(const DayBook& book) {
    bool emptySeen = false;
    for (const auto& slot : book.slots) {
        if (slot.RaceInfo.size() != static_cast<size_t>(kRaLength) ||
            slot.HrCopy.size() != static_cast<size_t>(kHrLength))
            Fail("a slot holds a record of the wrong length");
        if (slot.IsEmpty())
            emptySeen = true;
        else if (emptySeen)
            Fail("a race loaded after an empty slot");
    }
}

// The input is the day's race file and its payout file at once.
void CheckDayLoad(const std::string& input) {
    auto book = std::make_unique<DayBook>();
    book->day = kDay;
    book->paths = WriteDay(WorkFolder("day-load"), input, input);
    book->BlankAll();
    std::vector<std::string> problems;
    ReadRaceAndRunnerRecords(*book, {}, &problems);
    ReadPayoutRecords(*book, &problems);
    CheckSlotsWhole(*book);
}

std::vector<std::string> DayLoadSeeds() {
    return {DemoFileOf("RA", 24), DemoFileOf("HR", 12), DemoFileOf("RA", 3) + DemoFileOf("HR", 3)};
}

// The input is the payout file of a day whose races are the demo's.
void CheckPayouts(const std::string& input) {
    auto book = std::make_unique<DayBook>();
    book->day = kDay;
    book->paths = WriteDay(WorkFolder("payouts"), DemoFileOf("RA", 24), input);
    book->BlankAll();
    ReadRaceAndRunnerRecords(*book);
    ImportPayouts(*book, 0);
    ParseAllPayouts(*book);
    CheckSlotsWhole(*book);
}

std::vector<std::string> PayoutSeeds() {
    return {DemoFileOf("HR", 24), DemoFileOf("HR", 2)};
}

// The input is the day's odds files (the same bytes as win, trio and trifecta odds).
void CheckOdds(const std::string& input) {
    auto book = std::make_unique<DayBook>();
    book->day = kDay;
    book->paths = WriteDay(WorkFolder("odds"), DemoFileOf("RA", 24), "");
    for (const std::string& path : {book->paths.o1File, book->paths.o5File, book->paths.o6File})
        WriteFileAtomic(path, input);
    book->BlankAll();
    ReadRaceAndRunnerRecords(*book);
    OddsFiles files(book->paths);
    for (int slot = 0; slot < 3; ++slot) {
        RaceSlot& race = (*book)[slot];
        ImportOdds(race, files);
        if (race.O1Copy.size() != static_cast<size_t>(kO1Length) ||
            race.O5Copy.size() != static_cast<size_t>(kO5Length) ||
            race.O6Copy.size() != static_cast<size_t>(kO6Length))
            Fail("an odds copy of the wrong length");
    }
}

std::vector<std::string> OddsSeeds() {
    return {DemoFileOf("O1", 24), DemoFileOf("O5", 2), DemoFileOf("O1", 1) + DemoFileOf("O6", 1)};
}

// The input is the day's post-time change file; the race file keeps its lines whole.
void CheckChanges(const std::string& input) {
    std::string folder = WorkFolder("changes");
    auto book = std::make_unique<DayBook>();
    book->day = kDay;
    std::string races = DemoFileOf("RA", 24);
    book->paths = WriteDay(folder, races, "");
    WriteFileAtomic(ChangeFilePath(folder, kDay, ".TC"), input);
    book->BlankAll();
    ReadRaceAndRunnerRecords(*book);
    ReadChanges(folder, *book, 10);
    auto before = SplitLines(races);
    auto after = SplitLines(ReadWholeFile(book->paths.raceFile).value_or(""));
    if (after.size() != before.size()) Fail("the race file changed its number of lines");
    for (const auto& line : after)
        if (line.size() != static_cast<size_t>(kRaLength - 2))
            Fail("a race line changed its length");
    auto stamps = ReadWholeFile(ChangeFilePath(folder, kDay, ".NEW"));
    if (stamps && SplitLines(*stamps).size() != 5) Fail("a stamps file without its five lines");
}

std::vector<std::string> ChangeSeeds() {
    std::vector<std::string> seeds = {DemoFileOf("TC", 36)};
    std::string built;
    for (const auto& r : BuiltRecordsOf("TC", kTcLength))
        built += r;
    seeds.push_back(built);
    return seeds;
}

}  // namespace

std::vector<FuzzTarget> DayTargets() {
    return {{"day-store", StoreSeeds, CheckDayStore},
            {"day-load", DayLoadSeeds, CheckDayLoad},
            {"payouts", PayoutSeeds, CheckPayouts},
            {"odds", OddsSeeds, CheckOdds},
            {"changes", ChangeSeeds, CheckChanges}};
}

}  // namespace kagiroi::fuzz
