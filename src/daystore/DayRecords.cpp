#include "daystore/DayRecords.h"

#include "daystore/DayFiles.h"
#include "platform/FileSystem.h"
#include "platform/TextField.h"

#include <map>
#include <memory>

namespace kagiroi {

namespace {

// Year, month-day, course and race number: the 12 bytes that match a record to its race.
std::string ShortRaceKey(const std::string& record) {
    return Field(record, pos::kYear, 4) + Field(record, pos::kMonthDay, 4) +
           Field(record, pos::kCourse, 2) + Field(record, pos::kRaceNumber, 2);
}

void ReadRunners(RaceSlot& slot, const RecordFile& runnerFile) {
    int runners = std::min(ToInt(Field(slot.RaceInfo, pos::kRaRunners, 2)), kMaxRunners);
    int race = ToInt(Field(slot.RaceInfo, pos::kRaceNumber, 2));
    if (race < 1 || race > kRacesPerCourse) return;
    for (int i = 0; i < runners; ++i)
        slot.RunnerInfo[static_cast<size_t>(i + 1)] =
            runnerFile.Read(static_cast<int64_t>(race - 1) * kMaxRunners + i, kSeLength);
}

}  // namespace

void ReadRaceAndRunnerRecords(DayBook& book, const std::function<void()>& onRunnerFile) {
    RecordFile raceFile(book.paths.raceFile);
    if (!raceFile.IsOpen()) return;
    // Each racecourse's runner file is opened once for all its races.
    std::map<std::string, std::unique_ptr<RecordFile>> runnerFiles;
    int64_t records = raceFile.RecordCount(kRaLength);
    int slot = 0;
    for (int64_t k = 0; k < records && slot < kSlotCount; ++k) {
        std::string record = raceFile.Read(k, kRaLength);
        std::string year = Field(record, pos::kYear, 4);
        if (IsBlank(year) || year == "0000") continue;
        RaceSlot& target = book[slot++];
        target.RaceInfo = record;
        std::string course = Field(record, pos::kCourse, 2);
        auto path = RunnerFilePath(book.paths.raceFile, course);
        if (!path) continue;
        auto& file = runnerFiles[*path];
        if (!file) file = std::make_unique<RecordFile>(*path);
        if (!file->IsOpen()) continue;
        ReadRunners(target, *file);
        if (onRunnerFile) onRunnerFile();
    }
}

void ReadPayoutRecords(DayBook& book) {
    RecordFile payoutFile(book.paths.payoutFile);
    if (!payoutFile.IsOpen()) return;
    int64_t records = std::min<int64_t>(payoutFile.RecordCount(kHrLength), kSlotCount);
    for (int64_t k = 0; k < records; ++k) {
        std::string record = payoutFile.Read(k, kHrLength);
        std::string key = ShortRaceKey(record);
        for (auto& slot : book.slots) {
            if (ShortRaceKey(slot.RaceInfo) != key) continue;
            slot.HrCopy = record;
            std::string dataKind = Field(record, pos::kDataKind, 1);
            if (dataKind == "1" || dataKind == "2") slot.PayoutConfirmed = true;
            break;
        }
    }
}

}  // namespace kagiroi
