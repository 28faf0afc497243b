#include "app/TOzGetTimeForm.h"

namespace kagiroi {

TOzGetTimeForm::TOzGetTimeForm(SettingsFile& settings) : settings_(settings) {
    Odds.Set(ReadIntSetting(settings_, setting::kOddsMinutesBefore));
    Results.Set(ReadIntSetting(settings_, setting::kResultsInterval));
    HorseWeight.Set(ReadIntSetting(settings_, setting::kHorseWeightMinutes));
}

void TOzGetTimeForm::OkClick() {
    WriteIntSetting(settings_, setting::kOddsMinutesBefore, Odds.value);
    WriteIntSetting(settings_, setting::kResultsInterval, Results.value);
    WriteIntSetting(settings_, setting::kHorseWeightMinutes, HorseWeight.value);
}

}  // namespace kagiroi
