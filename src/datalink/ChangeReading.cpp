#include "datalink/ChangeReading.h"

#include "daystore/DayFiles.h"
#include "daystore/RaceDay.h"
#include "daystore/RecordLayout.h"
#include "platform/FileSystem.h"
#include "platform/FolderLock.h"
#include "platform/Format.h"
#include "platform/TextField.h"
#include "platform/TextLines.h"

#include <vector>

namespace kagiroi {

namespace {

constexpr int kMaxChangeRecords = 36;

// Applies one post-time change to every race line of its race; true when a line matched.
bool ApplyPostTime(const std::string& change, std::vector<std::string>& raceLines, DayBook& book,
                   int minutesBefore) {
    std::string course = FieldAt(change, RaceHead::Course);
    std::string race = FieldAt(change, RaceHead::RaceNumber);
    std::string newTime = FieldAt(change, TC::NewPostTime);
    bool matched = false;
    for (size_t i = 0; i < raceLines.size(); ++i) {
        std::string& line = raceLines[i];
        if (FieldAt(line, RaceHead::Course) != course ||
            FieldAt(line, RaceHead::RaceNumber) != race)
            continue;
        matched = true;
        PutField(line, RA::PostTime.pos, RA::PostTime.len, newTime);
        if (IsBlank(newTime) || newTime == "0000" || i >= static_cast<size_t>(kSlotCount)) continue;
        RaceSlot& slot = book[static_cast<int>(i)];
        PutField(slot.RaceInfo, RA::PostTime.pos, RA::PostTime.len, newTime);
        slot.FetchTimes = FetchTimesFor(newTime, minutesBefore);
    }
    return matched;
}

}  // namespace

std::optional<ChangeStamps> ReadChangeStamps(const std::string& newFile, FileError* error) {
    ChangeStamps stamps;
    FileContents contents = ReadFileContents(newFile);
    if (contents.status == ReadStatus::Failed) {
        if (error != nullptr) *error = contents.error;
        return std::nullopt;
    }
    auto lines = SplitLines(contents.data);
    if (lines.size() != stamps.size()) return stamps;
    for (size_t i = 0; i < stamps.size(); ++i)
        stamps[i] = lines[i];
    return stamps;
}

bool IsUsableChangeRecord(const std::string& record) {
    if (record.size() != static_cast<size_t>(kTcLength) || record.substr(kTcLength - 2) != "\r\n")
        return false;
    std::string time = FieldAt(record, TC::NewPostTime);
    return IsDigits(FieldAt(record, TC::Announced)) && IsDigits(time) &&
           ToInt(time.substr(0, 2)) < 24 && ToInt(time.substr(2, 2)) < 60;
}

ChangeReadingResult ReadChanges(const std::string& programFolder, DayBook& book,
                                int minutesBefore) {
    ChangeReadingResult result;
    if (book.day.empty()) return result;
    std::string newFile = ChangeFilePath(programFolder, book.day, kChangeStampExtension);
    std::string tcFile = ChangeFilePath(programFolder, book.day, DayFileExtension(RecordKind::TC));
    if (!FileExists(tcFile) || !FileExists(book.paths.raceFile)) return result;

    // The race file and the stamps are read and rewritten as one change.
    FolderLock lock;
    if (!lock.Held()) {
        result.failure = DescribeFailure(
            book.paths.raceFile + " に書き込めないため、変更情報を反映しませんでした",
            lock.Error());
        return result;
    }
    FileError error;
    auto stamps = ReadChangeStamps(newFile, &error);
    if (!stamps) {
        result.failure =
            DescribeFailure(newFile + " を読み込めないため、変更情報を反映しませんでした", error);
        return result;
    }
    auto raceText = ReadWholeFile(book.paths.raceFile, &error);
    if (!raceText) {
        result.failure = DescribeFailure(
            book.paths.raceFile + " を読み込めないため、変更情報を反映しませんでした", error);
        return result;
    }
    std::vector<std::string> raceLines = SplitLines(*raceText);
    RecordFile changes(tcFile);
    std::string stored = (*stamps)[kPostTimeStamp];
    std::string greatest = stored;
    int64_t count = std::min<int64_t>(changes.RecordCount(kTcLength), kMaxChangeRecords);
    for (int64_t k = 0; k < count; ++k) {
        std::string change = changes.Read(k, kTcLength);
        if ((k + 1) * kTcLength > changes.Size() || !IsUsableChangeRecord(change)) {
            result.problems.push_back(
                Format("%s の%lld件目の変更レコードが壊れているため、使いませんでした",
                       tcFile.c_str(), static_cast<long long>(k + 1)));
            continue;
        }
        std::string announced = FieldAt(change, TC::Announced);
        if (!(announced > stored)) continue;
        result.postTimesChanged = true;
        if (announced > greatest) greatest = announced;
        if (ApplyPostTime(change, raceLines, book, minutesBefore)) ++result.racesMoved;
    }
    if (!result.postTimesChanged) return result;
    (*stamps)[kPostTimeStamp] = greatest;
    std::vector<std::string> stampLines(stamps->begin(), stamps->end());
    if (!WriteFileAtomic(book.paths.raceFile, JoinLines(raceLines), &error)) {
        result.failure = DescribeFailure(book.paths.raceFile + " に書き込めませんでした", error);
        return result;
    }
    if (!WriteFileAtomic(newFile, JoinLines(stampLines), &error))
        result.failure = DescribeFailure(newFile + " に書き込めませんでした", error);
    return result;
}

}  // namespace kagiroi
