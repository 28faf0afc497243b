#pragma once

#include "demo/DemoDay.h"
#include "demo/DemoOdds.h"
#include "demo/DemoPayouts.h"

#include <string>

namespace kagiroi {

// How far a race's records have come: the entries early in the week (data kind 1), the card
// from the day before (2), the results on race day (5) and the settled results after the
// weekend (7).
enum class DemoStage { Entries, Card, RaceDay, Settled };

char DataKindOf(DemoStage stage);
bool HasResults(DemoStage stage);

// Race details (RA, 1272 bytes).
std::string DemoRaRecord(const DemoRace& race, DemoStage stage, const DateTime& created);
// One runner (SE, 555 bytes). With results, `finalOdds` gives the final win odds and
// popularity.
std::string DemoSeRecord(const DemoRace& race, const DemoRunner& runner, DemoStage stage,
                         const DateTime& created, const DemoOddsBook* finalOdds);
// Payouts (HR, 719 bytes): data kind 1 on race day, 2 once settled.
std::string DemoHrRecord(const DemoRace& race, const DemoPayouts& payouts, char dataKind,
                         const DateTime& created);
// Mining prediction (DM, 303 bytes) made at `madeAt`.
std::string DemoDmRecord(const DemoRace& race, char dataKind, int64_t madeAt);
// Post-time change (TC, 45 bytes).
std::string DemoTcRecord(const DemoRace& race);
// Weather and going notice (WE, 42 bytes).
std::string DemoWeRecord(const DemoCourseDay& course, const DateTime& date,
                         const DemoWeatherNotice& notice);

}  // namespace kagiroi
