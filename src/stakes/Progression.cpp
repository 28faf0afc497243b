#include "stakes/Progression.h"

#include "platform/Format.h"
#include "platform/SettingsTable.h"
#include "platform/TextField.h"
#include "selection/BetColumns.h"
#include "stakes/FundAllocation.h"

#include <algorithm>
#include <cmath>

namespace kagiroi {

std::optional<int> ProgressionAmount(int64_t loss, int64_t target, double ratePercent,
                                     int increasePercent) {
    // Below 100 the formula turns negative, and divides by zero at 100.
    if (!(ratePercent > 100.0)) return std::nullopt;
    double amount =
        std::trunc(static_cast<double>(loss + target) / (ratePercent - 100.0) * increasePercent);
    amount = std::clamp(amount, 0.0, static_cast<double>(kMaxAmount));
    int yen = static_cast<int>(amount);
    return yen / kMinimumStake * kMinimumStake;
}

namespace {

// A box's value, bounded far beyond any ledger's sum and far from overflowing a sum of two.
int64_t BoxValue(const std::string& text) {
    constexpr int64_t kBound = 1'000'000'000'000;
    return std::clamp<int64_t>(ToInt64(text), -kBound, kBound);
}

bool HoldsTickets(const TextGrid& table, BetType type) {
    return table.RowCount() > 1 && !IsBlank(table.Cell(ColumnsOf(type).combination, 1));
}

}  // namespace

double ProgressionRate(const BetBoard& board, TicketTab shownTab) {
    BetType type = HoldsTickets(board.Table(BetType::Wide), BetType::Wide) ? BetType::Wide
                                                                           : BetTypeOfTab(shownTab);
    return ToDouble(board.Totals(type).rate.text);
}

const std::string& ProgressionRefusal() {
    static const std::string text = "この組合せまたは金額では資金配分ができません。";
    return text;
}

ProgressionPanel::ProgressionPanel(SettingsFile& settings)
    : settings_(settings), offered_(ReadIntSetting(settings, setting::kProgressionOffered) != 0) {}

void ProgressionPanel::RaceSelected(int64_t cumulativeLoss) {
    LossChanged(cumulativeLoss);
    SaNumEditExC2 = Format("%d", ReadIntSetting(settings_, setting::kTargetProfit));
}

void ProgressionPanel::LossChanged(int64_t cumulativeLoss) {
    SaNumEditExC3 = Format("%lld", static_cast<long long>(cumulativeLoss));
}

std::optional<int> ProgressionPanel::Amount(double ratePercent) const {
    return ProgressionAmount(BoxValue(SaNumEditExC3), BoxValue(SaNumEditExC2), ratePercent,
                             ReadIntSetting(settings_, setting::kIncreasePercent));
}

void ProgressionPanel::Offer(bool on) {
    offered_ = on;
    WriteIntSetting(settings_, setting::kProgressionOffered, on ? 1 : 0);
}

}  // namespace kagiroi
