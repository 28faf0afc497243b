#include "analysis/ResultsPage.h"

#include "platform/Format.h"
#include "platform/TextField.h"

#include <algorithm>

namespace kagiroi {

namespace {

const std::array<const char*, 8> kCaptions = {"単勝", "複勝", "枠連",   "馬連",
                                              "ﾜｲﾄﾞ", "馬単", "三連複", "三連単"};

bool IsHorseType(BetType type) {
    return type == BetType::Win || type == BetType::Place;
}

bool IsShown(BetType type, const PayoutEntry& entry) {
    if (IsHorseType(type)) return entry.horse != 0;
    return entry.combination != " 0- 0" && entry.combination != " 0- 0- 0" &&
           !IsBlank(entry.combination);
}

PayoutRowTexts RowTexts(BetType type, const PayoutEntry& entry) {
    if (!IsShown(type, entry)) return {};
    std::string result = IsHorseType(type) ? Format("%2d", entry.horse) : entry.combination;
    return {result, Format("%2d", entry.popularity),
            Format("%8lld", static_cast<long long>(entry.payout))};
}

}  // namespace

const std::string& PayoutRowHead(int column) {
    static const std::array<std::string, 3> heads = {"結果：", "人気：", "配当："};
    return heads[static_cast<size_t>(std::clamp(column, 0, 2))];
}

std::array<PayoutGroupTexts, 8> ResultsPageTexts(const Payouts& payouts) {
    std::array<PayoutGroupTexts, 8> page;
    for (BetType type : kAllBetTypes) {
        PayoutGroupTexts& group = page[static_cast<size_t>(type)];
        group.caption = kCaptions[static_cast<size_t>(type)];
        for (int k = 0; k < PayoutEntryCount(type); ++k)
            group.rows.push_back(RowTexts(type, payouts.At(type, k)));
    }
    return page;
}

}  // namespace kagiroi
