#pragma once

#include "daystore/RaceSlot.h"
#include "platform/SettingsFile.h"

#include <string_view>

namespace kagiroi {

// RaceAmounts: the amount of each race of the loaded day, kept as decimal text in the race's
// slot. A day load gives every race the default amount; selecting a race puts its amount into
// the amount box (SaNumEditExC1); a change of the box stores the new value for that race.

// KaimeSet/DefaultAmount, 3000 when missing, kept within the amount box's 0..999999.
int ReadDefaultAmount(const SettingsFile& settings);

void ResetRaceAmounts(DayBook& book, int defaultAmount);
// The race's amount as the amount box takes it.
int AmountOfRace(const RaceSlot& race);
void StoreRaceAmount(RaceSlot& race, int amount);

// The amount box's text as an amount: an emptied box (or text that is not a number) is 0, so
// nothing is allocated; the value is kept within 0..999999.
int AmountFromBox(std::string_view text);

}  // namespace kagiroi
