#pragma once

#include "daystore/RaceSlot.h"
#include "platform/DateTime.h"
#include "platform/TextGrid.h"

#include <string>

namespace kagiroi {

// Where a race of the list stands: its post time "hh:mm", whether the clock has passed it,
// whether its results are in and whether the net shown for it hit.
struct RaceListStatus {
    std::string postTime;
    bool run = false;
    bool results = false;
    bool hit = false;
};

// One line of the race list as the window draws it.
struct RaceListRow {
    std::string text;
    CellStyle style;
    friend bool operator==(const RaceListRow&, const RaceListRow&) = default;
};

// The race's payouts are in: its payout record names a winner (a cancelled race's names none).
bool HasResults(const RaceSlot& race);
RaceListStatus StatusOfRace(const RaceSlot& race, const DateTime& now, bool hit);
// The list text followed by the post time and 発走済, 確定 or 確定 的中.
std::string RaceListLine(const std::string& listText, const RaceListStatus& status);
CellStyle RaceListStyle(const RaceListStatus& status);

}  // namespace kagiroi
