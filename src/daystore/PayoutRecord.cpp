#include "daystore/PayoutRecord.h"

#include "platform/TextField.h"

#include <array>

namespace kagiroi {

namespace {

// Where a bet type's entries lie in the payout record and how they read.
struct PayoutLayout {
    int firstPos;
    int entryLength;
    int numbers;      // numbers in the combination: 1, 2 or 3
    int numberWidth;  // bytes per number: 1 for brackets, 2 for horses
    int popularityWidth;
};
constexpr int kPayoutWidth = 9;

const PayoutLayout& LayoutOf(BetType type) {
    static const std::array<PayoutLayout, 8> kLayouts = {{
        {103, 13, 1, 2, 2},  // 単勝
        {142, 13, 1, 2, 2},  // 複勝
        {207, 13, 2, 1, 2},  // 枠連
        {246, 16, 2, 2, 3},  // 馬連
        {294, 16, 2, 2, 3},  // ワイド
        {454, 16, 2, 2, 3},  // 馬単
        {550, 18, 3, 2, 3},  // ３連複
        {604, 19, 3, 2, 4},  // ３連単
    }};
    return kLayouts[static_cast<size_t>(type)];
}

}  // namespace

PayoutEntry ReadPayoutEntry(std::string_view hr, BetType type, int k) {
    const PayoutLayout& layout = LayoutOf(type);
    int at = layout.firstPos + layout.entryLength * k;
    std::array<int, 3> numbers{};
    bool allNumbered = true;
    for (int n = 0; n < layout.numbers; ++n) {
        int number = ToInt(Field(hr, at + layout.numberWidth * n, layout.numberWidth));
        numbers[static_cast<size_t>(n)] = number;
        allNumbered = allNumbered && number > 0;
    }
    int payoutPos = at + layout.numberWidth * layout.numbers;
    PayoutEntry entry;
    entry.payout = ToInt64(Field(hr, payoutPos, kPayoutWidth));
    entry.popularity = ToInt(Field(hr, payoutPos + kPayoutWidth, layout.popularityWidth));
    if (layout.numbers == 1)
        entry.horse = numbers[0];
    else if (allNumbered && layout.numbers == 2)
        entry.combination = CombinationText(numbers[0], numbers[1]);
    else if (allNumbered)
        entry.combination = CombinationText(numbers[0], numbers[1], numbers[2]);
    return entry;
}

std::vector<PayoutEntry> PaidEntries(BetType type, std::string_view hrRecord) {
    std::vector<PayoutEntry> paid;
    for (int k = 0; k < PayoutEntryCount(type); ++k) {
        PayoutEntry entry = ReadPayoutEntry(hrRecord, type, k);
        if (entry.horse > 0 || !entry.combination.empty()) paid.push_back(std::move(entry));
    }
    return paid;
}

}  // namespace kagiroi
