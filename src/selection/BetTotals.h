#pragma once

#include "platform/TextGrid.h"

namespace kagiroi {

// The four totals shown beside the table of one bet type.
struct BetTotals {
    Label count;    // 買い点数, "%3d"
    Label stake;    // 投票金額, "%6d"
    Label rate;     // 予想回収率, "%7.1f"
    Label payback;  // 回収金額, "%8d"

    // Empties the four texts; their colours stay as they were.
    void Clear();
};

}  // namespace kagiroi
