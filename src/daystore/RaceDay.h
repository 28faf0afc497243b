#pragma once

#include "daystore/RaceSlot.h"

#include <array>
#include <string>
#include <vector>

namespace kagiroi {

// The days present in the store, newest first: the day texts D of the race files "D.jvRA" in
// the Data folder. Files whose names are not of that form are left out.
std::vector<std::string> BuildDateList(const std::string& programFolder);

// The entry of a date list (any order) to show when the program picks the day itself: today's
// ("yyyymmdd"), else the newest day before it, else the nearest day ahead; -1 when the list is
// empty. A race day's download stores tomorrow too, which is not the day being bet on.
int DayToShow(const std::vector<std::string>& dateList, const std::string& todayYyyymmdd);

// A race list item: racecourse name, race number right-aligned in two places, "R" (東京11R).
std::string RaceListText(const RaceSlot& slot);

// "hhmm" plus m minutes (m may be negative); a blank time gives an empty result.
std::string AddMinutes(const std::string& hhmm, int minutes);

// The three automatic odds fetch times: the post time minus N, N − 1 and N − 2 minutes.
std::array<std::string, 3> FetchTimesFor(const std::string& postTime, int minutesBefore);

// The slot of the next race to run: among the listed slots, the one whose post time "hhmm" is
// later than `nowHhmm` with the smallest difference (the first in list order on equal
// differences); -1 when there is none.
int NextRaceSlot(const DayBook& book, int listedSlots, const std::string& nowHhmm);

}  // namespace kagiroi
