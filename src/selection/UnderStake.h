#pragma once

#include "platform/TextGrid.h"
#include "racing/BetType.h"

#include <cstdint>

namespace kagiroi {

// トリガミ: a ticket whose payout if it hits (its expected-payout cell) is below the whole
// stake of its table, so that even its hit loses money. A row without that cell never is.
bool PaysBackLessThanStake(const TextGrid& table, BetType type, int row, int64_t totalStake);

// How many rows of the table pay back less than `totalStake`.
int CountUnderStake(const TextGrid& table, BetType type, int64_t totalStake);

}  // namespace kagiroi
