#pragma once

#include "platform/TextGrid.h"

namespace kagiroi {

// SpeedButton14Click: horse-number order (column 1, ties by column 10).
void SortIndexTableInitially(TextGrid& table);

// The columns whose cells sort the table when clicked (the rank columns, the mining time and
// the horse number); the mouse shows the hand over them.
bool IsIndexSortColumn(int column);
CursorShape IndexTableCursor(int column);

// Sorts the data rows by `column`; rows of equal text are put in ascending order of the horse
// name (sorting by horse number) or of the horse number (any other column).
void SortIndexTable(TextGrid& table, int column, bool descending);

// StringGrid26MouseDown on a cell of `column` (any row, the header included): a sort column
// flips its flag in the index table's direction flags (the main window's SortDirections of 18
// columns, which the extraction resets) and sorts by it; other columns change nothing. True
// when it sorted.
template <typename Directions>
bool IndexTableMouseDown(TextGrid& table, Directions& directions, int column) {
    if (!IsIndexSortColumn(column)) return false;
    directions.Flip(column);
    SortIndexTable(table, column, directions.IsDescending(column));
    return true;
}

}  // namespace kagiroi
