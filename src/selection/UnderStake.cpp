#include "selection/UnderStake.h"

#include "platform/TextField.h"
#include "selection/BetColumns.h"

namespace kagiroi {

bool PaysBackLessThanStake(const TextGrid& table, BetType type, int row, int64_t totalStake) {
    if (row < 1 || row >= table.RowCount()) return false;
    const std::string& payout = table.Cell(ColumnsOf(type).expectedPayout, row);
    return !IsBlank(payout) && ToInt64(payout) < totalStake;
}

int CountUnderStake(const TextGrid& table, BetType type, int64_t totalStake) {
    int count = 0;
    for (int r = 1; r < table.RowCount(); ++r)
        count += PaysBackLessThanStake(table, type, r, totalStake);
    return count;
}

}  // namespace kagiroi
