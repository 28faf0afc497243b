#pragma once

#include "daystore/RaceSlot.h"

#include <string_view>
#include <vector>

namespace kagiroi {

// The paid entries of one bet type read straight from a race's payout record (HR): for 単勝 and
// 複勝 the horse number, for the other types the combination text (" 1- 2", " 1- 2- 3", the
// numbers in the order stored). Entries whose numbers are blank or zero are left out, so a
// race without results or without a sale of the type gives none. Dead heats give several.
std::vector<PayoutEntry> PaidEntries(BetType type, std::string_view hrRecord);

}  // namespace kagiroi
