#pragma once

#include "daystore/RaceSlot.h"
#include "model/CalibrationReport.h"
#include "records/DayReplay.h"
#include "stakes/PopularityRates.h"

#include <functional>
#include <string>
#include <vector>

namespace kagiroi {

// Why a stored race is or is not taken by the fit.
enum class CalibrationUse { Usable, FewPriced, DeadHeat, NoResult };

// The race's win odds, its first three (from the runner records, else from the payouts) and
// the popularity-rate chances into `race`. A race that has not run, whose places were shared
// or that has fewer than five priced runners (or a finisher without a price) is not usable.
CalibrationUse ReadCalibrationRace(const RaceSlot& slot, const PopularityRateTables& rates,
                                   CalibrationRace& race);

// The usable races of the stored days, in date and race order, and the others counted.
struct CalibrationSample {
    std::vector<CalibrationRace> races;
    CalibrationLeftOut leftOut;
    int days = 0;                       // days read
    int skippedDays = 0;                // days without a race file
    std::vector<std::string> problems;  // what the day loads found damaged, for the error log
    bool stopped = false;               // asked to stop before every day was read
};

// Every race of each stored day, read on up to `jobs` threads; the same for any `jobs`.
// `progress` is told the days read so far; false from it stops the reading (`stopped`).
CalibrationSample GatherCalibrationRaces(const std::vector<ReplayDay>& days,
                                         const std::string& programFolder,
                                         const PopularityRateTables& rates, int jobs = 1,
                                         const std::function<bool(int daysDone)>& progress = {});

}  // namespace kagiroi
