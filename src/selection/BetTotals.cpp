#include "selection/BetTotals.h"

namespace kagiroi {

void BetTotals::Clear() {
    count.text.clear();
    stake.text.clear();
    rate.text.clear();
    payback.text.clear();
}

}  // namespace kagiroi
