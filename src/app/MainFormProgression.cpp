#include "app/TMainForm.h"
#include "platform/Format.h"

namespace kagiroi {

void TMainForm::OpenInvestmentSettings(const std::function<bool(TKaimeSetForm&)>& show) {
    TKaimeSetForm dialog(settings_, progression_->Offered());
    if (!show(dialog)) return;
    dialog.OkClick();
    // The new target profit reaches the window as the race is selected again.
    if (!dayList_.RaceList.empty() && HasSelectedRace()) DatListClick(SelectedRace());
}

void TMainForm::ApplyProgression() {
    auto amount = progression_->Amount(ProgressionRate(Bets(), betting_.ActiveTicketTab));
    if (!amount) {
        ports_.ui.Beep();
        ports_.ui.ShowMessage(ProgressionRefusal());
        return;
    }
    SaNumEditExC1Change(Format("%d", *amount));
}

void TMainForm::SaNumEditExC2Change(const std::string& text) {
    progression_->SaNumEditExC2 = text;
    AmountChanged();
}

void TMainForm::SaNumEditExC3Change(const std::string& text) {
    progression_->SaNumEditExC3 = text;
    AmountChanged();
}

void TMainForm::UseProgressionClick(bool checked) {
    progression_->Offer(checked);
    if (!checked) lossReg_->Visible = false;
}

void TMainForm::LossMemoClick() {
    if (progression_->Offered()) lossReg_->Visible = true;
}

}  // namespace kagiroi
