#pragma once

#include "platform/Color.h"

#include <string>
#include <vector>

namespace kagiroi {

// A grid of Shift_JIS texts, rows × columns, row 0 the header; it behaves like a string grid:
// growing adds empty rows, shrinking drops the rows beyond. The texts are the data: other parts
// of the program read numbers back from the cells.
class TextGrid {
  public:
    TextGrid(int columns = 1, int rows = 1);

    int ColCount() const { return columns_; }
    int RowCount() const { return static_cast<int>(cells_.size()); }
    void SetRowCount(int rows);
    void SetColCount(int columns);

    // Cells(col, row); a position outside the grid reads as empty and ignores writes.
    const std::string& Cell(int col, int row) const;
    void SetCell(int col, int row, std::string text);

    // Column widths in pixels; -1 hides a column.
    int ColWidth(int col) const;
    void SetColWidth(int col, int width);

    void SetHeader(const std::vector<std::string>& captions);
    void SetColWidths(const std::vector<int>& widths);
    // Empties every cell of rows from `firstRow` on.
    void ClearRows(int firstRow = 1);
    const std::vector<std::string>& Row(int row) const;
    // Every row, the header first: a table as the command line prints it and the tests read it.
    std::vector<std::vector<std::string>> AllRows() const { return cells_; }

  private:
    int columns_;
    std::vector<std::vector<std::string>> cells_;
    std::vector<int> widths_;
};

enum class CellAlign { Left, Center, Right };

// How one cell is drawn: computed by the core, painted by the window.
struct CellStyle {
    Rgb background = colors::kWhite;
    Rgb text = colors::kBlack;
    bool bold = false;
    CellAlign align = CellAlign::Center;
    int textTopOffset = 0;  // pixels the text rectangle moves down
    friend bool operator==(const CellStyle&, const CellStyle&) = default;
};

// Mouse cursor over a cell, as the grid's mouse-move handler chooses it.
enum class CursorShape { Arrow, Hand };

// A label's state: its text, font colour and visibility.
struct Label {
    std::string text;
    Rgb color = colors::kBlack;
    bool visible = true;
};

}  // namespace kagiroi
