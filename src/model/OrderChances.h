#pragma once

#include "model/ModelParameters.h"

#include <array>
#include <vector>

namespace kagiroi {

// The chances of the first three by the discounted Harville rule: a runs first with its win
// chance p_a; b second with p_b^λ among the p^λ of the runners left; c third likewise with τ.
// The powers and their sums are taken once, so each order costs a few operations.
class OrderChances {
  public:
    // No race: every order has chance 0.
    OrderChances() = default;
    // `win` by horse number (element 0 unused), as MarketWinChances gives it.
    OrderChances(const std::vector<double>& win, const ModelParameters& parameters);

    // a, b, c in this order; 0 for a repeated horse, a horse outside the field or without a
    // chance, or a field that leaves nothing for a later place.
    double FirstThree(int a, int b, int c) const;
    // a, b and c the first three in any order: the sum of the six orders.
    double Trio(int a, int b, int c) const;
    // No runner has a chance (no race, or no win odds yet).
    bool Empty() const { return secondSum_ <= 0; }

  private:
    static constexpr int kSlots = 19;  // horse numbers 1..18
    bool Valid(int horse) const { return horse >= 1 && horse < kSlots && win_[horse] > 0; }

    std::array<double, kSlots> win_{}, second_{}, third_{};
    double secondSum_ = 0, thirdSum_ = 0;
};

}  // namespace kagiroi
