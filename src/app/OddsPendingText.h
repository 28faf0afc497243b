#pragma once

#include "daystore/RaceSlot.h"

#include <string>

namespace kagiroi {

// What the place of the net says while a race has neither trio nor trifecta odds: that they are
// not fetched yet, the button that fetches them and, while the automatic fetch is on, the time
// of its next fetch of the race (its first or second fetch time still to come, "hhmm" compared
// with `nowHhmm` as texts). Empty for a race with odds.
std::string OddsPendingText(const RaceSlot& race, bool autoFetchOn, const std::string& nowHhmm);

}  // namespace kagiroi
