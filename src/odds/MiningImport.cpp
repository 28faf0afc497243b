#include "odds/MiningImport.h"

#include "odds/OddsImport.h"
#include "odds/RankKeyText.h"
#include "platform/FileSystem.h"
#include "platform/TextField.h"
#include "racing/RankList.h"

#include <algorithm>
#include <array>
#include <string_view>

namespace kagiroi {

namespace {

constexpr int kNoTimeAbove = 99999;
// The runner record's abnormality codes of a horse that does not run.
constexpr char kFirstNonStarterCode = '1', kLastNonStarterCode = '3';

std::string MiningKey(const std::string& record) {
    return FieldAt(record, RaceHead::Date) + FieldAt(record, RaceHead::Course) +
           FieldAt(record, RaceHead::RaceNumber);
}

// False when the file exists but cannot be read through.
bool ReadMiningRecords(DayBook& book) {
    const std::string& path = book.paths.miningFile;
    auto stamp = StampOf(path);
    if (!stamp) return true;
    RecordFile file(path);
    if (!stamp->regular || !file.IsOpen()) return false;
    int64_t records = std::min<int64_t>(file.RecordCount(kDmLength), kSlotCount);
    std::array<std::string, kSlotCount> slotKeys;
    for (size_t s = 0; s < slotKeys.size(); ++s)
        slotKeys[s] = MiningKey(book.slots[s].RaceInfo);
    for (int64_t k = 0; k < records; ++k) {
        auto read = file.ReadChecked(k * kDmLength, kDmLength);
        if (!read) {
            for (auto& slot : book.slots)
                slot.DMCopy.assign(kDmLength, ' ');
            return false;
        }
        auto same = std::find(slotKeys.begin(), slotKeys.end(), MiningKey(*read));
        if (same != slotKeys.end())
            book.slots[static_cast<size_t>(same - slotKeys.begin())].DMCopy = *read;
    }
    return true;
}

// A horse that will not run takes no mining rank, so it cannot take a runner's place among
// the partners.
bool Runs(const RaceSlot& slot, int horse) {
    if (slot.Odds.WinOdds[static_cast<size_t>(horse)] == kCancelledOdds) return false;
    std::string code = FieldAt(slot.RunnerInfo[static_cast<size_t>(horse)], SE::Abnormality);
    return code.empty() || code[0] < kFirstNonStarterCode || code[0] > kLastNonStarterCode;
}

}  // namespace

void ComputeMiningBlock(RaceSlot& slot) {
    RankList list;
    for (int h = 1; h <= kMaxRunners; ++h) {
        MiningEntry& entry = slot.Mining[static_cast<size_t>(h)];
        entry.MiningTime = NumberAt(slot.DMCopy, DM::Time.At(h));
        entry.MiningErrorPlus = NumberAt(slot.DMCopy, DM::ErrorPlus.At(h));
        entry.MiningErrorMinus = NumberAt(slot.DMCopy, DM::ErrorMinus.At(h));
        entry.MiningRank = 0;
        const std::string& runner = slot.RunnerInfo[static_cast<size_t>(h)];
        int own = NumberAt(runner, SE::MiningTime);
        if (own > 0 && own < kNoTimeAbove) {
            entry.MiningTime = own;
            entry.MiningErrorPlus = NumberAt(runner, SE::MiningPlus);
            entry.MiningErrorMinus = NumberAt(runner, SE::MiningMinus);
        }
        if (entry.MiningTime > 0 && Runs(slot, h))
            list.Add(RightAlignedNumber(entry.MiningTime, 5) + RightAlignedNumber(h, 2));
    }
    for (size_t t = 0; t < list.Count(); ++t) {
        int horse = ToInt(list.At(t).substr(5, 2));
        slot.Mining[static_cast<size_t>(horse)].MiningRank = static_cast<int>(t) + 1;
    }
}

std::vector<std::string> ImportMining(DayBook& book) {
    for (auto& slot : book.slots)
        slot.DMCopy.assign(kDmLength, ' ');
    std::vector<std::string> problems;
    if (!ReadMiningRecords(book))
        problems.push_back(
            book.paths.miningFile +
            "：ファイルを読み込めないため、マイニング予想は出走馬のデータだけから取りました。");
    for (auto& slot : book.slots)
        ComputeMiningBlock(slot);
    return problems;
}

}  // namespace kagiroi
