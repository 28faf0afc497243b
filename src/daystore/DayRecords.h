#pragma once

#include "daystore/RaceSlot.h"

#include <functional>

namespace kagiroi {

// Reads the day's race file into the slots (at most 36 records, by record number) and each
// race's runners from its racecourse's runner file: RunnerInfo row i+1 from runner record
// (race − 1) × 18 + i for i below the registered runners. `onRunnerFile` is called once per
// race that has a runner file (the day load's progress bar).
// With `skipBlankYears`, a record with a blank year takes no slot (the payout import's reading);
// otherwise record k goes to slot k whatever it holds (the day load's reading).
void ReadRaceAndRunnerRecords(DayBook& book, bool skipBlankYears,
                              const std::function<void()>& onRunnerFile = {});

// Copies each payout record (at most 36) into the HrCopy of the first slot whose race has the
// same year, month-day, course and race number, marking PayoutConfirmed for data kinds 1 and 2.
void ReadPayoutRecords(DayBook& book);

}  // namespace kagiroi
