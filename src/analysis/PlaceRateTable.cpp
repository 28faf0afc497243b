#include "analysis/PlaceRateTable.h"

#include <array>
#include <cstddef>

namespace kagiroi {

namespace {

struct PlaceRateRow {
    int thresholdTenths;  // 24 = 2.4: compared in tenths so 2.4 is never a rounding question
    double rateAtOrBelow;
    double rateAbove;
};

constexpr std::array<PlaceRateRow, 10> kRows = {{
    {24, 75.8, 56.7},
    {43, 57.5, 45.7},
    {63, 46.1, 36.7},
    {87, 36.0, 30.1},
    {119, 30.3, 23.2},
    {163, 24.9, 17.8},
    {213, 19.9, 13.7},
    {279, 16.9, 10.1},
    {368, 14.1, 7.8},
    {479, 10.9, 5.7},
}};

}  // namespace

double PlaceRateTable(int rank, int oddsTenths) {
    if (rank < 1 || rank > static_cast<int>(kRows.size()) || oddsTenths <= 0) return 0.0;
    const PlaceRateRow& row = kRows[static_cast<size_t>(rank - 1)];
    return oddsTenths <= row.thresholdTenths ? row.rateAtOrBelow : row.rateAbove;
}

}  // namespace kagiroi
