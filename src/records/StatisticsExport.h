#pragma once

#include "records/DayReplay.h"

#include <string>

namespace kagiroi {

// The first line of every statistics file.
const std::string& StatisticsHeader();

// One line per replayed race: its conditions, the win spread, how many runners' win odds are
// at or below their standard odds, and the trifecta and trio stake, return and return rate.
std::string StatisticsLine(const ReplayedRace& race);

// Runners 1..registered whose win odds are above 0 and not above their standard odds.
int RunnersAtOrBelowStandard(const RaceSlot& slot);

// The question before a year's export.
std::string YearExportQuestion(const std::string& year);

}  // namespace kagiroi
