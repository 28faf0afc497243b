#include "stakes/VoteConfirmation.h"

#include "platform/Format.h"

namespace kagiroi {

bool ConfirmVote(Ui& ui, const std::string& question, int64_t total, const VoteCautions& cautions) {
    std::string text = question;
    if (cautions.amount > 0 && total > cautions.amount)
        text += "\r\n※投票金額の合計 " + GroupedDigits(total) + "円は入力投票金額 " +
                GroupedDigits(cautions.amount) + "円を超えています。";
    bool late = !cautions.postTime.empty();
    if (late) text += "\r\n※発走時刻 " + cautions.postTime + " を過ぎています（発走済み）。";
    if (!ui.AskYesNo(text)) return false;
    return !late ||
           ui.AskYesNo("発走時刻 " + cautions.postTime + " を過ぎています。それでも投票しますか？");
}

}  // namespace kagiroi
