#include "stakes/TKaimeSetForm.h"

#include "platform/FolderLock.h"
#include "platform/SettingsTable.h"
#include "stakes/FundAllocation.h"

#include <algorithm>

namespace kagiroi {

const KaimeSetTexts& KaimeSetFormTexts() {
    static const KaimeSetTexts texts{
        "投資金設定",
        "買い目を作成するための1レースあたりの投資金額を設定します。",
        "投資金額初期設定",
        "★以下は追い上げ投資時の設定です★",
        "増額率の設定",
        "増額率はオッズの変動による回収率の変化を見込んで投資金額を増減するための数値です。"
        "数字が大きい方が回収が良くなりますが、リスクが高くなります。"
        "通常は100%～120%程度の範囲で指定してください。",
        "目標利益金額設定",
        "追い上げ投資を行う場合の目標利益額を指定します。"
        "大きい数字を指定すると的中時の利益は大きいですが、リスクが大きくなります。",
        "円",
        "％",
        "ケリー係数",
        "資金配分のケリーで、期待値が1を超える買い目に賭ける割合を理論上の最適額の何％にするかを"
        "指定します。的中率はオッズからの推定なので、通常は25%程度にしてください。",
        "資金",
        "資金配分のケリーで購入額を決める元手です。投票金額の欄は均等と比例の1レースあたりの"
        "投資金額で、ケリーでは使いません。",
        "的中率のモデル",
        "的中率は単勝オッズから求めます。αは人気馬の勝率の補正（1より大きいと人気馬を重く見ます）、"
        "λとτは2着・3着の割引です。いずれも0.3～2.0、1.0でオッズのままです。"
        "キャリブレーションで自分の結果に合わせられます。",
        "α",
        "λ",
        "τ",
    };
    return texts;
}

TKaimeSetForm::TKaimeSetForm(SettingsFile& settings, bool progressionShown)
    : DefaultAmount(ReadIntSetting(settings, setting::kDefaultAmount)),
      DefaultZogaku(ReadIntSetting(settings, setting::kIncreasePercent)),
      DefaultTarProfit(ReadIntSetting(settings, setting::kTargetProfit)),
      KellyPercent(ReadIntSetting(settings, setting::kKellyPercent)),
      Bankroll(ReadIntSetting(settings, setting::kBankroll)),
      Model(ReadModelParameters(settings)),
      ProgressionShown(progressionShown),
      settings_(settings) {}

void TKaimeSetForm::OkClick() {
    // The dialog's values land together: another program's write comes before or after them all.
    FolderLock lock;
    for (int* value : {&DefaultAmount, &DefaultZogaku, &DefaultTarProfit})
        *value = std::clamp(*value, kMinimumStake, kMaxAmount);
    WriteIntSetting(settings_, setting::kDefaultAmount, DefaultAmount);
    WriteIntSetting(settings_, setting::kIncreasePercent, DefaultZogaku);
    WriteIntSetting(settings_, setting::kTargetProfit, DefaultTarProfit);
    KellyPercent = ClampToSetting(setting::kKellyPercent, KellyPercent);
    WriteIntSetting(settings_, setting::kKellyPercent, KellyPercent);
    Bankroll = ClampToSetting(setting::kBankroll, Bankroll);
    WriteIntSetting(settings_, setting::kBankroll, Bankroll);
    Model = HeldModelParameters(Model);
    WriteModelParameters(settings_, Model);
}

}  // namespace kagiroi
