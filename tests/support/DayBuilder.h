#pragma once

#include <string>
#include <vector>

namespace kagiroi::test {

// One race of a made-up day, for writing a store the way a download leaves it.
struct RaceSpec {
    std::string date = "20240106";
    std::string course = "06";
    int race = 1;
    int runners = 16;
    std::string postTime = "1000";
    std::string dataKind = "2";
    int meeting = 1;
    int day = 1;
};

std::string RaceRecord(const RaceSpec& race);
std::string RunnerRecord(const RaceSpec& race, int horse);
// A payout record: data kind "1", the race's key, no entries unless the test puts them.
std::string PayoutRecord(const RaceSpec& race);

// `courses` racecourses × 12 races of `runners` runners each, post times 10:00 + 30 min × race.
std::vector<RaceSpec> MakeDay(const std::string& date, const std::vector<std::string>& courses,
                              int runners = 16);

// Stores the races and their runners in the program folder's day files (as a download would).
void WriteRaces(const std::string& programFolder, const std::vector<RaceSpec>& races);

}  // namespace kagiroi::test
