#pragma once

#include "demo/DemoRaceModel.h"

#include <vector>

namespace kagiroi {

// A weather and going notice of a racecourse: the first of the day (change kind 1) or a change
// of the weather (2) or of the going (3).
struct DemoWeatherNotice {
    int64_t announced = 0;  // minutes since 1970
    int changeKind = 1;
    DemoGoing now;
    DemoGoing before;  // zeros for the first notice
};

struct DemoCourseDay {
    DemoMeeting meeting;
    std::vector<DemoWeatherNotice> notices;  // in announcement order
    std::vector<DemoRace> races;             // races 1..12

    DemoGoing GoingAt(int64_t minute) const;
};

// One race day of the demo: every racecourse with its twelve races, in race-key order.
struct DemoDay {
    DateTime date;
    std::vector<DemoCourseDay> courses;

    std::vector<const DemoRace*> Races() const;
    // The race of a race key's course, meeting, day and race numbers; null when none.
    const DemoRace* Find(int course, int meeting, int dayNumber, int race) const;
};

DemoDay BuildDemoDay(const DateTime& date, const std::vector<DemoMeeting>& meetings);

}  // namespace kagiroi
