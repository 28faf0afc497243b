#pragma once

#include "daystore/RaceSlot.h"
#include "platform/SettingsTable.h"

#include <array>
#include <string>

namespace kagiroi {

// The six win-odds bounds of the race-strength marks, in the order of kStrengthSettings.
struct StrengthThresholds {
    double favouriteAtMost1 = 0;  // mark 1: 1st favourite at most
    double secondAtLeast1 = 0;    //         2nd favourite at least
    double secondAtMost2 = 0;     // mark 2: 2nd at most
    double thirdAtLeast2 = 0;     //         3rd at least
    double thirdAtMost3 = 0;      // mark 3: 3rd at most
    double fourthAtLeast3 = 0;    //         4th at least
};

// Where each bound is kept in the settings file.
extern const std::array<TextSetting, 6> kStrengthSettings;

// The bounds from the six setting texts as read (in kStrengthSettings order); a text that does
// not read as a decimal number counts as 0.
StrengthThresholds StrengthThresholdsFromTexts(const std::array<std::string, 6>& texts);

// The texts of Strong1Label, Strong2Label, Strong3Label and StrongELabel: "○" or empty.
struct RaceMarks {
    std::string strong1, strong2, strong3, strongE;
};
// "○", the text of a mark that holds.
extern const char kMarkHolds[];

// Mark n holds when some runner of win rank n is at or below its upper bound and some runner
// of rank n + 1 is at or above its lower bound; "他" when none of the three holds.
RaceMarks ComputeRaceMarks(const RaceSlot& slot, const StrengthThresholds& thresholds);

}  // namespace kagiroi
