#pragma once

#include "daystore/RaceSlot.h"

#include <array>
#include <string>
#include <vector>

namespace kagiroi {

// The three labels of one payout entry on the results page (結果：, 人気：, 配当：).
struct PayoutRowTexts {
    std::string result, popularity, payout;
    friend bool operator==(const PayoutRowTexts&, const PayoutRowTexts&) = default;
};

// One group of the results page: its caption and one row per entry of the bet type.
struct PayoutGroupTexts {
    std::string caption;
    std::vector<PayoutRowTexts> rows;
};

// The heading of label column `column` (0..2) of a payout group.
const std::string& PayoutRowHead(int column);

// The results page of a race in bet-type order. An empty entry shows three empty labels, so the
// page of `Payouts{}` is the cleared page.
std::array<PayoutGroupTexts, 8> ResultsPageTexts(const Payouts& payouts);

}  // namespace kagiroi
