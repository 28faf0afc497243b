#include "selection/MarkGrid.h"

#include "platform/TextField.h"

#include <array>

namespace kagiroi {

const char kMark[] = "ν";

namespace {

bool IsMarkCell(const TextGrid& grid, int col, int row) {
    return (col == kMarkGridAxisColumn || col == kMarkGridPartnerColumn) && row >= 1 &&
           row < grid.RowCount();
}

}  // namespace

void SetUpMarkGrid(TextGrid& grid) {
    grid.SetColCount(5);
    grid.SetHeader({"枠", "馬", "馬名", "軸", "相手"});
    grid.SetColWidths({20, 20, 140, 30, 30});
}

bool HasMark(const TextGrid& grid, int col, int horse) {
    return Trim(grid.Cell(col, horse)) == kMark;
}

bool ToggleMark(TextGrid& grid, int col, int row) {
    if (!IsMarkCell(grid, col, row)) return false;
    grid.SetCell(col, row, IsBlank(grid.Cell(col, row)) ? kMark : "");
    return true;
}

CursorShape MarkGridCursor(const TextGrid& grid, int col, int row) {
    return IsMarkCell(grid, col, row) ? CursorShape::Hand : CursorShape::Arrow;
}

Rgb BracketColor(int bracket) {
    static const std::array<Rgb, 9> kColors = {colors::kWhite, colors::kWhite,  colors::kGrey,
                                               colors::kRed,   colors::kBlue,   colors::kYellow,
                                               colors::kLime,  colors::kOrange, colors::kMagenta};
    return bracket >= 1 && bracket <= 8 ? kColors[static_cast<size_t>(bracket)] : colors::kWhite;
}

CellStyle MarkGridCellStyle(const TextGrid& grid, int col, int row) {
    CellStyle style;
    if (col == 2) style.align = CellAlign::Left;
    if (row == 0)
        style.background = colors::kSilver;
    else if (col == 0)
        style.background = BracketColor(ToInt(grid.Cell(0, row)));
    else if (col == 1)
        style.background = colors::kInfoBackground;
    return style;
}

}  // namespace kagiroi
