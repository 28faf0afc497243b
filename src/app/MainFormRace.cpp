#include "app/TMainForm.h"

namespace kagiroi {

void TMainForm::DatListClick(int item) {
    if (item < 0 || item >= kSlotCount) return;
    RaceListIndex = item;
    SelectedRace = item;
}

void TMainForm::ImportDayOdds() {
    for (int slot = 0; slot < kSlotCount; ++slot) {
        OddsTargetRace = slot;
        OzReadBtnClick();
    }
}

void TMainForm::ImportDayMining() {
    DMReadBtnClick();
}
void TMainForm::ParseDayPayouts() {
    CalcBtnClick();
}

void TMainForm::OzReadBtnClick() {}
void TMainForm::HrReadBtnClick() {}
void TMainForm::DMReadBtnClick() {}
void TMainForm::CalcBtnClick() {}

}  // namespace kagiroi
