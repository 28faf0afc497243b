#pragma once

#include "daystore/RaceSlot.h"

#include <string>
#include <vector>

namespace kagiroi {

// The odds a bettor could see: each odds record of the race is replaced, in memory, by its
// announcement in the time-series folder nearest the race's first odds-fetch time (the rule of
// 時系列オッズより取得), and the race's odds are read again from them. A kind without such an
// announcement keeps the stored record. No file is written. True when an announcement of any
// kind was taken.
bool TakeBettimeOdds(RaceSlot& race, const std::string& folder, std::vector<std::string>& logLines);

}  // namespace kagiroi
