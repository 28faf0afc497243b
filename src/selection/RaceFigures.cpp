#include "selection/RaceFigures.h"

#include "platform/TextField.h"

#include <algorithm>

namespace kagiroi {

int FieldSizeOf(const RaceSlot& race) {
    return RegisteredRunners(race.RaceInfo);
}

double RawWinOdds(const RaceSlot& race, int horse) {
    return NumberAt(race.O1Copy, O1::WinOdds.At(horse)) / 10.0;
}

int OddsRecordRace(const std::string& oddsRecord) {
    return NumberAt(oddsRecord, RaceHead::RaceNumber);
}

}  // namespace kagiroi
