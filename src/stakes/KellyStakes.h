#pragma once

#include "stakes/PoolDilution.h"

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

// Rounds of KellyStakesInPool before it takes the stakes it has.
inline constexpr int kDilutionRounds = 20;

struct PooledKellyStakes {
    std::vector<int64_t> stakes;
    std::vector<double> odds;  // what each ticket pays once its own stake is in the pool
    bool edge = false;         // some ticket had an edge at the odds as they stand
};

// Kelly stakes that know their own weight: each ticket's odds are diluted by its own stake
// (DilutedOdds) and the stakes found again until they no longer change, for at most
// kDilutionRounds rounds, never rising above those of the round before; no stake exceeds 5 % of
// the money already on its combination. With an unknown pool the odds are taken as they stand
// and only KellyStakes applies.
PooledKellyStakes KellyStakesInPool(const std::vector<KellyTicket>& tickets, const Pool& pool,
                                    double fraction, int bankroll);

}  // namespace kagiroi
