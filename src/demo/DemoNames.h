#pragma once

#include "demo/DemoRandom.h"

#include <string>

namespace kagiroi {

// Invented names for the demo's horses, jockeys and races (Shift_JIS, full-width).

// A horse name of full-width katakana, at most nine characters.
std::string DemoHorseName(DemoRandom& random);

inline constexpr int kDemoJockeyCount = 40;
// The jockey's short name: four full-width characters (8 bytes), padded with full-width spaces.
std::string DemoJockeyName(int jockey);

// The name of a special race: a seasonal word and a suffix, such as 若葉ステークス.
std::string DemoSpecialRaceName(DemoRandom& random, int month);
// The name of a graded race, such as 朱雀記念.
std::string DemoGradedRaceName(DemoRandom& random, int month);

}  // namespace kagiroi
