#include "analysis/PayoutImport.h"

#include "daystore/DayRecords.h"
#include "platform/FileSystem.h"
#include "platform/Format.h"
#include "platform/TextField.h"

namespace kagiroi {

namespace {

constexpr int kSePlacingPos = 335;

// Where a bet type's entries lie in the payout record and how they read.
struct PayoutLayout {
    int firstPos;
    int entryLength;
    int horses;       // numbers in the combination: 1, 2 or 3
    int numberWidth;  // bytes per number: 1 for frames, 2 for horses
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

PayoutEntry ParseEntry(const std::string& hr, const PayoutLayout& layout, int k) {
    int at = layout.firstPos + layout.entryLength * k;
    std::array<int, 3> numbers{};
    bool allNumbered = true;
    for (int n = 0; n < layout.horses; ++n) {
        int number = ToInt(Field(hr, at + layout.numberWidth * n, layout.numberWidth));
        numbers[static_cast<size_t>(n)] = number;
        allNumbered = allNumbered && number > 0;
    }
    int payoutPos = at + layout.numberWidth * layout.horses;
    PayoutEntry entry;
    entry.payout = ToInt64(Field(hr, payoutPos, kPayoutWidth));
    entry.popularity = ToInt(Field(hr, payoutPos + kPayoutWidth, layout.popularityWidth));
    if (layout.horses == 1)
        entry.horse = numbers[0];
    else if (allNumbered && layout.horses == 2)
        entry.combination = CombinationText(numbers[0], numbers[1]);
    else if (allNumbered)
        entry.combination = CombinationText(numbers[0], numbers[1], numbers[2]);
    return entry;
}

std::string CourseAndRace(const std::string& raceInfo) {
    return Field(raceInfo, pos::kCourse, 2) + Field(raceInfo, pos::kRaceNumber, 2);
}

// The records of the payout file, at most 36.
struct PayoutFile {
    bool present = false;
    bool readable = true;
    std::vector<std::string> records;
};

PayoutFile ReadPayoutFile(const std::string& path) {
    PayoutFile payouts;
    auto stamp = StampOf(path);
    payouts.present = stamp.has_value();
    if (!payouts.present) return payouts;
    RecordFile file(path);
    payouts.readable = stamp->regular && file.IsOpen();
    int64_t count = std::min<int64_t>(file.RecordCount(kHrLength), kSlotCount);
    for (int64_t k = 0; payouts.readable && k < count; ++k) {
        auto record = file.ReadChecked(k * kHrLength, kHrLength);
        payouts.readable = record.has_value();
        if (record) payouts.records.push_back(std::move(*record));
    }
    return payouts;
}

// Each payout record goes to the first slot of the same race key; a record of the selected race
// arriving for the first time asks for the display to be rebuilt.
bool AttachPayoutRecords(DayBook& book, const std::vector<std::string>& records,
                         const std::string& selectedKey) {
    bool refresh = false;
    for (auto& slot : book.slots)
        slot.HrCopy.assign(kHrLength, ' ');
    for (const auto& record : records) {
        std::string key = Field(record, pos::kRaceKey, 16);
        for (auto& slot : book.slots) {
            if (Field(slot.RaceInfo, pos::kRaceKey, 16) != key) continue;
            slot.HrCopy = record;
            if (!selectedKey.empty() && CourseAndRace(slot.RaceInfo) == selectedKey &&
                !slot.PayoutAttached)
                refresh = true;
            slot.PayoutAttached = true;
            break;
        }
    }
    return refresh;
}

// The place payouts list the placed horses in order: entry k is placing k.
void WritePlacings(RaceSlot& slot) {
    const PayoutLayout& place = LayoutOf(BetType::Place);
    for (int k = 0; k < PayoutEntryCount(BetType::Place); ++k) {
        int horse = ToInt(Field(slot.HrCopy, place.firstPos + place.entryLength * k, 2));
        if (horse < 1 || horse > kMaxRunners) continue;
        PutField(slot.RunnerInfo[static_cast<size_t>(horse)], kSePlacingPos, 2,
                 Format("%02d", k + 1));
    }
}

}  // namespace

void ParsePayouts(RaceSlot& slot) {
    for (BetType type : kAllBetTypes) {
        for (int k = 0; k < PayoutEntryCount(type); ++k)
            slot.Paid.At(type, k) = ParseEntry(slot.HrCopy, LayoutOf(type), k);
    }
}

void ParseAllPayouts(DayBook& book) {
    for (auto& slot : book.slots)
        ParsePayouts(slot);
}

PayoutImportResult ImportPayouts(DayBook& book, int selectedRace) {
    PayoutImportResult result;
    std::string selectedKey;
    if (selectedRace >= 0 && selectedRace < kSlotCount)
        selectedKey = CourseAndRace(book[selectedRace].RaceInfo);
    if (IsBlank(selectedKey)) selectedKey.clear();

    if (FileExists(book.paths.raceFile)) ReadRaceAndRunnerRecords(book);
    PayoutFile payouts = ReadPayoutFile(book.paths.payoutFile);
    if (!payouts.readable)
        result.problems.push_back(book.paths.payoutFile +
                                  "：ファイルを読み込めないため、払戻を取りこめませんでした。");
    else if (payouts.present)
        result.refreshSelectedRace = AttachPayoutRecords(book, payouts.records, selectedKey);
    for (auto& slot : book.slots)
        WritePlacings(slot);
    ParseAllPayouts(book);
    return result;
}

}  // namespace kagiroi
