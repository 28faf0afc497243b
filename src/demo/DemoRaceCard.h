#pragma once

#include "demo/DemoCalendar.h"

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace kagiroi {

struct DemoRunner {
    int horse = 0;     // 1..n
    int bracket = 0;   // BracketOf(n, horse)
    std::string name;  // full-width katakana, Shift_JIS
    int sex = 1;       // 1 colt, 2 filly, 3 gelding
    int age = 3;
    int carriedWeight = 550;  // 0.1 kg
    int jockey = 0;           // index of the jockey list
    int trainerCode = 0;
    int eastWest = 1;  // 1 east, 2 west
    int64_t pedigreeNumber = 0;
    int bodyWeight = 480;      // kg on race day
    int bodyWeightChange = 0;  // kg against the last race
    double strength = 0.0;     // the model's ability, mean 0, deviation 1
};

// What a race card says of a race: its conditions and its runners.
struct DemoRaceCard {
    DateTime date;
    DemoMeeting meeting;
    int race = 0;
    int weekdayCode = 0;    // 1 Saturday, 2 Sunday, 4..8 Monday..Friday
    int specialNumber = 0;  // 0 for a general race
    std::string name;       // Shift_JIS full-width; empty for a general race
    int edition = 0;        // of a graded race
    char grade = ' ';
    int raceType = 13;
    std::string symbol = "000";
    int weightType = 3;
    std::array<int, 4> conditions{};  // 2-, 3-, 4-, 5-year-olds and up
    int youngestCondition = 0;
    int distance = 1600;
    int track = 11;
    std::string lane = "  ";
    std::array<int64_t, 5> prize{};  // 100 yen
    std::array<int64_t, 3> added{};  // 100 yen
    int postMinutes = 0;             // as first announced, minutes after midnight
    std::vector<DemoRunner> runners;

    int Registered() const { return static_cast<int>(runners.size()); }
    bool IsTurf() const { return track >= 10 && track <= 22; }
    bool IsJump() const { return track >= 51; }
};

// The card of race `race` (1..12) of a meeting; the same arguments give the same card.
DemoRaceCard BuildDemoRaceCard(const DateTime& date, const DemoMeeting& meeting, int race);

// A seed particular to one race.
uint64_t DemoRaceSeed(const DateTime& date, int course, int race);

}  // namespace kagiroi
