#include "stakes/TicketChances.h"

#include "analysis/RunnerIndices.h"
#include "platform/Format.h"
#include "platform/TextField.h"
#include "racing/Harville.h"
#include "selection/BetColumns.h"

#include <array>

namespace kagiroi {

std::vector<double> WinChances(const RaceSlot& slot, const PopularityRateTables& rates) {
    int fieldSize = RegisteredRunners(slot);
    std::vector<double> win(kMaxRunners + 1, 0.0);
    double sum = 0;
    for (int h = 1; h <= kMaxRunners; ++h) {
        double rate =
            Rate(rates, RateTable::Win, fieldSize, slot.Odds.WinRank[static_cast<size_t>(h)]);
        // A rate table read from a damaged file may hold anything; a chance is never negative.
        win[static_cast<size_t>(h)] = rate > 0 ? rate : 0.0;
        sum += win[static_cast<size_t>(h)];
    }
    if (sum <= 0) return {};
    for (double& p : win)
        p /= sum;
    return win;
}

double TicketChance(BetType type, std::string_view combination, const std::vector<double>& win) {
    if (type != BetType::Trio && type != BetType::Trifecta) return 0.0;
    std::array<int, 3> h{};
    for (int k = 0; k < 3; ++k)
        h[static_cast<size_t>(k)] = ToInt(Field(combination, 3 * k + 1, 2));
    if (type == BetType::Trio) return HarvilleTrio(win, h[0], h[1], h[2]);
    return HarvilleFirstThree(win, h[0], h[1], h[2]);
}

TicketValueTexts TicketValue(BetType type, const TextGrid& table, int row,
                             const std::vector<double>& win) {
    if (row < 1 || row >= table.RowCount()) return {};
    const BetColumns& c = ColumnsOf(type);
    const std::string& odds = table.Cell(c.odds, row);
    double chance = TicketChance(type, table.Cell(c.combination, row), win);
    if (IsBlank(odds) || chance <= 0) return {};
    return {Format("%7.3f", chance * 100), Format("%6.2f", chance * ToDouble(odds))};
}

std::string TicketValueTip(BetType type, const TextGrid& table, int row,
                           const std::vector<double>& win) {
    TicketValueTexts value = TicketValue(type, table, row, win);
    if (value.chance.empty()) return "";
    return "的中率 " + Trim(value.chance) + "%　期待値 " + Trim(value.expectedValue);
}

}  // namespace kagiroi
