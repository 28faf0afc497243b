#pragma once

namespace kagiroi {

// Estimated place rate in percent of the runner with win popularity `rank` (1..10) at win odds
// `oddsTenths` (tenths of a multiple, as the odds record holds them): the higher rate up to the
// rank's threshold, the lower one above it. 0 for ranks above 10 and for odds of 0 or below.
double PlaceRateTable(int rank, int oddsTenths);

}  // namespace kagiroi
