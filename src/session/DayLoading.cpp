#include "session/DayLoading.h"

#include "analysis/PayoutImport.h"
#include "daystore/DayFiles.h"
#include "daystore/DayRecords.h"
#include "daystore/RaceDay.h"
#include "odds/MiningImport.h"
#include "odds/OddsImport.h"
#include "platform/FileSystem.h"
#include "platform/FolderLock.h"
#include "platform/TextField.h"
#include "stakes/RaceAmounts.h"

namespace kagiroi {

namespace {

void Append(std::vector<std::string>& to, std::vector<std::string> lines) {
    for (auto& line : lines)
        to.push_back(std::move(line));
}

}  // namespace

void ReadRaceOdds(RaceSlot& race, OddsFiles& oddsFiles, DayLoadProblems& problems) {
    Append(problems.logLines, ImportOdds(race, oddsFiles, &problems.unreadableOddsFiles));
    // Cancelled runners take no mining rank: new odds can change who they are.
    ComputeMiningBlock(race);
}

namespace {

// What a day load reads from the day's files.
void ReadDayFiles(DayBook& book, OddsFiles& oddsFiles, const std::function<void()>& runnerFileRead,
                  DayLoadProblems& problems) {
    book.BlankAll();
    ReadRaceAndRunnerRecords(book, runnerFileRead, &problems.logLines);
    ReadPayoutRecords(book, &problems.logLines);
    oddsFiles.SetDay(book.paths);
    for (RaceSlot& race : book.slots)
        ReadRaceOdds(race, oddsFiles, problems);
    Append(problems.logLines, ImportMining(book));
}

// What a day load works out from the records read, without reading a file.
void CompleteDay(DayBook& book, const DayLoadSettings& settings) {
    for (auto& race : book.slots)
        if (!race.IsEmpty())
            race.FetchTimes =
                FetchTimesFor(FieldAt(race.RaceInfo, RA::PostTime), settings.oddsMinutesBefore);
    ParseAllPayouts(book);
    ResetRaceAmounts(book, settings.defaultAmount);
}

}  // namespace

void ReadStoredDay(DayBook& book, OddsFiles& oddsFiles, const DayLoadSettings& settings,
                   const std::function<void()>& runnerFileRead, DayLoadProblems& problems) {
    ReadDayFiles(book, oddsFiles, runnerFileRead, problems);
    CompleteDay(book, settings);
}

std::unique_ptr<DayBook> LoadStoredDay(const std::string& programFolder, const std::string& day,
                                       const DayLoadSettings& settings, DayLoadProblems& problems) {
    auto book = std::make_unique<DayBook>();
    book->day = day;
    book->paths = PathsForDay(programFolder, day);
    if (!FileExists(book->paths.raceFile)) return nullptr;
    // The day's files are read as one set: no other program's store lands between two reads.
    FolderLock lock;
    if (!lock.Held()) {
        problems.logLines.push_back(
            DescribeFailure(book->paths.raceFile + " を読み込めませんでした", lock.Error()).logged);
        return nullptr;
    }
    OddsFiles oddsFiles;
    ReadDayFiles(*book, oddsFiles, {}, problems);
    // The rest reads no file: other threads of a backtest may read their days meanwhile.
    lock.Release();
    CompleteDay(*book, settings);
    return book;
}

}  // namespace kagiroi
