#pragma once

#include "demo/DemoRaceModel.h"
#include "racing/KeibaFunc.h"

#include <array>
#include <cstdint>
#include <vector>

namespace kagiroi {

// The share of each pool that goes back to the winners.
inline constexpr double kWinReturn = 0.80;
inline constexpr double kPlaceReturn = 0.80;
inline constexpr double kBracketReturn = 0.775;
inline constexpr double kQuinellaReturn = 0.775;
inline constexpr double kWideReturn = 0.775;
inline constexpr double kExactaReturn = 0.75;
inline constexpr double kTrioReturn = 0.775;
inline constexpr double kTrifectaReturn = 0.725;

enum class DemoOddsState : uint8_t {
    Absent,               // no such combination in this race: blank fields
    Price,                // odds in tenths
    NoVotes,              // nothing was bet: zeros
    CancelledBeforeSale,  // a horse withdrawn before the sale: "----"
    CancelledAfterSale,   // withdrawn during the sale: "****"
};

struct DemoOdds {
    DemoOddsState state = DemoOddsState::Absent;
    int64_t tenths = 0;
    int popularity = 0;  // 1 = lowest odds; equal odds share a rank
};

struct DemoPlaceOdds {
    DemoOddsState state = DemoOddsState::Absent;
    int64_t low = 0, high = 0;
    int popularity = 0;
};

// Every odds table of a race at one announcement, from the same win shares.
struct DemoOddsBook {
    int64_t announcement = 0;  // minutes since 1970
    bool final = false;
    int registered = 0;
    int starters = 0;
    int placesPaid = 3;
    bool bracketSold = false;
    ByHorse<double> winShares{};
    ByHorse<double> placeShares{};
    ByHorse<DemoOdds> win{};
    ByHorse<DemoPlaceOdds> place{};
    std::array<DemoOdds, kBracketPairCount + 1> bracket{};
    std::vector<DemoOdds> trio;      // by trio index 1..816
    std::vector<DemoOdds> trifecta;  // by trifecta index 1..4896
    int64_t winVotes = 0, placeVotes = 0, bracketVotes = 0, trioVotes = 0, trifectaVotes = 0;
};

// The odds announced at `announcement` (the final odds at race.FinalOddsMinute()).
DemoOddsBook ComputeDemoOdds(const DemoRace& race, int64_t announcement);

// Odds in tenths of a pool paying `returnRate` on a combination with share `share`, rounded
// down as payouts are, at least 1.0 and at most `capTenths`.
int64_t OddsTenths(double returnRate, double share, int64_t capTenths);
// Payout in tenths when `winners` combinations share the pool (dead heats, places, wides):
// each gets back its stake plus an equal part of what the losers left.
int64_t SharedPoolTenths(double returnRate, double winningShares, int winners, double share);
// A sum that does not depend on the order of its terms.
double SumOfShares(std::vector<double> shares);

// Whether the horses of a bracket pair can still form it.
bool BracketPairPossible(const std::array<int, 9>& horsesPerBracket, int first, int second);

// Ranks 1 = lowest of the priced entries; equal odds share a rank; others get 0.
void RankByOdds(std::vector<DemoOdds*> entries);

}  // namespace kagiroi
