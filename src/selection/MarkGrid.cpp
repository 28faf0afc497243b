#include "selection/MarkGrid.h"

#include "platform/TextField.h"
#include "racing/FrameColours.h"

namespace kagiroi {

namespace {

bool IsMarkCell(const TextGrid& grid, int col, int row) {
    return (col == markcol::kAxis || col == markcol::kPartner) && row >= 1 && row < grid.RowCount();
}

}  // namespace

void SetUpMarkGrid(TextGrid& grid) {
    grid.SetColCount(markcol::kCount);
    grid.SetHeader({"枠", "馬", "馬名", "軸", "相手"});
    grid.SetColWidths({20, 20, 140, 30, 30});
}

bool ToggleMark(TextGrid& grid, int col, int row) {
    if (!IsMarkCell(grid, col, row)) return false;
    grid.SetCell(col, row, IsBlank(grid.Cell(col, row)) ? kMark : "");
    return true;
}

CursorShape MarkGridCursor(const TextGrid& grid, int col, int row) {
    return IsMarkCell(grid, col, row) ? CursorShape::Hand : CursorShape::Arrow;
}

CellStyle MarkGridCellStyle(const TextGrid& grid, int col, int row) {
    CellStyle style;
    if (col == 2) style.align = CellAlign::Left;
    if (row == 0)
        style.background = colors::kSilver;
    else if (col == 0)
        style.background = FrameColour(ToInt(grid.Cell(0, row)));
    else if (col == 1)
        style.background = colors::kInfoBackground;
    style.text = DigitColourOn(style.background);
    // Marks stand out from the Latin-looking letter they are: bold, in the colour the horse
    // number takes for them.
    if (row >= 1 && IsMarkCell(grid, col, row) && HasMark(grid, col, row)) {
        style.bold = true;
        style.text = col == markcol::kAxis ? colors::kRed : kPartnerHorseColour;
    }
    return style;
}

}  // namespace kagiroi
