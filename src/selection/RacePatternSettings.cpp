#include "selection/RacePatternSettings.h"

#include "analysis/RaceMarks.h"
#include "platform/Format.h"
#include "platform/TextField.h"

#include <algorithm>

namespace kagiroi {

void RacePatternForm::FormCreate(const SettingsFile& settings) {
    for (int i = 0; i < kRacePatternFieldCount; ++i) {
        SetValue(i, ToDouble(ReadTextSetting(settings, kStrengthSettings[static_cast<size_t>(i)])));
    }
}

bool RacePatternForm::BitBtn1Click(SettingsFile& settings) const {
    bool written = true;
    for (int i = 0; i < kRacePatternFieldCount; ++i) {
        written = WriteTextSetting(settings, kStrengthSettings[static_cast<size_t>(i)],
                                   Format("%7.1f", Value(i))) &&
                  written;
    }
    return written;
}

std::string RacePatternForm::Text(int edit) const {
    return Format("%.1f", Value(edit));
}

void RacePatternForm::SetValue(int edit, double value) {
    if (edit < 0 || edit >= kRacePatternFieldCount) return;
    values_[static_cast<size_t>(edit)] = std::clamp(value, 0.0, kMaxRacePatternValue);
}

}  // namespace kagiroi
