#pragma once

#include "platform/TextGrid.h"

#include <array>

namespace kagiroi {

// The index table's sort direction per column 0..17 (false ascending, true descending), owned
// by the main window; the extraction resets it after every race selection.
class SortDirections {
  public:
    static constexpr int kColumns = 18;
    bool Descending(int column) const;
    // Inverts the column's direction and returns the new one.
    bool Flip(int column);
    void Reset() { descending_ = {}; }

  private:
    std::array<bool, kColumns> descending_{};
};

// SpeedButton14Click: horse-number order (column 1, ties by column 10).
void SortIndexTableInitially(TextGrid& table);

// The columns whose cells sort the table when clicked (the rank columns, the mining time and
// the horse number); the mouse shows the hand over them.
bool IsIndexSortColumn(int column);
CursorShape IndexTableCursor(int column);

// Sorts the data rows by `column` in the direction the flags give; rows of equal text are put in
// ascending order of the horse name (sorting by horse number) or of the horse number (any other
// column). SortBtnClick with the shared sort column.
void SortIndexTableBy(TextGrid& table, int column, const SortDirections& directions);

// StringGrid26MouseDown on a cell of `column` (any row, the header included): a sort column
// flips its direction and sorts by it; other columns change nothing. True when it sorted.
bool IndexTableMouseDown(TextGrid& table, SortDirections& directions, int column);

}  // namespace kagiroi
