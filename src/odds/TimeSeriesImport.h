#pragma once

#include "daystore/RaceSlot.h"
#include "odds/OddsFiles.h"
#include "platform/FileSystem.h"

#include <array>
#include <optional>
#include <string>
#include <vector>

namespace kagiroi {

// What the import of a day's time-series odds did.
struct TimeSeriesImportResult {
    std::array<int, 3> taken{};         // races whose O1, O5, O6 announcement was saved
    std::vector<std::string> logLines;  // files read with damage, or not at all
    // A day odds file that could not be read or written: it is left as it was and the import
    // ended there; the files saved before it stay saved.
    std::optional<FileFailure> failure;
};

// For every race of the loaded day and every odds kind, takes from the time-series folder the
// announcement nearest to the race's first odds-fetch time and puts it into the day's odds file
// of that kind in the program folder, in place of the race's lines there (after them when there
// are none). Each day file is read and written once, whole and atomically.
TimeSeriesImportResult ImportTimeSeries(const DayBook& book, const std::string& folder,
                                        const std::string& programFolder);

// The line of the race's announcement of `kind` in the time-series folder nearest its first
// odds-fetch time, by the rule of NearestAnnouncement; nothing when the folder has none. A file
// that cannot be read, or has lines of something else, adds a line to `logLines`.
std::optional<std::string> NearestAnnouncementOf(const RaceSlot& slot, OddsKind kind,
                                                 const std::string& folder,
                                                 std::vector<std::string>& logLines);

// Replaces every line of the chosen line's race by it; appends it when the race has none.
void ReplaceOrAppend(std::vector<std::string>& dayLines, const std::string& chosen);

// The closing message, with the races taken of each kind.
std::string TimeSeriesImportMessage(const std::array<int, 3>& taken);
// What is wrong with a chosen time-series folder, naming it: missing, a file, or a folder with
// no folder of a day (yyyymmdd) in it, which no viewer keeps. Nothing when it will do.
std::optional<std::string> TimeSeriesFolderProblem(const std::string& folder);

// The two refusals: no time-series folder chosen, no day loaded.
std::string TimeSeriesFolderNotSetText();
std::string TimeSeriesNoDayText();

}  // namespace kagiroi
