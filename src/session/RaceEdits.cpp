#include "session/RaceEdits.h"

#include "platform/TextField.h"

#include <algorithm>

namespace kagiroi {

namespace {
constexpr int kStrikeColumn = 0, kCombinationColumn = 2;
}  // namespace

std::vector<std::string> StruckCombinations(const TextGrid& table) {
    std::vector<std::string> struck;
    for (int row = 1; row < table.RowCount(); ++row)
        if (!IsBlank(table.Cell(kStrikeColumn, row)) &&
            !IsBlank(table.Cell(kCombinationColumn, row)))
            struck.push_back(table.Cell(kCombinationColumn, row));
    return struck;
}

bool StrikeCombinations(TextGrid& table, const std::vector<std::string>& combinations) {
    bool any = false;
    for (int row = 1; row < table.RowCount(); ++row) {
        const std::string& combination = table.Cell(kCombinationColumn, row);
        if (IsBlank(combination) ||
            std::find(combinations.begin(), combinations.end(), combination) == combinations.end())
            continue;
        table.SetCell(kStrikeColumn, row, kStrikeMark);
        any = true;
    }
    return any;
}

bool NetHit(const BetBoard& board) {
    for (BetType type : {BetType::Trio, BetType::Trifecta})
        if (ToInt64(board.Totals(type).payback.text) > 0) return true;
    return false;
}

}  // namespace kagiroi
