#include "app/TMainForm.h"

namespace kagiroi {

void TMainForm::DatListClick(int item) {
    if (item < 0 || item >= kSlotCount) return;
    RaceListIndex = item;
    SelectedRace = item;
}

void TMainForm::ImportDayOdds() {
    for (int slot = 0; slot < kSlotCount; ++slot)
        OddsTargetRace = slot;
}

void TMainForm::ImportDayMining() {}
void TMainForm::ParseDayPayouts() {}
void TMainForm::StartCurrentDayFetches() {}

}  // namespace kagiroi
