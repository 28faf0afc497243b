#pragma once

#include "platform/TextGrid.h"

#include <string>

namespace kagiroi {

// The four totals shown beside the table of one bet type, and the figures of the net beside them.
struct BetTotals {
    Label count;    // 買い点数, "%3d"
    Label stake;    // 投票金額, "%6d"
    Label rate;     // 予想回収率, "%7.1f"
    Label payback;  // 回収金額, "%8d"
    // 合成ｵｯｽﾞ, "%7.1f": what the staked tickets pay together, as the odds of a single ticket.
    Label synthetic;
    Label underStake;  // ﾄﾘｶﾞﾐ, "%3d点": staked tickets that would pay back less than the total
    Label hitChance;  // 的中確率, "%5.1f%%": the chance that one of the staked tickets hits
    // 期待回収率, "%7.1f": Σ (chance × payout if it hits) ÷ 投票金額 of the staked tickets,
    // percent.
    Label expectedReturn;
    Label overlays;  // 期待値1以上, "%3d点": tickets whose chance × odds is at least 1
    // Why an allocation left the table without stakes where the mode decides per ticket; empty
    // otherwise. The status line shows it.
    std::string note;
    // That the stakes were found without the pool's size (ケリー); the status line shows it once.
    std::string poolNote;

    // Empties every text; their colours stay as they were.
    void Clear();
};

}  // namespace kagiroi
