// Targets for the day files: the store, the day load, payouts, odds and change files.
#include "FuzzDriver.h"
#include "FuzzSeeds.h"
#include "FuzzTargets.h"

#include "analysis/PayoutImport.h"
#include "datalink/ChangeReading.h"
#include "daystore/DayFiles.h"
#include "daystore/DayRecords.h"
#include "daystore/DayStore.h"
#include "daystore/RaceDay.h"
#include "daystore/RecordFields.h"
#include "daystore/RecordLayout.h"
#include "odds/OddsFiles.h"
#include "odds/OddsImport.h"
#include "odds/OddsMovement.h"
#include "odds/TimeSeriesImport.h"
#include "odds/TimeSeriesLayout.h"
#include "platform/FileSystem.h"
#include "platform/TextField.h"
#include "platform/TextLines.h"

#include <filesystem>
#include <memory>
#include <set>

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

// Every file the store wrote lies in Data/ or CHG/, reads, and every line has its kind's length.
// Returns the number of files read.
int CheckStoredFiles(const std::string& folder) {
    int read = 0;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(folder)) {
        std::filesystem::path relative = std::filesystem::relative(entry.path(), folder);
        std::string top = relative.begin()->string();
        if (top != "Data" && top != "CHG")
            Fail("a file outside Data/ and CHG/: " + relative.string());
        if (!entry.is_regular_file()) continue;
        std::string name = entry.path().filename().string();
        int length = LineLengthOf(name);
        if (length < 0) Fail("a file of no known kind: " + relative.string());
        // The system names the file in its own encoding; the program's paths are Shift_JIS.
        auto text = ReadWholeFile(FromNativePath(entry.path().string()));
        if (!text) Fail("a stored file that does not read: " + relative.string());
        ++read;
        auto lines = SplitLines(*text);
        if (name.ends_with(".jvSEr") && lines.size() != static_cast<size_t>(kRunnerFileLines))
            Fail("a runner file without its 216 lines: " + relative.string());
        for (const auto& line : lines)
            if (line.size() != static_cast<size_t>(length))
                Fail("a stored line of the wrong length in " + relative.string());
    }
    return read;
}

// The input's lines are records as a data service might deliver them.
void CheckDayStore(const std::string& input) {
    std::string folder = WorkFolder("day-store");
    int stored = 0;
    {
        DayStore store(folder);
        for (const auto& line : SplitLines(input)) {
            stored += store.Store(line + "\r\n", StoreRoute::Download) ? 1 : 0;
            stored += store.Store(line + "\r\n", StoreRoute::RealTime) ? 1 : 0;
        }
        if (!store.Flush()) Fail("a flush failed");
    }
    // A check that reads nothing checks nothing.
    if (CheckStoredFiles(folder) == 0 && stored > 0) Fail("records were stored, no file was read");
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

// The viewer files of the first races a time-series test puts the input in.
constexpr int kViewerRaces = 3;
constexpr OddsKind kViewerKinds[] = {OddsKind::O1, OddsKind::O5, OddsKind::O6};

int OddsLineLength(OddsKind kind) {
    return (kind == OddsKind::O1 ? kO1Length : kind == OddsKind::O5 ? kO5Length : kO6Length) - 2;
}

// The day's odds files after an import into a folder that had none: whole lines of the kind,
// each a line of the input and of one of the races, one per race taken.
void CheckImportedOdds(const DayBook& book, const std::string& folder, const std::string& input,
                       const TimeSeriesImportResult& result) {
    for (OddsKind kind : kViewerKinds) {
        std::set<std::string> paths;
        for (int s = 0; s < kViewerRaces; ++s) {
            auto day = DayTextOf(book[s].RaceInfo);
            if (!day) Fail("a demo race names no day");
            paths.insert(JoinPath(DataFolder(folder), *day + OddsExtension(kind)));
        }
        std::vector<std::string> lines;
        for (const auto& path : paths)
            for (auto& line : SplitLines(ReadWholeFile(path).value_or("")))
                lines.push_back(std::move(line));
        int taken = result.taken[static_cast<size_t>(kind)];
        if (taken < 0 || taken > kViewerRaces || lines.size() != static_cast<size_t>(taken))
            Fail("the races taken do not match the day files' lines");
        for (const auto& line : lines) {
            if (line.size() != static_cast<size_t>(OddsLineLength(kind)))
                Fail("an imported odds line of the wrong length");
            if (input.find(line) == std::string::npos) Fail("an imported line the viewer lacks");
            bool ofARace = false;
            for (int s = 0; s < kViewerRaces; ++s)
                ofARace = ofARace || FieldAt(line, RaceHead::RaceKey) ==
                                         FieldAt(book[s].RaceInfo, RaceHead::RaceKey);
            if (!ofARace) Fail("an imported line of another race");
        }
    }
}

// The announcements of a race's movement run in time order, one a time.
void CheckMovement(const RaceSlot& slot, const std::string& viewer) {
    OddsMovement movement = ReadOddsMovement(slot, viewer);
    for (size_t i = 1; i < movement.announcements.size(); ++i)
        if (movement.announcements[i - 1].minutes >= movement.announcements[i].minutes)
            Fail("the odds movement is not in time order");
    auto rows = OddsMovementRows(movement);
    if (rows.size() != movement.announcements.size() + 1) Fail("a movement row is missing");
    (void)ChartAxesFor(movement);
}

// The input is the viewer's file of each kind for the demo day's first races.
void CheckTimeSeries(const std::string& input) {
    std::string folder = WorkFolder("time-series");
    std::string viewer = JoinPath(folder, "viewer");
    auto book = std::make_unique<DayBook>();
    book->day = kDay;
    book->paths = WriteDay(folder, DemoFileOf("RA", 24), "");
    book->BlankAll();
    ReadRaceAndRunnerRecords(*book);
    for (int s = 0; s < kViewerRaces; ++s) {
        RaceSlot& slot = (*book)[s];
        slot.FetchTimes = FetchTimesFor(FieldAt(slot.RaceInfo, RA::PostTime), 10);
        for (OddsKind kind : kViewerKinds) {
            auto path = TimeSeriesFile(viewer, slot.RaceInfo, kind);
            if (!path) Fail("a demo race names no viewer file");
            MakeDirectories(FolderOf(*path));
            WriteFileAtomic(*path, input);
        }
    }
    if (auto problem = TimeSeriesFolderProblem(viewer)) Fail("the viewer folder is refused");
    TimeSeriesImportResult result = ImportTimeSeries(*book, viewer, folder);
    if (result.failure) Fail("the import failed: " + result.failure->logged);
    CheckImportedOdds(*book, folder, input, result);
    CheckMovement((*book)[0], viewer);
}

std::vector<std::string> TimeSeriesSeeds() {
    return {DemoFileOf("O1", 24), DemoFileOf("O1", 3) + DemoFileOf("O5", 3),
            DemoFileOf("O1", 1) + DemoFileOf("O6", 1)};
}

}  // namespace

std::vector<FuzzTarget> DayTargets() {
    return {{"day-store", StoreSeeds, CheckDayStore},
            {"day-load", DayLoadSeeds, CheckDayLoad},
            {"payouts", PayoutSeeds, CheckPayouts},
            {"odds", OddsSeeds, CheckOdds},
            {"changes", ChangeSeeds, CheckChanges},
            {"time-series", TimeSeriesSeeds, CheckTimeSeries}};
}

}  // namespace kagiroi::fuzz
