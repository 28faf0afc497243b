#include "analysis/StandardOddsTable.h"

#include <array>
#include <cstddef>

namespace kagiroi {

namespace {

constexpr int kSmallestField = 10;
constexpr int kLargestField = 18;

// Rows by field size 10..18, columns by rank 1..18. The long-shot ranks are not monotonic;
// they are what the averages came out as and are used as they stand.
constexpr std::array<std::array<double, kLargestField>, kLargestField - kSmallestField + 1>
    kAverageOdds = {{
        {2.0, 3.9, 6.1, 8.7, 11.5, 18.4, 26.8, 38.8, 51.5, 103.4},
        {2.0, 3.9, 6.1, 8.3, 11.4, 16.9, 26.2, 33.3, 55.4, 67.2, 89.4},
        {2.1, 4.0, 6.1, 8.6, 11.6, 16.2, 24.1, 31.9, 41.2, 58.8, 67.7, 96.4},
        {2.2, 4.2, 6.0, 8.7, 12.3, 16.3, 20.9, 28.0, 40.0, 51.8, 65.5, 159.1, 145.6},
        {2.3, 4.2, 6.1, 8.5, 11.4, 15.8, 20.1, 27.4, 37.1, 43.5, 62.0, 93.9, 126.6, 138.8},
        {2.4, 4.4, 6.3, 8.3, 12.1, 15.7, 18.2, 22.8, 30.7, 51.7, 68.3, 81.1, 78.9, 147.0, 148.5},
        {2.4, 4.4, 6.3, 8.8, 11.6, 15.8, 19.7, 26.9, 32.4, 43.8, 54.0, 62.5, 88.4, 112.1, 139.6,
         209.6},
        {2.4, 4.4, 6.4, 8.3, 11.7, 17.4, 20.0, 24.4, 35.1, 36.7, 39.5, 71.9, 85.8, 0.0, 78.2, 0.0,
         165.3},
        {2.6, 4.4, 6.5, 9.0, 11.5, 15.2, 18.8, 23.9, 29.7, 38.3, 46.9, 68.0, 65.3, 112.1, 124.1,
         127.1, 126.3, 97.2},
    }};

}  // namespace

double StandardOddsTable(int runners, int rank) {
    if (runners < kSmallestField || runners > kLargestField || rank < 1 || rank > runners)
        return 0.0;
    return kAverageOdds[static_cast<size_t>(runners - kSmallestField)]
                       [static_cast<size_t>(rank - 1)];
}

}  // namespace kagiroi
