#pragma once

#include "daystore/RaceSlot.h"

#include <functional>

namespace kagiroi {

// Reads the day's race file into the slots in record order, at most 36 races, and each race's
// runners from its racecourse's runner file: RunnerInfo row i+1 from runner record
// (race − 1) × 18 + i for i below the registered runners. `onRunnerFile` is called once per
// race that has a runner file (the day load's progress bar).
// A record that holds no race (blank, or year "0000") takes no slot, so the filled slots are
// always the first ones and race list item i is slot i.
void ReadRaceAndRunnerRecords(DayBook& book, const std::function<void()>& onRunnerFile = {});

// Copies each payout record (at most 36) into the HrCopy of the first slot whose race has the
// same year, month-day, course and race number, marking PayoutConfirmed for data kinds 1 and 2.
void ReadPayoutRecords(DayBook& book);

}  // namespace kagiroi
