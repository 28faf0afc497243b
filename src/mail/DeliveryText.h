#pragma once

#include "selection/BetTables.h"

#include <string>
#include <vector>

namespace kagiroi {

// The heading line of a race's delivery: "<<" course and race number "R>>".
std::string DeliveryHeading(const std::string& courseAndRace);

// What a race's delivery mails: the heading, then each kept ticket of the trio and trifecta
// tables with its stake, each table's count and stake total.
std::vector<std::string> DeliveryLines(const std::string& heading, const BetBoard& bets);

}  // namespace kagiroi
