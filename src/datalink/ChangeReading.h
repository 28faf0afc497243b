#pragma once

#include "daystore/RaceSlot.h"

#include <array>
#include <string>

namespace kagiroi {

// The announcement stamps ("mmddhhmm", empty when none) up to which each kind of change has
// been applied: 天候馬場, 取消または除外, 騎手変更, 発走時刻変更, ｺｰｽ 変更.
using ChangeStamps = std::array<std::string, 5>;
inline constexpr int kPostTimeStamp = 3;

// The stamps of the day's ".NEW" file; all empty unless it has exactly five lines.
ChangeStamps ReadChangeStamps(const std::string& newFile);

// What a change reading did.
struct ChangeReadingResult {
    bool postTimesChanged = false;
    int racesMoved = 0;
    std::string error;  // a file that could not be written
};

// Applies the day's post-time changes (the ".TC" file) announced after the stored stamp: the
// race file, the loaded races' post times and their fetch times (N minutes before post) follow
// the new times, and the stamps file is advanced, so that each announcement applies once.
ChangeReadingResult ReadChanges(const std::string& programFolder, DayBook& book, int minutesBefore);

}  // namespace kagiroi
