#include "stakes/PopularityRates.h"

#include "platform/Format.h"
#include "platform/TextField.h"
#include "selection/BetColumns.h"

#include <cmath>
#include <vector>

namespace kagiroi {

namespace {

bool InRange(int fieldSize, int rank) {
    return fieldSize >= kMinRateFieldSize && fieldSize <= kMaxRateFieldSize && rank >= 1 &&
           rank <= kMaxRateRank;
}

// Win chances by rank: a power law with an exponential tail, scaled to sum to 1 over the field.
// The constants give a field of 16 roughly what favourites do on JRA courses (the favourite
// wins about a third of its races and finishes in the first three a little under two thirds).
constexpr double kRankPower = 0.55;
constexpr double kRankDecay = 0.18;
// The later places are filled from the remaining horses by flattened chances (the win chance
// raised to these powers): a favourite that did not win is less sure of second than its win
// chance says, the classic correction of filling places in proportion to win chances.
constexpr double kSecondPlacePower = 0.76;
constexpr double kThirdPlacePower = 0.62;

std::vector<double> Normalised(std::vector<double> chances) {
    double sum = 0;
    for (double c : chances)
        sum += c;
    for (double& c : chances)
        c /= sum;
    return chances;
}

std::vector<double> ModelWinChances(int fieldSize) {
    std::vector<double> p(static_cast<size_t>(fieldSize) + 1, 0.0);
    for (int r = 1; r <= fieldSize; ++r)
        p[static_cast<size_t>(r)] = std::pow(r, -kRankPower) * std::exp(-kRankDecay * (r - 1));
    return Normalised(p);
}

std::vector<double> Flattened(const std::vector<double>& p, double power) {
    std::vector<double> q(p.size(), 0.0);
    for (size_t r = 1; r < p.size(); ++r)
        q[r] = std::pow(p[r], power);
    return Normalised(q);
}

// The rate table each horse of a ticket is looked up in, in the order of the combination.
std::vector<RateTable> RateTablesOf(BetType type) {
    switch (type) {
        case BetType::Win:
            return {RateTable::Win};
        case BetType::Place:
            return {RateTable::TopThree};
        case BetType::Quinella:
        case BetType::Exacta:
            return {RateTable::TopTwo, RateTable::TopTwo};
        case BetType::Wide:
            return {RateTable::TopThree, RateTable::TopThree};
        case BetType::Trio:
            return {RateTable::TopThree, RateTable::TopThree, RateTable::TopThree};
        case BetType::Trifecta:
            return {RateTable::Win, RateTable::TopTwo, RateTable::TopThree};
        case BetType::BracketQuinella:
            break;
    }
    return {};
}

}  // namespace

double& PopularityRateTables::At(RateTable table, int fieldSize, int rank) {
    return rates[static_cast<size_t>(table) - 1][static_cast<size_t>(fieldSize)]
                [static_cast<size_t>(rank)];
}

double Rate(const PopularityRateTables& tables, RateTable table, int fieldSize, int rank) {
    if (!InRange(fieldSize, rank)) return 0.0;
    return tables.rates[static_cast<size_t>(table) - 1][static_cast<size_t>(fieldSize)]
                       [static_cast<size_t>(rank)];
}

// First place by the win chances, second from the rest by the flattened second-place chances,
// third likewise; each horse's chances of the first two and three places summed over the orders.
void PutModelRates(PopularityRateTables& tables, int fieldSize) {
    if (fieldSize < kMinRateFieldSize || fieldSize > kMaxRateFieldSize) return;
    const int n = fieldSize;
    std::vector<double> p = ModelWinChances(n);
    std::vector<double> q = Flattened(p, kSecondPlacePower);
    std::vector<double> t = Flattened(p, kThirdPlacePower);
    auto at = [](const std::vector<double>& v, int r) { return v[static_cast<size_t>(r)]; };
    for (int rank = 1; rank <= kMaxRateRank; ++rank) {
        double win = 0, second = 0, third = 0;
        if (rank <= n) {
            win = at(p, rank);
            for (int j = 1; j <= n; ++j) {
                if (j == rank) continue;
                double secondGivenJ = at(q, rank) / (1 - at(q, j));
                second += at(p, j) * secondGivenJ;
                for (int k = 1; k <= n; ++k) {
                    if (k == rank || k == j) continue;
                    third += at(p, j) * at(q, k) / (1 - at(q, j)) * at(t, rank) /
                             (1 - at(t, j) - at(t, k));
                }
            }
        }
        tables.At(RateTable::Win, fieldSize, rank) = win;
        tables.At(RateTable::TopTwo, fieldSize, rank) = win + second;
        tables.At(RateTable::TopThree, fieldSize, rank) = win + second + third;
    }
}

PopularityRateTables ModelRates() {
    PopularityRateTables tables;
    for (int n = kMinRateFieldSize; n <= kMaxRateFieldSize; ++n)
        PutModelRates(tables, n);
    return tables;
}

void FillPopularityRates(BetType type, TextGrid& table, int fieldSize,
                         const PopularityRateTables& tables) {
    const BetColumns& c = ColumnsOf(type);
    std::vector<RateTable> rateTables = RateTablesOf(type);
    for (int r = 1; r < table.RowCount(); ++r) {
        const std::string& popularity = table.Cell(c.popularity, r);
        for (size_t k = 0; k < rateTables.size(); ++k) {
            int rank = ToInt(Field(popularity, static_cast<int>(3 * k + 1), 2));
            if (rank <= 0 || !InRange(fieldSize, rank)) continue;
            table.SetCell(c.rates[k], r,
                          Format("%5.1f", Rate(tables, rateTables[k], fieldSize, rank) * 100));
        }
    }
}

}  // namespace kagiroi
