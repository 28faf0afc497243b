#pragma once

#include "daystore/RaceSlot.h"
#include "platform/Ui.h"
#include "printing/TPrevX.h"

#include <optional>
#include <string>
#include <vector>

namespace kagiroi {

// The racecourse codes of the loaded day in race-list order, each once, at most three: the
// columns of the race list page.
std::vector<std::string> DayRacecourses(const DayBook& book);

// The class letter of a 枠連 result's popularity: A, B, C or "-".
std::string PopularityClass(int popularity);

// The printed day as "yyyymmdd": the date of the day's first race.
std::string RaceListDate(const DayBook& book);

// The one-page overview of the loaded day (一覧表) on A4 landscape: races 1R to 12R by
// racecourse, each with its field size, short name and 枠連 result.
TPrevX DrawRaceList(const DayBook& book);

// The print command: the page of the loaded day, or nothing (after a warning beep and the
// message) when no day is loaded. `dateText` is the date box.
std::optional<TPrevX> PrintRaceList(const DayBook& book, const std::string& dateText, Ui& ui);

}  // namespace kagiroi
