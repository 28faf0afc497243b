#include "app/TOzGetTimeForm.h"

namespace kagiroi {

TOzGetTimeForm::TOzGetTimeForm(SettingsFile& settings) : settings_(settings) {
    Odds.Set(settings_.ReadInteger("Time", "AutoOzGet", 10));
    Results.Set(settings_.ReadInteger("Time", "AutoRdataGet", 10));
    HorseWeight.Set(settings_.ReadInteger("Time", "AutoBataijuGet", 37));
}

void TOzGetTimeForm::OkClick() {
    settings_.WriteInteger("Time", "AutoOzGet", Odds.value);
    settings_.WriteInteger("Time", "AutoRdataGet", Results.value);
    settings_.WriteInteger("Time", "AutoBataijuGet", HorseWeight.value);
}

}  // namespace kagiroi
