#pragma once

#include "demo/DemoOdds.h"

#include <string>

namespace kagiroi {

// The odds records of one announcement: data kind 1 for interim odds, 4 for the final odds.
// Horses and combinations the race does not have are blank; withdrawn horses read "----"
// (before the sale) or "****" (during it); combinations nobody backed read zeros.
std::string DemoO1Record(const DemoRace& race, const DemoOddsBook& book);  // 962 bytes
std::string DemoO5Record(const DemoRace& race, const DemoOddsBook& book);  // 12293 bytes
std::string DemoO6Record(const DemoRace& race, const DemoOddsBook& book);  // 83285 bytes

}  // namespace kagiroi
