#pragma once

#include "demo/DemoWorld.h"

#include <functional>
#include <string>
#include <vector>

namespace kagiroi::test {

// The records of one race as the demo publishes them once settled, with the final odds.
struct DemoRaceRecords {
    const DemoRace* race = nullptr;
    std::string ra, hr, o1, o5, o6, dm;
    std::vector<std::string> runners;  // SE in horse-number order
};

// The settled records of every race of a day, in race-key order.
std::vector<DemoRaceRecords> SettledRecords(DemoWorld& world, const DateTime& day);

// The records of one file of a race day in one version.
std::vector<std::string> FileRecords(DemoWorld& world, const DateTime& day, DemoFileKind kind,
                                     DemoStage stage);

// The first race from `first` on (at most a year of days searched) that satisfies `wanted`;
// the race stays valid until the world builds other days.
const DemoRace* FindRace(DemoWorld& world, const DateTime& first,
                         const std::function<bool(const DemoRace&)>& wanted);

// Field reading shorthands.
std::string F(const std::string& record, int pos, int len);
int N(const std::string& record, int pos, int len);

}  // namespace kagiroi::test
