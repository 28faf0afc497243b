#include "model/MarketWinChances.h"

#include <cmath>

namespace kagiroi {

bool IsPriced(double odds) {
    return odds > 0 && std::isfinite(odds);
}

std::vector<double> MarketWinChances(std::span<const double> winOdds, double alpha) {
    std::vector<double> win(winOdds.size(), 0.0);
    // q^α ∝ O^-α: the market's own normalisation cancels out. Taken relative to the shortest
    // price so that no power overflows or underflows to nothing.
    double shortest = 0;
    for (size_t h = 1; h < winOdds.size(); ++h)
        if (IsPriced(winOdds[h]) && (shortest == 0 || winOdds[h] < shortest)) shortest = winOdds[h];
    if (shortest == 0) return {};
    double sum = 0;
    for (size_t h = 1; h < winOdds.size(); ++h) {
        if (!IsPriced(winOdds[h])) continue;
        win[h] = std::pow(shortest / winOdds[h], alpha);
        sum += win[h];
    }
    for (double& p : win)
        p /= sum;
    return win;
}

}  // namespace kagiroi
