#pragma once

#include "daystore/RecordFields.h"

namespace kagiroi {

// Lengths in bytes of the fixed-length records, CR LF included. A day-file line holds the
// record less its CR LF, then CR LF, so a file of one kind is a sequence of such records.
inline constexpr int kRaLength = 1272;
inline constexpr int kSeLength = 555;
inline constexpr int kHrLength = 719;
inline constexpr int kO1Length = 962;
inline constexpr int kO5Length = 12293;
inline constexpr int kO6Length = 83285;
inline constexpr int kDmLength = 303;
inline constexpr int kTcLength = 45;
inline constexpr int kWeLength = 42;

inline constexpr int kSlotCount = 36;       // races of a loaded day
inline constexpr int kMaxRunners = 18;      // runners of a race
inline constexpr int kRacesPerCourse = 12;  // races of one racecourse on one day
inline constexpr int kRunnerFileLines = kRacesPerCourse * kMaxRunners;  // 216

}  // namespace kagiroi
