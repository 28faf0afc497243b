#include "platform/GridSort.h"

#include "platform/TextField.h"

#include <algorithm>
#include <vector>

namespace kagiroi {

namespace {

enum class TextKind { Blank, Number, Other };

TextKind KindOf(std::string_view text, double& value) {
    if (text.find_first_not_of(' ') == std::string_view::npos) return TextKind::Blank;
    return TryToDouble(text, value) ? TextKind::Number : TextKind::Other;
}

int Sign(int n) {
    return (n > 0) - (n < 0);
}

}  // namespace

int CompareCellTexts(std::string_view a, std::string_view b) {
    double x = 0, y = 0;
    TextKind kindA = KindOf(a, x), kindB = KindOf(b, y);
    if (kindA != kindB) return kindA < kindB ? -1 : 1;
    if (kindA == TextKind::Number && x != y) return x < y ? -1 : 1;
    return Sign(a.compare(b));
}

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
        int primary = CompareCellTexts(cell(a, column), cell(b, column));
        if (primary != 0) return descending ? primary > 0 : primary < 0;
        return CompareCellTexts(cell(a, tieColumn), cell(b, tieColumn)) < 0;
    });
    for (int r = 1; r < rows; ++r) {
        const auto& row = data[static_cast<size_t>(r - 1)];
        for (int c = 0; c < grid.ColCount(); ++c)
            grid.SetCell(c, r, cell(row, c));
    }
}

}  // namespace kagiroi
