#include "app/InvestmentDesk.h"

#include "platform/Format.h"

namespace kagiroi {

void InvestmentDesk::OpenInvestmentSettings(const std::function<bool(TKaimeSetForm&)>& show) {
    TKaimeSetForm dialog(c_.settings, c_.progression->Offered());
    if (!show(dialog)) return;
    dialog.OkClick();
    // The new target profit reaches the window as the race is selected again.
    if (!c_.dayList.RaceList.empty() && c_.HasSelectedRace()) race_.DatListClick(c_.SelectedRace());
}

void InvestmentDesk::ApplyProgression() {
    auto amount =
        c_.progression->Amount(ProgressionRate(c_.session.Bets(), c_.betting.ActiveTicketTab));
    if (!amount) {
        c_.ports.ui.Beep();
        c_.ports.ui.ShowMessage(ProgressionRefusal());
        return;
    }
    race_.SaNumEditExC1Change(Format("%d", *amount));
}

void InvestmentDesk::SaNumEditExC2Change(const std::string& text) {
    c_.progression->SaNumEditExC2 = text;
    race_.AmountChanged();
}

void InvestmentDesk::SaNumEditExC3Change(const std::string& text) {
    c_.progression->SaNumEditExC3 = text;
    race_.AmountChanged();
}

void InvestmentDesk::UseProgressionClick(bool checked) {
    c_.progression->Offer(checked);
    if (!checked) c_.lossReg->Visible = false;
}

void InvestmentDesk::LossMemoClick() {
    if (c_.progression->Offered()) c_.lossReg->Visible = true;
}

}  // namespace kagiroi
