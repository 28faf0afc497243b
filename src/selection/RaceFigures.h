#pragma once

#include "daystore/RaceSlot.h"

namespace kagiroi {

// The number of registered horses (登録頭数, RA 882), 0 when it does not read as a number.
int FieldSizeOf(const RaceSlot& race);

// A horse's win odds from the raw O1 record: its 4-digit field in tenths, divided by 10; a
// blank, cancelled or unreadable field gives 0.
double RawWinOdds(const RaceSlot& race, int horse);

// The race number of an odds record (position 26), 0 when blank: no such record for the race.
int OddsRecordRace(const std::string& oddsRecord);

}  // namespace kagiroi
