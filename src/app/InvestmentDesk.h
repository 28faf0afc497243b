#pragma once

#include "app/MainFormContext.h"
#include "app/RaceDesk.h"
#include "stakes/TKaimeSetForm.h"

#include <functional>
#include <string>

namespace kagiroi {

// Investment settings, the progression (追い上げ) and the loss ledger (損失金管理).
class InvestmentDesk {
  public:
    InvestmentDesk(MainFormContext& context, RaceDesk& race) : c_(context), race_(race) {}

    // 投資金設定(&T): `show` shows the dialog modally and tells whether it closed with OK; only
    // then are the values written and the selected race selected again.
    void OpenInvestmentSettings(const std::function<bool(TKaimeSetForm&)>& show);
    void ApplyProgression();                            // 追い上げ
    void SaNumEditExC2Change(const std::string& text);  // 目標利益金額
    void SaNumEditExC3Change(const std::string& text);  // 損失金額
    void UseProgressionClick(bool checked);             // 追い上げ投資を使う
    void LossMemoClick();                               // 損失メモ: shows 損失金管理
    // The window 損失金管理; it tells the form of every change of the ledger.
    TLossRegForm& LossRegForm() { return *c_.lossReg; }
    const TLossRegForm& LossReg() const { return *c_.lossReg; }
    const ProgressionPanel& Progression() const { return *c_.progression; }

  private:
    MainFormContext& c_;
    RaceDesk& race_;
};

}  // namespace kagiroi
