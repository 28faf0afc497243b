#pragma once

#include "daystore/RaceSlot.h"

namespace kagiroi {

// The race's registered runners (RA position 882), 0..18.
int RegisteredRunners(const RaceSlot& slot);

// The figures derived from a race's freshly imported odds: standard odds and place rate of every
// ranked runner, the place-rate ranks and the win spread (sample deviation of the win support,
// which the odds import sets while it stores the win odds). Reads the win ranks and odds of
// `slot.Odds` and the win odds digits of `slot.O1Copy`.
void ComputeRunnerIndices(RaceSlot& slot);

}  // namespace kagiroi
