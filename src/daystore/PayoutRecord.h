#pragma once

#include "daystore/RaceSlot.h"

#include <string_view>
#include <vector>

namespace kagiroi {

// Entry k (0-based) of a bet type in a payout record: for 単勝 and 複勝 the horse number as it
// reads, for the other types the combination text ("%2d-" per number, "%2d" for the last), built
// only when every number is above 0; payout and popularity as integers, blanks reading 0.
PayoutEntry ReadPayoutEntry(std::string_view hrRecord, BetType type, int k);

// The entries of a bet type that name a horse or a combination: what the race paid.
std::vector<PayoutEntry> PaidEntries(BetType type, std::string_view hrRecord);

}  // namespace kagiroi
