#include "platform/TextGrid.h"

#include <algorithm>
#include <utility>

namespace kagiroi {

namespace {
const std::string kEmpty;
}

TextGrid::TextGrid(int columns, int rows)
    : columns_(std::max(columns, 1)),
      cells_(static_cast<size_t>(std::max(rows, 1)),
             std::vector<std::string>(static_cast<size_t>(std::max(columns, 1)))),
      widths_(static_cast<size_t>(std::max(columns, 1)), 64) {}

void TextGrid::SetRowCount(int rows) {
    rows = std::max(rows, 1);
    cells_.resize(static_cast<size_t>(rows),
                  std::vector<std::string>(static_cast<size_t>(columns_)));
}

void TextGrid::SetColCount(int columns) {
    columns_ = std::max(columns, 1);
    for (auto& row : cells_)
        row.resize(static_cast<size_t>(columns_));
    widths_.resize(static_cast<size_t>(columns_), 64);
}

const std::string& TextGrid::Cell(int col, int row) const {
    if (col < 0 || col >= columns_ || row < 0 || row >= RowCount()) return kEmpty;
    return cells_[static_cast<size_t>(row)][static_cast<size_t>(col)];
}

void TextGrid::SetCell(int col, int row, std::string text) {
    if (col < 0 || col >= columns_ || row < 0 || row >= RowCount()) return;
    cells_[static_cast<size_t>(row)][static_cast<size_t>(col)] = std::move(text);
}

int TextGrid::ColWidth(int col) const {
    if (col < 0 || col >= columns_) return 0;
    return widths_[static_cast<size_t>(col)];
}

void TextGrid::SetColWidth(int col, int width) {
    if (col < 0 || col >= columns_) return;
    widths_[static_cast<size_t>(col)] = width;
}

void TextGrid::SetHeader(const std::vector<std::string>& captions) {
    for (size_t c = 0; c < captions.size(); ++c)
        SetCell(static_cast<int>(c), 0, captions[c]);
}

void TextGrid::SetColWidths(const std::vector<int>& widths) {
    for (size_t c = 0; c < widths.size(); ++c)
        SetColWidth(static_cast<int>(c), widths[c]);
}

void TextGrid::ClearRows(int firstRow) {
    for (int r = std::max(firstRow, 0); r < RowCount(); ++r)
        for (auto& cell : cells_[static_cast<size_t>(r)])
            cell.clear();
}

const std::vector<std::string>& TextGrid::Row(int row) const {
    static const std::vector<std::string> kNoRow;
    if (row < 0 || row >= RowCount()) return kNoRow;
    return cells_[static_cast<size_t>(row)];
}

}  // namespace kagiroi
