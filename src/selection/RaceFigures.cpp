#include "selection/RaceFigures.h"

#include "platform/TextField.h"

#include <algorithm>

namespace kagiroi {

namespace {
constexpr int kO1WinOdds = 46;  // horse h at 46 + 8 (h - 1), 4 digits
constexpr int kO1WinEntry = 8;
}  // namespace

int FieldSizeOf(const RaceSlot& race) {
    return ToInt(Field(race.RaceInfo, pos::kRaRunners, 2));
}

double RawWinOdds(const RaceSlot& race, int horse) {
    return ToInt(Field(race.O1Copy, kO1WinOdds + kO1WinEntry * (horse - 1), 4)) / 10.0;
}

int OddsRecordRace(const std::string& oddsRecord) {
    return ToInt(Field(oddsRecord, pos::kRaceNumber, 2));
}

}  // namespace kagiroi
