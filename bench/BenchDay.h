#pragma once

#include <string>
#include <vector>

namespace kagiroi::bench {

// A full race day made for measuring: 3 racecourses × 12 races × 18 runners, every race with
// its race, runner, payout, win/place/bracket, trio, trifecta and mining records. The odds come
// from a market on drawn strengths (a 20 % take on win, 27.5 % on trio and trifecta, so equal
// odds occur as they do in real tables), the result is drawn from the same strengths and pays
// what its odds say; the same seed gives the same day.
struct BenchDaySpec {
    std::string date = "20240106";
    std::vector<std::string> courses = {"05", "06", "09"};
};

// The day's records in the order a download delivers them: race, runners, payouts, then odds
// and mining records.
std::vector<std::string> BenchDayRecords(const BenchDaySpec& raceSpec = {});

// The day text of the raceSpec's date ("yyyy年mm月dd日").
std::string BenchDayText(const BenchDaySpec& raceSpec = {});

// Stores the records into the program folder's day files, as a download would.
void WriteBenchDay(const std::string& programFolder, const std::vector<std::string>& records);

// The day's files (race, runner, payout, odds and mining files) that exist in the folder.
std::vector<std::string> BenchDayFiles(const std::string& programFolder,
                                       const BenchDaySpec& raceSpec = {});

}  // namespace kagiroi::bench
