#pragma once

#include <cstdint>
#include <vector>

namespace kagiroi {

// 1/4 of the full Kelly stake: the full stake is right only when the chances are, and ours come
// from popularity rates.
inline constexpr int kDefaultKellyPercent = 25;

struct KellyTicket {
    double chance;  // the chance that this ticket, and no other, hits
    double odds;    // payout per yen staked, the stake included
};

// The share of the bankroll for each of a set of mutually exclusive tickets by the Kelly rule:
// tickets in order of chance × odds are taken while that edge beats the reserve rate
// R = (1 − Σ p) ÷ (1 − Σ 1/odds) of those taken; each taken ticket gets p − R ÷ odds. A ticket
// without an edge (or with no chance or no odds) gets 0; no share is ever negative.
std::vector<double> KellyFractions(const std::vector<KellyTicket>& tickets);

// The shares times `fraction` of `bankroll`, rounded down to whole 100-yen units: a stake is 0
// (none) or at least 100, and together they never exceed the chosen part of the bankroll.
std::vector<int64_t> KellyStakes(const std::vector<double>& fractions, double fraction,
                                 int bankroll);

}  // namespace kagiroi
