#pragma once

#include "daystore/RaceSlot.h"
#include "platform/TextGrid.h"
#include "selection/BetTables.h"

#include <string>
#include <vector>

namespace kagiroi {

// Horses 1..horses whose cell in `col` of the mark grid holds the mark, in horse order.
std::vector<int> MarkedHorses(const TextGrid& markGrid, int col, int horses);

// Ticket lines, ascending by combination text: the combination (8 characters), the odds
// ("%8.1f" for trifectas, "%7.1f" for trios) and the popularity ("%3d"). Only combinations with
// odds above 0. Empty unless there is an axis horse and at least two partners.
// Trifectas: every ordered triple of three different horses holding an axis horse in one
// position and partners in the other two.
std::vector<std::string> TrifectaTicketLines(const OddsBook& odds, const std::vector<int>& axis,
                                             const std::vector<int>& partners);
// Trios: every set of one axis horse and two different partners, each set once.
std::vector<std::string> TrioTicketLines(const OddsBook& odds, const std::vector<int>& axis,
                                         const std::vector<int>& partners);

// Writes the lines into a ticket table: row k gets its number, combination, odds and
// popularity, and the win popularity of its three horses when all three are ranked.
void FillTicketTable(TextGrid& table, const std::vector<std::string>& lines, int oddsWidth,
                     const OddsBook& odds);

// The rules behind KaimeMakeBtnClick before the stakes: resets the sort directions of the index
// table and both ticket tables, empties both tables and their totals, and fills the trifecta
// table (when the race has trifecta odds) and the trio table (when it has trio odds) from the
// marks. The caller then allocates and marks hits, trifecta first.
void ExtractNet(const RaceSlot& race, const TextGrid& markGrid, BetBoard& board,
                SortDirections& indexDirections);

}  // namespace kagiroi
