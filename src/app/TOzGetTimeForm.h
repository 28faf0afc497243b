#pragma once

#include "platform/SettingsTable.h"

namespace kagiroi {

// A spin box of the fetch-time dialog: its value and range.
struct SpinBox {
    int value = 0;
    int minimum = 0;
    int maximum = 0;
    bool visible = true;
    void Set(int v) { value = v < minimum ? minimum : (v > maximum ? maximum : v); }
};

// A spin box over the setting's range.
constexpr SpinBox SpinOf(const IntSetting& setting, bool visible = true) {
    return {setting.minimum, setting.minimum, setting.maximum, visible};
}

// The dialog データ自動取得時刻指定: the minutes of the automatic fetch schedule. Made on
// demand; its OK writes all three values, which take effect at the next day load.
class TOzGetTimeForm {
  public:
    explicit TOzGetTimeForm(SettingsFile& settings);

    void OkClick();

    SpinBox Odds = SpinOf(setting::kOddsMinutesBefore);   // minutes before each post
    SpinBox Results = SpinOf(setting::kResultsInterval);  // interval of results and mining
    SpinBox HorseWeight = SpinOf(setting::kHorseWeightMinutes, false);  // kept only

  private:
    SettingsFile& settings_;
};

}  // namespace kagiroi
