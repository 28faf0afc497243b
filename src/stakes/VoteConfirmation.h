#pragma once

#include "platform/Ui.h"

#include <cstdint>
#include <string>

namespace kagiroi {

// What a vote's confirmation warns of besides its question.
struct VoteCautions {
    int64_t amount = 0;    // the amount typed (入力投票金額); 0 when none
    std::string postTime;  // "hh:mm" when the race's post time has passed; empty before it
};

// Asks the vote's question with the cautions that apply to a vote of `total` yen: stakes over
// the amount typed and a race already off. After the post time a Yes is asked for again, so a
// late vote is never sent with one careless click. True when the vote may go.
bool ConfirmVote(Ui& ui, const std::string& question, int64_t total, const VoteCautions& cautions);

}  // namespace kagiroi
