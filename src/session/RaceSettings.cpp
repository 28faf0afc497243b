#include "session/RaceSettings.h"

#include "platform/SettingsTable.h"
#include "stakes/RaceAmounts.h"

namespace kagiroi {

RaceSettings ReadRaceSettings(const SettingsFile& settings) {
    RaceSettings read;
    std::array<std::string, 6> thresholds;
    for (size_t i = 0; i < thresholds.size(); ++i)
        thresholds[i] = ReadTextSetting(settings, kStrengthSettings[i]);
    read.thresholds = StrengthThresholdsFromTexts(thresholds);
    read.trioFavourite = ReadIntSetting(settings, setting::kTrioFavourite);
    read.trifectaFavourite = ReadIntSetting(settings, setting::kTrifectaFavourite);
    read.allocationMode = ReadIntSetting(settings, setting::kAllocationMode);
    read.kellyFraction = ReadIntSetting(settings, setting::kKellyPercent) / 100.0;
    read.bankroll = ReadIntSetting(settings, setting::kBankroll);
    read.defaultAmount = ReadDefaultAmount(settings);
    read.model = ReadModelParameters(settings);
    return read;
}

}  // namespace kagiroi
