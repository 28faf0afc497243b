#pragma once

#include "platform/SettingsFile.h"

#include <array>
#include <string>

namespace kagiroi {

// The six thresholds are the race-strength mark settings, in the order of the dialog's edits
// SaNumEditExC1..6: 1強 (1人気 以下, 2人気 以上), 2強 (2人気 以下, 3人気 以上), 3強 (3人気 以下,
// 4人気 以上).
inline constexpr int kRacePatternFieldCount = 6;
inline constexpr double kMaxRacePatternValue = 999999.9;

// The state of the race pattern dialog (TRaceMoyoForm): six thresholds. The dialog is made once,
// so the values typed stay until the program ends, saved or not.
class RacePatternForm {
  public:
    // FormCreate: each setting read as text with its default; text that does not read as a
    // number gives 0.
    void FormCreate(const SettingsFile& settings);
    // BitBtn1Click (保存): each value written as "%7.1f". False when the file could not be
    // written.
    bool BitBtn1Click(SettingsFile& settings) const;

    double Value(int edit) const { return values_[static_cast<size_t>(edit)]; }
    // The edit's text: one decimal place.
    std::string Text(int edit) const;
    // An edit holds a non-negative value of up to six integer digits.
    void SetValue(int edit, double value);

  private:
    std::array<double, kRacePatternFieldCount> values_{};
};

}  // namespace kagiroi
