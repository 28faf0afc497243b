#include "stakes/PoolDilution.h"

#include "daystore/RecordFields.h"
#include "platform/TextField.h"

namespace kagiroi {

namespace {

constexpr double kTrioTake = 0.25;
constexpr double kTrifectaTake = 0.275;
constexpr double kVoteUnitYen = 100;

}  // namespace

Pool PoolOf(BetType type, const RaceSlot& race) {
    bool trio = type == BetType::Trio;
    if (!trio && type != BetType::Trifecta) return {};
    std::string units =
        trio ? FieldAt(race.O5Copy, O5::TotalVotes) : FieldAt(race.O6Copy, O6::TotalVotes);
    // A total that is not all digits is damaged, not small: the pool stays unknown.
    if (!IsDigits(units)) return {};
    return {static_cast<double>(ToInt64(units)) * kVoteUnitYen, trio ? kTrioTake : kTrifectaTake};
}

double MoneyOnCombination(const Pool& pool, double odds) {
    if (!pool.Known() || !(odds > 0)) return 0;
    return (1 - pool.take) * pool.totalYen / odds;
}

double DilutedOdds(const Pool& pool, double odds, double stake) {
    if (!pool.Known() || !(odds > 0) || !(stake > 0)) return odds;
    return (1 - pool.take) * (pool.totalYen + stake) / (MoneyOnCombination(pool, odds) + stake);
}

}  // namespace kagiroi
