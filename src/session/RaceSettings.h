#pragma once

#include "analysis/RaceMarks.h"
#include "model/ModelParameters.h"
#include "platform/SettingsFile.h"
#include "stakes/KellyStakes.h"

namespace kagiroi {

// What the analysis of a race reads from the settings, taken in one go: when a day loads, when
// a settings dialog closes, or once for a whole replay. A click reads no file.
struct RaceSettings {
    StrengthThresholds thresholds;
    int trioFavourite = 100;      // the N of the N-th favourite trio (SpinEdit1)
    int trifectaFavourite = 100;  // ... and trifecta (SpinEdit2)
    int allocationMode = 1;       // the item of RadioGroup1: 0 均等, 1 比例, 2 ケリー
    double kellyFraction = kDefaultKellyPercent / 100.0;
    int bankroll = 100000;     // yen, what ケリー stakes a part of
    int defaultAmount = 3000;  // every race's amount when its day loads
    ModelParameters model;     // the powers of the chances model
};

RaceSettings ReadRaceSettings(const SettingsFile& settings);

}  // namespace kagiroi
