#pragma once

#include "model/OrderChances.h"
#include "platform/TextGrid.h"
#include "racing/BetType.h"
#include "selection/BetTotals.h"
#include "stakes/KellyStakes.h"

#include <string>
#include <string_view>
#include <vector>

namespace kagiroi {

// The allocation mode, the item index of RadioGroup1 (資金配分).
enum class AllocationMode { Equal = 0, Proportional = 1, Kelly = 2 };

// The mode from its stored index (KaimeSet/HaibunSet): 0 is 均等, 2 ケリー, anything else 比例.
AllocationMode AllocationModeFromIndex(int index);
// The mode's caption on the 資金配分 panel and in reports: 均等, 比例 or ケリー.
std::string AllocationModeCaption(AllocationMode mode);

// What an allocation works from: the item of RadioGroup1, the value of the amount box
// (SaNumEditExC1), the race's chances under the model (RaceChances) and, for ケリー, the part
// of the full Kelly stake to take, the bankroll it is a part of and the trio and trifecta pools.
struct StakeInputs {
    StakeInputs(AllocationMode allocationMode = AllocationMode::Proportional, int yen = 0)
        : mode(allocationMode), amount(yen) {}

    AllocationMode mode;
    int amount;
    OrderChances chances;
    double kellyFraction = kDefaultKellyPercent / 100.0;
    int bankroll = 0;
    Pool trioPool, trifectaPool;

    const Pool& PoolFor(BetType type) const;
};

inline constexpr int kMinimumStake = 100;
inline constexpr int kMaxAmount = 999999;
// A table is allocated only up to this many rows, the header included: 306 tickets.
inline constexpr int kMaxAllocatedRows = 307;

// Gives every ticket row of the table that is not struck out a stake in 100-yen units, its
// payout if it hits and that payout's share of the total stake, and writes the 買い点数,
// 投票金額 and 予想回収率 totals. An amount below 100 empties every stake and the totals;
// amounts above the six digits of the amount box count as 999999.
// ケリー stakes from the bankroll, not the amount: a ticket with an edge gets its Kelly share
// times the fraction in whole 100-yen units at the odds its own stake leaves it
// (KellyStakesInPool), any other ticket no stake; its payout if it hits is at those odds. A
// table left without any stake says why in its totals' note (with the best expected value when
// no ticket had an edge), and a pool of unknown size says so in the pool note. Every mode
// writes 合成ｵｯｽﾞ, ﾄﾘｶﾞﾐ and, with chances, the net's chance to hit, its 期待回収率 and the
// count of its overlays.
void AllocateStakes(BetType type, const StakeInputs& inputs, TextGrid& table, BetTotals& totals);
void AllocateStakes(BetType type, AllocationMode mode, int amount, TextGrid& table,
                    BetTotals& totals);

// What the totals 予想回収率 and 期待回収率 are, for their tooltips.
std::string ForecastRateTip();
std::string ExpectedReturnTip();

// Marks every row whose combination was paid in the race's payout record with its payout, its
// return on the row's stake and its popularity, and writes the 回収金額 total (red while it is
// below the total stake). Struck rows are compared too; with no stake they return 0.
void MarkHits(BetType type, std::string_view hrRecord, TextGrid& table, BetTotals& totals);

}  // namespace kagiroi
