#pragma once

#include "daystore/RaceSlot.h"
#include "platform/TextGrid.h"
#include "racing/BetType.h"
#include "stakes/PopularityRates.h"

#include <string>
#include <string_view>
#include <vector>

namespace kagiroi {

// Each runner's chance to win, by horse number (element 0 unused): the win rate of its win
// popularity rank in a field of the race's size, normalised over the ranked runners. Empty when
// no runner has a rate (no odds yet, or a field size the rate tables do not cover).
std::vector<double> WinChances(const RaceSlot& slot, const PopularityRateTables& rates);

// The chance that a ticket of the trio or trifecta table hits, by the Harville rule from the
// runners' win chances; 0 for other tables and for a text that names no three runners.
double TicketChance(BetType type, std::string_view combination, const std::vector<double>& win);

// The row's chance as a percentage and its expected value (chance × odds), "%7.3f" and "%6.2f";
// empty texts when the row has no combination, no odds or no chance.
struct TicketValueTexts {
    std::string chance;
    std::string expectedValue;
};
TicketValueTexts TicketValue(BetType type, const TextGrid& table, int row,
                             const std::vector<double>& win);
// The window's tooltip of a ticket row: 的中率 and 期待値; empty when the row has none.
std::string TicketValueTip(BetType type, const TextGrid& table, int row,
                           const std::vector<double>& win);

}  // namespace kagiroi
