#pragma once

#include "model/ModelParameters.h"
#include "platform/SettingsFile.h"

#include <string>

namespace kagiroi {

// The texts of the dialog 投資金設定, defined in the core's sources.
struct KaimeSetTexts {
    std::string caption;
    std::string amountNote, amountHeading;
    std::string progressionNotice;
    std::string increaseHeading, increaseNote;
    std::string targetHeading, targetNote;
    std::string yen, percent;
    std::string kellyHeading, kellyNote;
    std::string bankrollHeading, bankrollNote;
    std::string modelHeading, modelNote;
    std::string alpha, lambda, tau;  // the captions of the model's three boxes
};
const KaimeSetTexts& KaimeSetFormTexts();

// The dialog 投資金設定: the default amount per race, the part of the Kelly stake that ケリー
// takes, the bankroll it is a part of, the powers of the chances model and the two progression
// values. Made on every opening; only OK writes, and every amount below 100 is raised to 100
// first.
class TKaimeSetForm {
  public:
    // Puts the three stored values into the boxes.
    TKaimeSetForm(SettingsFile& settings, bool progressionShown);

    void OkClick();

    int DefaultAmount = 0;     // 投資金額初期設定, yen
    int DefaultZogaku = 0;     // 増額率, percent
    int DefaultTarProfit = 0;  // 目標利益金額, yen
    int KellyPercent = 0;      // ケリー係数, percent of the full Kelly stake
    int Bankroll = 0;          // 資金, yen: what ケリー stakes a part of
    ModelParameters Model;     // α, λ, τ; OK holds each to 0.3..2.0
    // The lower part with the two progression values.
    bool ProgressionShown = false;

  private:
    SettingsFile& settings_;
};

}  // namespace kagiroi
