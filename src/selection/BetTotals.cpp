#include "selection/BetTotals.h"

namespace kagiroi {

void BetTotals::Clear() {
    count.text.clear();
    stake.text.clear();
    rate.text.clear();
    payback.text.clear();
    synthetic.text.clear();
    underStake.text.clear();
    hitChance.text.clear();
    expectedReturn.text.clear();
    overlays.text.clear();
    note.clear();
    poolNote.clear();
}

}  // namespace kagiroi
