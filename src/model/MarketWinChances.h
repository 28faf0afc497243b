#pragma once

#include <span>
#include <vector>

namespace kagiroi {

// Odds that are a price: a number above 0 (not cancelled, blank or unsold).
bool IsPriced(double odds);

// Each runner's win chance from the win odds, by horse number (element 0 unused): the runners
// whose odds are numbers above 0 share the pool as q = (1/O) ÷ Σ(1/O), which removes the take
// and the rounding together, and p = q^α ÷ Σ q^α. Cancelled, blank and unsold runners get 0.
// Empty when no runner is priced.
std::vector<double> MarketWinChances(std::span<const double> winOdds, double alpha);

}  // namespace kagiroi
