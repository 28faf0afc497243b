#pragma once

#include "demo/DemoOdds.h"
#include "racing/BetType.h"

#include <array>
#include <vector>

namespace kagiroi {

struct DemoPayout {
    std::vector<int> numbers;  // horses, or the two brackets for 枠連, in the record's order
    int64_t yen = 0;           // per 100-yen ticket
    int popularity = 0;
};

// What a race pays, per bet type in BetType order; 枠連 is empty when it was not sold.
struct DemoPayouts {
    std::array<std::vector<DemoPayout>, 8> byType;
    bool bracketSold = false;

    const std::vector<DemoPayout>& Of(BetType type) const {
        return byType[static_cast<size_t>(type)];
    }
};

// The payouts of the race's result, from its final odds: a single winning combination pays its
// final odds; a dead heat shares the pool between the winning combinations.
DemoPayouts ComputeDemoPayouts(const DemoRace& race, const DemoOddsBook& finalOdds);

}  // namespace kagiroi
