#pragma once

#include "daystore/RaceSlot.h"
#include "platform/TextGrid.h"
#include "support/TempFolder.h"

#include <memory>

namespace kagiroi::test {

// An 18-runner race (中山11R) imported from its day files as a day load does, with the index
// table and the horse grid filled for it.
//   win odds by horse: 45.0 2.4 6.5 ---- 12.0 4.0 88.8 19.0 30.5 9.0 150.0 25.0 60.0 200.0
//                      15.0 110.0 70.0 130.0 (horse 4 cancelled)
//   win ranks:         10 1 3 - 5 2 13 7 9 4 16 8 11 17 6 14 12 15
//   place odds (low):  1.0 + horse / 10, horse 4 cancelled
//   mining:            horse 2 and 3 1.12.10, horse 1 1.12.34, horse 5 1.13.00 (its own record)
//   result:            horse 2 first at 2.4 (1st favourite), horse 6 second (2nd favourite)
class EighteenRunnerRace {
  public:
    EighteenRunnerRace();
    RaceSlot& Slot() { return book_->slots[0]; }
    TextGrid table;
    TextGrid horses;

  private:
    TempFolder folder_;
    std::unique_ptr<DayBook> book_;
};

// The horse numbers down column 1 of a table, as "2,6,3".
std::string HorseOrder(const TextGrid& table);

}  // namespace kagiroi::test
