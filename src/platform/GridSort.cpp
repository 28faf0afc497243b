#include "platform/GridSort.h"

#include <algorithm>
#include <vector>

namespace kagiroi {

void SortGridRows(TextGrid& grid, int column, bool descending, int tieColumn) {
    int rows = grid.RowCount();
    if (rows < 3) return;
    std::vector<std::vector<std::string>> data;
    data.reserve(static_cast<size_t>(rows - 1));
    for (int r = 1; r < rows; ++r)
        data.push_back(grid.Row(r));
    auto cell = [](const std::vector<std::string>& row, int c) -> const std::string& {
        static const std::string kEmpty;
        return c >= 0 && static_cast<size_t>(c) < row.size() ? row[static_cast<size_t>(c)] : kEmpty;
    };
    std::stable_sort(data.begin(), data.end(), [&](const auto& a, const auto& b) {
        int primary = cell(a, column).compare(cell(b, column));
        if (primary != 0) return descending ? primary > 0 : primary < 0;
        return cell(a, tieColumn) < cell(b, tieColumn);
    });
    for (int r = 1; r < rows; ++r) {
        const auto& row = data[static_cast<size_t>(r - 1)];
        for (int c = 0; c < grid.ColCount(); ++c)
            grid.SetCell(c, r, cell(row, c));
    }
}

}  // namespace kagiroi
