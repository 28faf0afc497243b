#pragma once

#include "daystore/RaceSlot.h"
#include "racing/BetType.h"

#include <cstdint>

namespace kagiroi {

// A pool the stakes go into: the money already in it and the part the organiser keeps.
struct Pool {
    double totalYen = 0;  // 0: not known, the odds are taken as they stand
    double take = 0;
    bool Known() const { return totalYen > 0; }
};

// The pool of the race's trio or trifecta sale from its odds record's total, which counts
// 100-yen units; an unknown pool (no total, zeros, not digits, another bet type) when there is
// none to read. The takes are 25 % of the trio pool and 27.5 % of the trifecta pool.
Pool PoolOf(BetType type, const RaceSlot& race);

// The money already on a combination quoted at `odds`: V = (1 − t) T ÷ O.
double MoneyOnCombination(const Pool& pool, double odds);
// What a combination quoted at `odds` pays once `stake` more yen are on it:
// O' = (1 − t)(T + b) ÷ (V + b). The odds as they stand for an unknown pool or no odds.
double DilutedOdds(const Pool& pool, double odds, double stake);

}  // namespace kagiroi
