#pragma once

#include "demo/DemoCalendar.h"
#include "demo/DemoRecords.h"

#include <string>
#include <vector>

namespace kagiroi {

// When the demo publishes what of a race day (minutes since 1970).
struct DemoDayStamps {
    int64_t entries = 0;          // Thursday 17:00 before the weekend (two days before a weekday)
    int64_t card = 0;             // the day before, 10:00
    int64_t raceDay = 0;          // the day itself, 18:00: results, payouts and final odds
    int64_t settled = 0;          // the next Monday, 12:00
    int64_t miningDayBefore = 0;  // 12:00 the day before
    int64_t miningRaceDay = 0;    // 08:00 on the day
};

DemoDayStamps StampsOf(const DateTime& raceDay);

// The version of the records that exists at a moment (the card before the day, the results
// once run, the settled results after the weekend).
DemoStage StageAt(const DateTime& raceDay, int64_t minute);

enum class DemoFileKind { RA, SE, HR, O1, O5, O6 };

// One file of stored data: one record kind of one race day in one version.
struct DemoFileEntry {
    DateTime raceDay;
    DemoFileKind kind = DemoFileKind::RA;
    DemoStage stage = DemoStage::Card;
    int64_t stamp = 0;  // minutes since 1970

    char DataKind() const;
    std::string StampText() const;  // "yyyymmddhhnnss"
    std::string Name() const;
};

// How far back the demo keeps stored data: some weeks for normal downloads, three years for a
// setup.
inline constexpr int kDemoNormalDays = 35;
inline constexpr int kDemoSetupDays = 3 * 365;

// The files published after `fromSeconds` (seconds since 1970) and by `now`, oldest first. A
// normal download offers every version; a setup offers only each file's newest version.
std::vector<DemoFileEntry> DemoStoredFiles(const DemoCalendar& calendar, int64_t now,
                                           int64_t fromSeconds, bool setup);

}  // namespace kagiroi
