#include "selection/PaidCombinations.h"

#include "platform/Format.h"
#include "platform/TextField.h"

#include <array>

namespace kagiroi {

namespace {

// Where the entries of a bet type lie in the payout record.
struct EntryLayout {
    int first;          // position of entry 1
    int length;         // bytes per entry
    int numbers;        // horse or bracket numbers per entry
    int numberWidth;    // digits per number
    int popularityLen;  // digits of the popularity
};

const EntryLayout& LayoutOf(BetType type) {
    static const std::array<EntryLayout, 8> kLayouts = {{
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

constexpr int kPayoutDigits = 9;

}  // namespace

std::vector<PayoutEntry> PaidEntries(BetType type, std::string_view hrRecord) {
    const EntryLayout& layout = LayoutOf(type);
    std::vector<PayoutEntry> paid;
    for (int k = 0; k < PayoutEntryCount(type); ++k) {
        int at = layout.first + layout.length * k;
        std::array<int, 3> numbers{};
        bool complete = true;
        for (int i = 0; i < layout.numbers; ++i) {
            numbers[static_cast<size_t>(i)] =
                ToInt(Field(hrRecord, at + i * layout.numberWidth, layout.numberWidth));
            if (numbers[static_cast<size_t>(i)] <= 0) complete = false;
        }
        if (!complete) continue;
        int payoutAt = at + layout.numbers * layout.numberWidth;
        PayoutEntry entry;
        entry.payout = ToInt64(Field(hrRecord, payoutAt, kPayoutDigits));
        entry.popularity = ToInt(Field(hrRecord, payoutAt + kPayoutDigits, layout.popularityLen));
        if (layout.numbers == 1)
            entry.horse = numbers[0];
        else if (layout.numbers == 2)
            entry.combination = CombinationText(numbers[0], numbers[1]);
        else
            entry.combination = CombinationText(numbers[0], numbers[1], numbers[2]);
        paid.push_back(std::move(entry));
    }
    return paid;
}

}  // namespace kagiroi
