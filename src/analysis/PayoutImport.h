#pragma once

#include "daystore/RaceSlot.h"

#include <string>
#include <vector>

namespace kagiroi {

struct PayoutImportResult {
    // The selected race's payouts arrived for the first time since the day was loaded: race
    // selection must run again (when the race list has a selected item).
    bool refreshSelectedRace = false;
    std::vector<std::string> problems;  // lines for the error log
};

// The payout import (HrReadBtnClick) for the loaded day: re-reads the race and runner records
// (when the race file exists), attaches each payout record (at most 36) to the slot of the same
// race key, writes the placings the place payouts imply into the runner records that hold none
// yet and parses every slot's payouts. `selectedRace` is SelectedRace, or -1 when none.
PayoutImportResult ImportPayouts(DayBook& book, int selectedRace);

// The payout parse of one slot from its HrCopy; ParseAllPayouts is CalcBtnClick.
void ParsePayouts(RaceSlot& slot);
void ParseAllPayouts(DayBook& book);

}  // namespace kagiroi
