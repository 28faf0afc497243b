#include "records/BalanceChartShape.h"

#include <algorithm>

namespace kagiroi {

BalanceChartShape ShapeOfBalances(const BacktestResult& result) {
    BalanceChartShape shape;
    const auto& days = result.days;
    for (const BacktestDay& day : days)
        for (int64_t balance : day.balanceAfter) {
            shape.low = std::min(shape.low, balance);
            shape.high = std::max(shape.high, balance);
        }
    // A flat balance still needs a span to be drawn over.
    int64_t span = std::max<int64_t>(shape.high - shape.low, 1);
    auto y = [&](int64_t balance) {
        return static_cast<double>(balance - shape.low) / static_cast<double>(span);
    };
    shape.zeroY = y(0);
    for (size_t t = 0; t < shape.lines.size(); ++t)
        for (size_t k = 0; k < days.size(); ++k) {
            double x = days.size() == 1
                           ? 0.5
                           : static_cast<double>(k) / static_cast<double>(days.size() - 1);
            shape.lines[t].push_back({x, y(days[k].balanceAfter[t])});
        }
    return shape;
}

}  // namespace kagiroi
