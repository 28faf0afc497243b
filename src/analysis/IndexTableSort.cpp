#include "analysis/IndexTableSort.h"

#include "analysis/IndexTable.h"
#include "platform/GridSort.h"

#include <algorithm>

namespace kagiroi {

bool SortDirections::Descending(int column) const {
    return column >= 0 && column < kColumns && descending_[static_cast<size_t>(column)];
}

bool SortDirections::Flip(int column) {
    if (column < 0 || column >= kColumns) return false;
    bool& flag = descending_[static_cast<size_t>(column)];
    flag = !flag;
    return flag;
}

void SortIndexTableInitially(TextGrid& table) {
    SortGridRows(table, indexcol::kHorse, false, indexcol::kPlaceOdds);
}

bool IsIndexSortColumn(int column) {
    static constexpr std::array<int, 9> kColumns = {
        indexcol::kHorse,      indexcol::kWinRank,       indexcol::kStandardRank,
        indexcol::kPlaceRank,  indexcol::kPlaceRateRank, indexcol::kMining,
        indexcol::kMiningRank, indexcol::kPlacing,       indexcol::kFinalPopularity};
    return std::find(kColumns.begin(), kColumns.end(), column) != kColumns.end();
}

CursorShape IndexTableCursor(int column) {
    return IsIndexSortColumn(column) ? CursorShape::Hand : CursorShape::Arrow;
}

void SortIndexTableBy(TextGrid& table, int column, const SortDirections& directions) {
    int tieColumn = column == indexcol::kHorse ? indexcol::kName : indexcol::kHorse;
    SortGridRows(table, column, directions.Descending(column), tieColumn);
}

bool IndexTableMouseDown(TextGrid& table, SortDirections& directions, int column) {
    if (!IsIndexSortColumn(column)) return false;
    directions.Flip(column);
    SortIndexTableBy(table, column, directions);
    return true;
}

}  // namespace kagiroi
