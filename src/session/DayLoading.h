#pragma once

#include "daystore/RaceSlot.h"
#include "odds/OddsFiles.h"

#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace kagiroi {

// What a day load found wrong, for the error log and the window's message.
struct DayLoadProblems {
    std::vector<std::string> logLines;  // damaged records, odds and mining problems
    std::vector<std::string> unreadableOddsFiles;
};

// How a day is read: the minutes before each post time of the first odds fetch, and the
// amount every race starts with.
struct DayLoadSettings {
    int oddsMinutesBefore = 10;
    int defaultAmount = 3000;
};

// Reads the stored day that `book.paths` names into `book`, as a change of the date box does:
// the race and runner records (`runnerFileRead` after each runner file), the payouts, every
// race's odds and mining predictions, the fetch times, the parsed payouts and the amounts.
void ReadStoredDay(DayBook& book, OddsFiles& oddsFiles, const DayLoadSettings& settings,
                   const std::function<void()>& runnerFileRead, DayLoadProblems& problems);

// The odds of one race read again, with the cancelled runners' mining ranks after them.
void ReadRaceOdds(RaceSlot& race, OddsFiles& oddsFiles, DayLoadProblems& problems);

// A stored day of the program folder read whole for a replay, under the folder's lock so that
// its files are read as one set; nothing when the store has no race file for it (or the lock
// could not be had: said in the problems).
std::unique_ptr<DayBook> LoadStoredDay(const std::string& programFolder, const std::string& day,
                                       const DayLoadSettings& settings, DayLoadProblems& problems);

}  // namespace kagiroi
