#pragma once

#include "platform/SettingsFile.h"

namespace kagiroi {

// A spin box of the fetch-time dialog: its value and range.
struct SpinBox {
    int value = 0;
    int minimum = 0;
    int maximum = 0;
    bool visible = true;
    void Set(int v) { value = v < minimum ? minimum : (v > maximum ? maximum : v); }
};

// The dialog データﾞ自動取得時刻指定: the minutes of the automatic fetch schedule. Made on
// demand; its OK writes all three values, which take effect at the next day load.
class TOzGetTimeForm {
  public:
    explicit TOzGetTimeForm(SettingsFile& settings);

    void OkClick();

    SpinBox Odds{0, 3, 59};                // Time/AutoOzGet: minutes before each post
    SpinBox Results{0, 5, 59};             // Time/AutoRdataGet: interval of results and mining
    SpinBox HorseWeight{0, 2, 59, false};  // Time/AutoBataijuGet: kept only

  private:
    SettingsFile& settings_;
};

}  // namespace kagiroi
