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

// Win chances by rank: a power law with an exponential tail, fitted to the win chances that
// the average odds of each rank imply in a field of 16 (about 33 % for the favourite, 18 % for
// the second, 1 % for the last), then scaled to sum to 1 over the field.
std::vector<double> ModelWinChances(int fieldSize) {
    std::vector<double> p(static_cast<size_t>(fieldSize) + 1, 0.0);
    double sum = 0;
    for (int r = 1; r <= fieldSize; ++r) {
        p[static_cast<size_t>(r)] = std::pow(r, -0.585) * std::exp(-0.193 * (r - 1));
        sum += p[static_cast<size_t>(r)];
    }
    for (double& value : p)
        value /= sum;
    return p;
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

// Places filled in order, each from the horses left in proportion to their win chances.
void PutModelRates(PopularityRateTables& tables, int fieldSize) {
    if (fieldSize < kMinRateFieldSize || fieldSize > kMaxRateFieldSize) return;
    std::vector<double> p = ModelWinChances(fieldSize);
    int n = fieldSize;
    for (int rank = 1; rank <= kMaxRateRank; ++rank) {
        double win = 0, second = 0, third = 0;
        if (rank <= n) {
            double pi = p[static_cast<size_t>(rank)];
            win = pi;
            for (int j = 1; j <= n; ++j) {
                if (j == rank) continue;
                double pj = p[static_cast<size_t>(j)];
                second += pj * pi / (1 - pj);
                for (int k = 1; k <= n; ++k) {
                    if (k == rank || k == j) continue;
                    double pk = p[static_cast<size_t>(k)];
                    third += pj * pk / (1 - pj) * pi / (1 - pj - pk);
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
