#include "analysis/IndexTableSort.h"

#include "analysis/IndexTable.h"
#include "platform/GridSort.h"

#include <algorithm>
#include <array>

namespace kagiroi {

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

void SortIndexTable(TextGrid& table, int column, bool descending) {
    int tieColumn = column == indexcol::kHorse ? indexcol::kName : indexcol::kHorse;
    SortGridRows(table, column, descending, tieColumn);
}

}  // namespace kagiroi
