#pragma once

namespace kagiroi {

// The average win odds of popularity rank `rank` in a field of `runners` (10..18 runners);
// 0 where the table has no value (smaller fields, ranks 14 and 16 of 17, ranks beyond the field).
double StandardOddsTable(int runners, int rank);

}  // namespace kagiroi
