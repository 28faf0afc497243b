#pragma once

#include "daystore/RaceSlot.h"

#include <string>
#include <vector>

namespace kagiroi {

// The mining import of the loaded day (DMReadBtnClick): each slot's DM record from the day's
// mining file (at most 36 records, each to the first slot of the same date, racecourse and race
// number), the predicted times of its runners, replaced by a runner record's own prediction when
// that lies in 1..99998, and the ranks by time (equal times: lower horse number first) of the
// runners that run: a horse whose win odds are cancelled, or whose runner record marks it
// withdrawn or excluded, keeps its time but takes no rank.
// An unreadable mining file leaves every DM copy blank and gives one line for the error log.
std::vector<std::string> ImportMining(DayBook& book);

// The ranks of one slot's predictions from its DMCopy, runner records and win odds.
void ComputeMiningBlock(RaceSlot& slot);

}  // namespace kagiroi
