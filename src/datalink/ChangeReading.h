#pragma once

#include "daystore/RaceSlot.h"
#include "platform/FileSystem.h"

#include <array>
#include <optional>
#include <string>
#include <vector>

namespace kagiroi {

// The announcement stamps ("mmddhhmm", empty when none) up to which each kind of change has
// been applied: 天候馬場, 取消または除外, 騎手変更, 発走時刻変更, ｺｰｽ 変更.
using ChangeStamps = std::array<std::string, 5>;
inline constexpr int kPostTimeStamp = 3;

// The stamps of the day's ".NEW" file; all empty unless it has exactly five lines. Nothing when
// the file exists but cannot be read.
std::optional<ChangeStamps> ReadChangeStamps(const std::string& newFile,
                                             FileError* error = nullptr);

// What a change reading did.
struct ChangeReadingResult {
    bool postTimesChanged = false;
    int racesMoved = 0;
    std::optional<FileFailure> failure;  // a file that could not be read or written
    std::vector<std::string> problems;   // change records skipped as damaged, for the error log
};

// A post-time change record is used only when it is whole (45 bytes ending in CR LF), its
// announcement is eight digits and its new post time is a real "hhmm".
bool IsUsableChangeRecord(const std::string& record);

// Applies the day's post-time changes (the ".TC" file) announced after the stored stamp: the
// race file, the loaded races' post times and their fetch times (N minutes before post) follow
// the new times, and the stamps file is advanced, so that each announcement applies once. A
// race or stamps file that cannot be read is left alone and nothing is applied.
ChangeReadingResult ReadChanges(const std::string& programFolder, DayBook& book, int minutesBefore);

}  // namespace kagiroi
