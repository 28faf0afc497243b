#pragma once

#include "platform/TextGrid.h"
#include "racing/BetType.h"

#include <array>

namespace kagiroi {

// Which finishing rate a table holds: of winning, of finishing in the first two, in the first
// three.
enum class RateTable { Win = 1, TopTwo = 2, TopThree = 3 };

inline constexpr int kMinRateFieldSize = 4;
inline constexpr int kMaxRateFieldSize = 18;
inline constexpr int kMaxRateRank = 18;
// Below this many races of a field size the observed figures are too noisy to use.
inline constexpr int kMinRacesForObservedRates = 30;

// Three tables of fractions (0 to 1) by field size 4..18 and popularity rank 1..18: how often a
// horse of that win popularity won, ran in the first two, ran in the first three.
struct PopularityRateTables {
    // [table 0..2][field size][rank]; entries outside the ranges stay 0.
    std::array<std::array<std::array<double, kMaxRateRank + 1>, kMaxRateFieldSize + 1>, 3> rates{};
    // Races behind each field size's figures; below kMinRacesForObservedRates the figures are
    // the model's.
    std::array<int, kMaxRateFieldSize + 1> races{};

    double& At(RateTable table, int fieldSize, int rank);
};

// The rate of a rank in a field; 0 outside field sizes 4..18 or ranks 1..18.
double Rate(const PopularityRateTables& tables, RateTable table, int fieldSize, int rank);

// The estimate used where the store holds too few races of a field size: win chances falling
// off smoothly with the popularity rank, and the top-two and top-three chances that follow when
// the places are filled in turn from the horses left.
PopularityRateTables ModelRates();
// Fills the rates of one field size from the model.
void PutModelRates(PopularityRateTables& tables, int fieldSize);

// Fills the popularity-rate columns of a bet table from its popularity text: the win
// popularity of each horse in the order of the combination. 枠連 has no rates.
void FillPopularityRates(BetType type, TextGrid& table, int fieldSize,
                         const PopularityRateTables& tables);

}  // namespace kagiroi
