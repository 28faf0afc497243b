#pragma once

#include <array>
#include <vector>

namespace kagiroi {

// A run race as the fit reads it: the win odds it was run at, by horse number (element 0
// unused; cancelled and blank runners at 0 or below), its first three in finishing order and
// the win chances the popularity-rate tables gave its runners (empty when they gave none).
struct CalibrationRace {
    std::vector<double> winOdds;
    std::array<int, 3> firstThree{};
    std::vector<double> popularityWin;
};

// The races the fit takes: at least this many runners priced, and at least this many races.
inline constexpr int kCalibrationMinPriced = 5;
inline constexpr int kCalibrationMinRaces = 100;

// How many runners of the race have win odds above 0.
int PricedRunners(const CalibrationRace& race);

}  // namespace kagiroi
