#include "datalink/ChangeReading.h"

#include "daystore/DayFiles.h"
#include "daystore/RaceDay.h"
#include "daystore/RecordLayout.h"
#include "platform/FileSystem.h"
#include "platform/TextField.h"
#include "platform/TextLines.h"

#include <vector>

namespace kagiroi {

namespace {

constexpr int kMaxChangeRecords = 36;

// Applies one post-time change to every race line of its race; true when a line matched.
bool ApplyPostTime(const std::string& change, std::vector<std::string>& raceLines, DayBook& book,
                   int minutesBefore) {
    std::string course = Field(change, pos::kCourse, 2);
    std::string race = Field(change, pos::kRaceNumber, 2);
    std::string newTime = Field(change, 36, 4);
    bool matched = false;
    for (size_t i = 0; i < raceLines.size(); ++i) {
        std::string& line = raceLines[i];
        if (Field(line, pos::kCourse, 2) != course || Field(line, pos::kRaceNumber, 2) != race)
            continue;
        matched = true;
        PutField(line, pos::kRaPostTime, 4, newTime);
        if (IsBlank(newTime) || newTime == "0000" || i >= static_cast<size_t>(kSlotCount)) continue;
        RaceSlot& slot = book[static_cast<int>(i)];
        PutField(slot.RaceInfo, pos::kRaPostTime, 4, newTime);
        slot.FetchTimes = FetchTimesFor(newTime, minutesBefore);
    }
    return matched;
}

}  // namespace

ChangeStamps ReadChangeStamps(const std::string& newFile) {
    ChangeStamps stamps;
    auto text = ReadWholeFile(newFile);
    if (!text) return stamps;
    auto lines = SplitLines(*text);
    if (lines.size() != stamps.size()) return stamps;
    for (size_t i = 0; i < stamps.size(); ++i)
        stamps[i] = lines[i];
    return stamps;
}

ChangeReadingResult ReadChanges(const std::string& programFolder, DayBook& book,
                                int minutesBefore) {
    ChangeReadingResult result;
    if (book.day.empty()) return result;
    std::string newFile = ChangeFilePath(programFolder, book.day, ".NEW");
    std::string tcFile = ChangeFilePath(programFolder, book.day, ".TC");
    ChangeStamps stamps = ReadChangeStamps(newFile);
    if (!FileExists(tcFile) || !FileExists(book.paths.raceFile)) return result;

    auto raceText = ReadWholeFile(book.paths.raceFile, &result.error);
    if (!raceText) return result;
    std::vector<std::string> raceLines = SplitLines(*raceText);
    RecordFile changes(tcFile);
    std::string greatest = stamps[kPostTimeStamp];
    int64_t count = std::min<int64_t>(changes.RecordCount(kTcLength), kMaxChangeRecords);
    for (int64_t k = 0; k < count; ++k) {
        std::string change = changes.Read(k, kTcLength);
        std::string announced = Field(change, 28, 8);
        if (!(announced > stamps[kPostTimeStamp])) continue;
        result.postTimesChanged = true;
        if (announced > greatest) greatest = announced;
        if (ApplyPostTime(change, raceLines, book, minutesBefore)) ++result.racesMoved;
    }
    if (!result.postTimesChanged) return result;
    stamps[kPostTimeStamp] = greatest;
    std::vector<std::string> stampLines(stamps.begin(), stamps.end());
    if (!WriteFileAtomic(book.paths.raceFile, JoinLines(raceLines), &result.error)) return result;
    WriteFileAtomic(newFile, JoinLines(stampLines), &result.error);
    return result;
}

}  // namespace kagiroi
