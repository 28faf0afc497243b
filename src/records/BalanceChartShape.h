#pragma once

#include "records/Backtest.h"

#include <array>
#include <cstdint>
#include <vector>

namespace kagiroi {

// A point of a chart's unit square: x from 0 (left) to 1 (right), y from 0 (bottom) to 1 (top).
struct ChartPoint {
    double x = 0, y = 0;
    friend bool operator==(const ChartPoint&, const ChartPoint&) = default;
};

// The running balance of a backtest as the window and kagiroi-cli both draw it.
struct BalanceChartShape {
    int64_t low = 0, high = 0;  // the balances the square spans; 0 always lies within
    double zeroY = 0;           // where the balance 0 runs
    // Each net's balance at the end of each day (kBacktestTypes order), a lone day in the middle.
    std::array<std::vector<ChartPoint>, 2> lines;
};

BalanceChartShape ShapeOfBalances(const BacktestResult& result);

}  // namespace kagiroi
