#pragma once

#include "platform/TextGrid.h"

namespace kagiroi {

// The axis and partner grid (StringGrid7): row u is horse number u; columns 枠, 馬, 馬名, then
// the axis mark (軸) and the partner mark (相手).
inline constexpr int kMarkGridAxisColumn = 3;
inline constexpr int kMarkGridPartnerColumn = 4;
// "ν", the axis and partner mark.
extern const char kMark[];

// Five columns with their captions and widths; the rows are the race loading's to size.
void SetUpMarkGrid(TextGrid& grid);

bool HasMark(const TextGrid& grid, int col, int horse);

// A mouse press on a mark cell (column 3 or 4 of a data row) toggles its mark. True when a mark
// changed: the caller then extracts the net again.
bool ToggleMark(TextGrid& grid, int col, int row);

CursorShape MarkGridCursor(const TextGrid& grid, int col, int row);
CellStyle MarkGridCellStyle(const TextGrid& grid, int col, int row);

}  // namespace kagiroi
