#include "daystore/DayRecords.h"

#include "daystore/DayFiles.h"
#include "platform/FileSystem.h"
#include "platform/Format.h"
#include "platform/TextField.h"

#include <map>
#include <memory>

namespace kagiroi {

namespace {

// Year, month-day, course and race number: the 12 bytes that match a record to its race.
std::string ShortRaceKey(const std::string& record) {
    return FieldAt(record, RaceHead::Date) + FieldAt(record, RaceHead::Course) +
           FieldAt(record, RaceHead::RaceNumber);
}

void ReadRunners(RaceSlot& slot, const RecordFile& runnerFile) {
    int runners = RegisteredRunners(slot.RaceInfo);
    int race = NumberAt(slot.RaceInfo, RaceHead::RaceNumber);
    if (race < 1 || race > kRacesPerCourse) return;
    for (int i = 0; i < runners; ++i)
        slot.RunnerInfo[static_cast<size_t>(i + 1)] =
            runnerFile.Read(static_cast<int64_t>(race - 1) * kMaxRunners + i, kSeLength);
}

void TellSkipped(const LineRecordReader& reader, const std::string& path,
                 std::vector<std::string>* problems) {
    if (problems == nullptr) return;
    for (int64_t line : reader.SkippedLines())
        problems->push_back(Format("%s の%lld行目が壊れているため、読み飛ばしました", path.c_str(),
                                   static_cast<long long>(line)));
}

}  // namespace

LineRecordReader::LineRecordReader(const RecordFile& file, int recordLength)
    : file_(file), length_(recordLength) {}

int64_t LineRecordReader::NextLineStart(int64_t from) const {
    constexpr int kChunk = 4096;
    char previous = '\0';
    for (int64_t at = from; at < file_.Size(); at += kChunk) {
        std::string chunk(kChunk, '\0');
        int64_t n = file_.ReadAt(at, chunk.data(), kChunk);
        for (int64_t i = 0; i < n; ++i) {
            if (previous == '\r' && chunk[static_cast<size_t>(i)] == '\n') return at + i + 1;
            previous = chunk[static_cast<size_t>(i)];
        }
    }
    return file_.Size();
}

std::optional<std::string> LineRecordReader::Next() {
    while (offset_ < file_.Size()) {
        ++line_;
        std::string record(static_cast<size_t>(length_), ' ');
        int64_t n = file_.ReadAt(offset_, record.data(), length_);
        size_t end = record.find("\r\n");
        if (end == static_cast<size_t>(length_) - 2 ||
            (end == std::string::npos && offset_ + n >= file_.Size())) {
            offset_ += length_;
            return record;
        }
        skipped_.push_back(line_);
        offset_ = end != std::string::npos ? offset_ + static_cast<int64_t>(end) + 2
                                           : NextLineStart(offset_ + length_ - 1);
    }
    return std::nullopt;
}

void ReadRaceAndRunnerRecords(DayBook& book, const std::function<void()>& onRunnerFile,
                              std::vector<std::string>* problems) {
    RecordFile raceFile(book.paths.raceFile);
    if (!raceFile.IsOpen()) return;
    // Each racecourse's runner file is opened once for all its races.
    std::map<std::string, std::unique_ptr<RecordFile>> runnerFiles;
    LineRecordReader reader(raceFile, kRaLength);
    int slot = 0;
    while (slot < kSlotCount) {
        auto next = reader.Next();
        if (!next) break;
        std::string record = std::move(*next);
        std::string year = FieldAt(record, RaceHead::Year);
        if (IsBlank(year) || year == "0000") continue;
        RaceSlot& target = book[slot++];
        target.RaceInfo = record;
        std::string course = FieldAt(record, RaceHead::Course);
        auto path = RunnerFilePath(book.paths.raceFile, course);
        if (!path) continue;
        auto& file = runnerFiles[*path];
        if (!file) file = std::make_unique<RecordFile>(*path);
        if (!file->IsOpen()) continue;
        ReadRunners(target, *file);
        if (onRunnerFile) onRunnerFile();
    }
    TellSkipped(reader, book.paths.raceFile, problems);
}

void ReadPayoutRecords(DayBook& book, std::vector<std::string>* problems) {
    RecordFile payoutFile(book.paths.payoutFile);
    if (!payoutFile.IsOpen()) return;
    LineRecordReader reader(payoutFile, kHrLength);
    for (int k = 0; k < kSlotCount; ++k) {
        auto next = reader.Next();
        if (!next) break;
        const std::string& record = *next;
        std::string key = ShortRaceKey(record);
        for (auto& slot : book.slots) {
            if (ShortRaceKey(slot.RaceInfo) != key) continue;
            slot.HrCopy = record;
            std::string dataKind = FieldAt(record, RaceHead::DataKind);
            if (dataKind == "1" || dataKind == "2") slot.PayoutConfirmed = true;
            break;
        }
    }
    TellSkipped(reader, book.paths.payoutFile, problems);
}

}  // namespace kagiroi
