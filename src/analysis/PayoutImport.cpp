#include "analysis/PayoutImport.h"

#include "daystore/DayRecords.h"
#include "daystore/PayoutRecord.h"
#include "platform/FileSystem.h"
#include "platform/FolderLock.h"
#include "platform/Format.h"
#include "platform/TextField.h"

namespace kagiroi {

namespace {

std::string CourseAndRace(const std::string& raceInfo) {
    return FieldAt(raceInfo, RaceHead::Course) + FieldAt(raceInfo, RaceHead::RaceNumber);
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
        std::string key = FieldAt(record, RaceHead::RaceKey);
        for (auto& slot : book.slots) {
            if (FieldAt(slot.RaceInfo, RaceHead::RaceKey) != key) continue;
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

// The place payouts list the placed horses in finishing order: entry k is placing k. The
// runner record's own placing is the official result and is kept: a dead heat gives two horses
// the same placing, which the entries' order cannot tell.
void WritePlacings(RaceSlot& slot) {
    for (int k = 0; k < PayoutEntryCount(BetType::Place); ++k) {
        int horse = ReadPayoutEntry(slot.HrCopy, BetType::Place, k).horse;
        if (horse < 1 || horse > kMaxRunners) continue;
        std::string& runner = slot.RunnerInfo[static_cast<size_t>(horse)];
        if (NumberAt(runner, SE::Placing) > 0) continue;
        PutField(runner, SE::Placing.pos, SE::Placing.len, Format("%02d", k + 1));
    }
}

}  // namespace

void ParsePayouts(RaceSlot& slot) {
    for (BetType type : kAllBetTypes) {
        for (int k = 0; k < PayoutEntryCount(type); ++k)
            slot.Paid.At(type, k) = ReadPayoutEntry(slot.HrCopy, type, k);
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

    // The race, runner and payout files are read as one set (bounded wait: read anyway).
    FolderLock lock;
    if (FileExists(book.paths.raceFile)) ReadRaceAndRunnerRecords(book);
    PayoutFile payouts = ReadPayoutFile(book.paths.payoutFile);
    lock.Release();
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
