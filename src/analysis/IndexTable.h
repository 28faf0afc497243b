#pragma once

#include "daystore/RaceSlot.h"
#include "platform/TextGrid.h"

namespace kagiroi {

// The race card's index table (StringGrid26): one header row and one row per registered runner.
inline constexpr int kIndexTableColumns = 19;
namespace indexcol {
inline constexpr int kFrame = 0, kHorse = 1, kName = 2, kSexAge = 3, kJockey = 4, kWeight = 5;
inline constexpr int kWinOdds = 6, kWinRank = 7, kStandardOdds = 8, kStandardRank = 9;
inline constexpr int kPlaceOdds = 10, kPlaceRank = 11, kPlaceRate = 12, kPlaceRateRank = 13;
inline constexpr int kMining = 14, kMiningRank = 15, kPlacing = 16, kFinalPopularity = 17;
inline constexpr int kFinalOdds = 18;
}  // namespace indexcol

// Columns, headers and widths, as the window is created (column 9 is kept but hidden).
void SetUpIndexTable(TextGrid& table);

// Race selection's first step on the two race grids (the index table and the axis and partner
// grid StringGrid7): one row per registered runner plus the header, every data cell empty.
void PrepareRaceGrids(TextGrid& indexTable, TextGrid& axisGrid, int runners);

// sisushutubaBtnClick: fills every data row of the index table, row k from horse number k, and
// resets the axis and partner grid's rows (frame, horse number, name; both marks emptied).
void FillIndexTable(TextGrid& indexTable, TextGrid& axisGrid, const RaceSlot& slot);

// The cell texts of horse k's row.
std::vector<std::string> IndexTableRow(const RaceSlot& slot, int horse);

}  // namespace kagiroi
