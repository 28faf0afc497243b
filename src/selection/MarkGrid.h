#pragma once

#include "analysis/MarkGridColumns.h"
#include "platform/TextGrid.h"

namespace kagiroi {

// The columns with their captions and widths; the rows are the race loading's to size.
void SetUpMarkGrid(TextGrid& grid);

// A mouse press on a mark cell (column 3 or 4 of a data row) toggles its mark. True when a mark
// changed: the caller then extracts the net again.
bool ToggleMark(TextGrid& grid, int col, int row);

CursorShape MarkGridCursor(const TextGrid& grid, int col, int row);
CellStyle MarkGridCellStyle(const TextGrid& grid, int col, int row);

}  // namespace kagiroi
