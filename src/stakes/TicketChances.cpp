#include "stakes/TicketChances.h"

#include "analysis/RunnerIndices.h"
#include "model/MarketWinChances.h"
#include "platform/Format.h"
#include "platform/TextField.h"
#include "selection/BetColumns.h"

#include <array>

namespace kagiroi {

OrderChances RaceChances(const RaceSlot& slot, const ModelParameters& model) {
    ModelParameters held = HeldModelParameters(model);
    return OrderChances(MarketWinChances(slot.Odds.WinOdds, held.alpha), held);
}

std::vector<double> PopularityWinChances(const RaceSlot& slot, const PopularityRateTables& rates) {
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

double TicketChance(BetType type, std::string_view combination, const OrderChances& chances) {
    if (type != BetType::Trio && type != BetType::Trifecta) return 0.0;
    std::array<int, 3> h{};
    for (int k = 0; k < 3; ++k)
        h[static_cast<size_t>(k)] = ToInt(Field(combination, 3 * k + 1, 2));
    if (type == BetType::Trio) return chances.Trio(h[0], h[1], h[2]);
    return chances.FirstThree(h[0], h[1], h[2]);
}

namespace {

struct TicketFigures {
    double chance = 0;
    double odds = 0;
};

// The row's chance and odds; a chance of 0 when it has no combination, no odds or no chance.
TicketFigures FiguresOf(BetType type, const TextGrid& table, int row, const OrderChances& chances) {
    if (row < 1 || row >= table.RowCount()) return {};
    const BetColumns& c = ColumnsOf(type);
    const std::string& odds = table.Cell(c.odds, row);
    if (IsBlank(odds)) return {};
    return {TicketChance(type, table.Cell(c.combination, row), chances), ToDouble(odds)};
}

}  // namespace

TicketValueTexts TicketValue(BetType type, const TextGrid& table, int row,
                             const OrderChances& chances) {
    TicketFigures f = FiguresOf(type, table, row, chances);
    if (f.chance <= 0) return {};
    return {Format("%7.3f", f.chance * 100), Format("%6.2f", f.chance * f.odds),
            Format("%7.1f", 1 / f.chance)};
}

bool IsOverlay(BetType type, const TextGrid& table, int row, const OrderChances& chances) {
    TicketFigures f = FiguresOf(type, table, row, chances);
    return f.chance > 0 && f.odds > 0 && f.chance * f.odds >= 1.0;
}

std::string TicketValueTip(BetType type, const TextGrid& table, int row,
                           const OrderChances& chances) {
    TicketValueTexts value = TicketValue(type, table, row, chances);
    if (value.chance.empty()) return "";
    return "的中率 " + Trim(value.chance) + "%　期待値 " + Trim(value.expectedValue) +
           "　ﾌｪｱｵｯｽﾞ " + Trim(value.fairOdds);
}

CellStyle WithOverlayColour(CellStyle style, BetType type, const TextGrid& table, int col, int row,
                            const OrderChances& chances) {
    if (col == ColumnsOf(type).combination && row >= 1 && style.background == colors::kWhite &&
        IsOverlay(type, table, row, chances))
        style.background = kOverlayBackground;
    return style;
}

}  // namespace kagiroi
