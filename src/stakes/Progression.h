#pragma once

#include "platform/SettingsFile.h"
#include "selection/BetTables.h"

#include <cstdint>
#include <optional>
#include <string>

namespace kagiroi {

// Progression betting (追い上げ): the amount of the next race is the one that, returned at the
// table's expected rate, recovers the loss so far and makes the target profit.

// trunc((loss + target) / (rate - 100) * increase / 100) whole 100-yen units, kept within the
// amount box's 0..999999. Nothing for a rate of 100 or less: no stake reaches the target there.
std::optional<int> ProgressionAmount(int64_t loss, int64_t target, double ratePercent,
                                     int increasePercent);

// The expected return rate the progression works with: the ワイド table's, or, while that table
// holds no tickets, that of the trio or trifecta table on the shown tab. 0 when blank.
double ProgressionRate(const BetBoard& board, TicketTab shownTab);

// "この組合せまたは金額では資金配分ができません。"
const std::string& ProgressionRefusal();

// The panel 追い上げ投資用 of the main window and the switch that offers it: the loss and target
// boxes, filled when a race is selected; the user may change either before pressing 追い上げ.
class ProgressionPanel {
  public:
    explicit ProgressionPanel(SettingsFile& settings);

    // The loss ledger's cumulative loss and the target profit of the settings.
    void RaceSelected(int64_t cumulativeLoss);
    void LossChanged(int64_t cumulativeLoss);
    // The amount 追い上げ gives for this rate, or nothing (the refusal is the caller's to show).
    std::optional<int> Amount(double ratePercent) const;

    // 追い上げ投資を使う: shows or hides the panel, the 損失メモ button and the investment
    // dialog's progression part; kept in the settings.
    bool Offered() const { return offered_; }
    void Offer(bool on);

    std::string SaNumEditExC3;  // 損失金額
    std::string SaNumEditExC2;  // 目標利益金額

  private:
    SettingsFile& settings_;
    bool offered_ = false;
};

}  // namespace kagiroi
