#pragma once

#include "daystore/RaceSlot.h"
#include "model/ModelParameters.h"
#include "model/OrderChances.h"
#include "platform/TextGrid.h"
#include "racing/BetType.h"
#include "stakes/PopularityRates.h"

#include <string>
#include <string_view>
#include <vector>

namespace kagiroi {

// The race's order chances under the model, from its win odds; empty (every chance 0) while the
// race has no priced runner.
OrderChances RaceChances(const RaceSlot& slot, const ModelParameters& model);

// Each runner's win chance as the popularity-rate tables would give it (the win rate of its
// popularity rank in a field of the race's size, normalised over the ranked runners), by horse
// number; kept to measure the odds-based chances against. Empty when no runner has a rate.
std::vector<double> PopularityWinChances(const RaceSlot& slot, const PopularityRateTables& rates);

// The chance that a ticket of the trio or trifecta table hits; 0 for other tables and for a
// text that names no three runners.
double TicketChance(BetType type, std::string_view combination, const OrderChances& chances);

// The row's chance as a percentage "%7.3f", its expected value (chance × odds) "%6.2f" and its
// fair odds (1 ÷ chance) "%7.1f"; empty texts when the row has no combination, no odds or no
// chance.
struct TicketValueTexts {
    std::string chance;
    std::string expectedValue;
    std::string fairOdds;
};
TicketValueTexts TicketValue(BetType type, const TextGrid& table, int row,
                             const OrderChances& chances);
// An overlay: a priced ticket whose expected value is at least 1.
bool IsOverlay(BetType type, const TextGrid& table, int row, const OrderChances& chances);
// The window's tooltip of a ticket row: 的中率, 期待値 and ﾌｪｱｵｯｽﾞ; empty when the row has none.
std::string TicketValueTip(BetType type, const TextGrid& table, int row,
                           const OrderChances& chances);

// The ticket table's cell style with the 買い目 cell of an overlay in a colour of its own (a
// paid combination keeps its own colour).
inline constexpr Rgb kOverlayBackground{204, 255, 204};
CellStyle WithOverlayColour(CellStyle style, BetType type, const TextGrid& table, int col, int row,
                            const OrderChances& chances);

}  // namespace kagiroi
