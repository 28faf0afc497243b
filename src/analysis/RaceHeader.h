#pragma once

#include "daystore/RaceSlot.h"
#include "platform/Color.h"

#include <optional>
#include <string>

namespace kagiroi {

// The header panel of the selected race (Panel3): its label texts and its colour.
struct RaceHeaderTexts {
    std::string Label1;      // date, weekday, course, meeting, day, race, post time, going
    std::string Label2;      // edition and race name
    std::string Label3;      // runners, distance, track, grade, race type, symbol
    std::string Label4;      // weight type and conditions
    std::string Label6;      // prize money
    std::string Label7;      // added money
    std::string BashoLabel;  // racecourse name
    std::string RaceLabel;   // race number (an opaque label)
    Rgb panelColor;          // green on turf (track 10..22), maroon otherwise
};

RaceHeaderTexts BuildRaceHeader(const std::string& raceInfo);

// The message of a race whose first runner record has no horse number ("11レースはデータが
// 不十分です。"); nothing when the race can be shown.
std::optional<std::string> InsufficientDataMessage(const RaceSlot& slot);

}  // namespace kagiroi
