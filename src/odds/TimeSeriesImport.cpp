#include "odds/TimeSeriesImport.h"

#include "daystore/DayFiles.h"
#include "daystore/RecordLayout.h"
#include "odds/AnnouncementFile.h"
#include "odds/TimeSeriesLayout.h"
#include "platform/FolderLock.h"
#include "platform/Format.h"
#include "platform/TextField.h"
#include "platform/TextLines.h"

#include <map>

namespace kagiroi {

namespace {

constexpr OddsKind kKinds[] = {OddsKind::O1, OddsKind::O5, OddsKind::O6};

// The chosen lines of one kind, by the day file they go into.
using ChosenLines = std::map<std::string, std::vector<std::string>>;

void ChooseFromFile(const RaceSlot& slot, OddsKind kind, const std::string& folder,
                    const std::string& programFolder, ChosenLines& chosen,
                    TimeSeriesImportResult& result) {
    auto day = DayTextOf(slot.RaceInfo);
    if (!day) return;
    auto line = NearestAnnouncementOf(slot, kind, folder, result.logLines);
    if (!line) return;
    std::string dayFile = JoinPath(DataFolder(programFolder), *day + OddsExtension(kind));
    chosen[dayFile].push_back(std::move(*line));
}

// Puts the chosen lines into one day file; a file that exists but cannot be read is left alone.
bool SaveIntoDayFile(const std::string& path, const std::vector<std::string>& chosen,
                     FileFailure& failure) {
    FolderLock lock;
    if (!lock.Held()) {
        failure = DescribeFailure(path + " に書き込めないため、時系列オッズを取りこみませんでした",
                                  lock.Error());
        return false;
    }
    FileContents contents = ReadFileContents(path);
    if (contents.status == ReadStatus::Failed) {
        failure = DescribeFailure(path + " を読み込めないため、時系列オッズを取りこみませんでした",
                                  contents.error);
        return false;
    }
    std::vector<std::string> lines = SplitLines(contents.data);
    for (const std::string& line : chosen)
        ReplaceOrAppend(lines, line);
    FileError error;
    if (!MakeDirectories(FolderOf(path), &error) ||
        !WriteFileAtomic(path, JoinLines(lines), &error)) {
        failure = DescribeFailure(path + " に書き込めないため、時系列オッズを取りこみませんでした",
                                  error);
        return false;
    }
    return true;
}

}  // namespace

std::optional<std::string> NearestAnnouncementOf(const RaceSlot& slot, OddsKind kind,
                                                 const std::string& folder,
                                                 std::vector<std::string>& logLines) {
    auto path = TimeSeriesFile(folder, slot.RaceInfo, kind);
    if (!path) return std::nullopt;
    AnnouncementFile file =
        AnnouncementFile::Read(*path, kind, FieldAt(slot.RaceInfo, RaceHead::RaceKey));
    if (file.Status() == ReadStatus::Missing) return std::nullopt;
    if (file.Status() == ReadStatus::Failed) {
        logLines.push_back(
            DescribeFailure(*path + " を読み込めないため、読み飛ばしました", file.Error()).logged);
        return std::nullopt;
    }
    if (file.Skipped() > 0) logLines.push_back(SkippedLinesText(*path, file.Skipped()));
    int nearest = NearestAnnouncement(file, slot.FetchTimes[0]);
    if (nearest < 0) return std::nullopt;
    return std::string(file.Line(static_cast<size_t>(nearest)));
}

void ReplaceOrAppend(std::vector<std::string>& dayLines, const std::string& chosen) {
    std::string key = FieldAt(chosen, RaceHead::RaceKey);
    bool replaced = false;
    for (std::string& line : dayLines) {
        if (FieldAt(line, RaceHead::RaceKey) != key) continue;
        line = chosen;
        replaced = true;
    }
    if (!replaced) dayLines.push_back(chosen);
}

TimeSeriesImportResult ImportTimeSeries(const DayBook& book, const std::string& folder,
                                        const std::string& programFolder) {
    TimeSeriesImportResult result;
    for (OddsKind kind : kKinds) {
        ChosenLines chosen;
        for (const RaceSlot& slot : book.slots)
            if (!slot.IsEmpty()) ChooseFromFile(slot, kind, folder, programFolder, chosen, result);
        for (const auto& [path, lines] : chosen) {
            FileFailure failure;
            if (!SaveIntoDayFile(path, lines, failure)) {
                result.failure = failure;
                return result;
            }
            result.taken[static_cast<size_t>(kind)] += static_cast<int>(lines.size());
        }
    }
    return result;
}

std::optional<std::string> TimeSeriesFolderProblem(const std::string& folder) {
    const std::string named = "時系列ｵｯｽﾞﾌｫﾙﾀﾞ " + folder;
    if (FileExists(folder)) return named + " はﾌｫﾙﾀﾞではありません。";
    if (!DirectoryExists(folder)) return named + " が見つかりません。";
    for (const std::string& name : ListFolders(folder))
        if (name.size() == 8 && IsDigits(name)) return std::nullopt;
    return named + " に日付(yyyymmdd)のﾌｫﾙﾀﾞがありません。";
}

std::string TimeSeriesImportMessage(const std::array<int, 3>& taken) {
    return Format(
        "%dﾚｰｽ分の単複枠ｵｯｽﾞ、\r\n%dﾚｰｽ分の3連単ｵｯｽﾞ\r\n%dﾚｰｽ分の3連複ｵｯｽﾞ\r\nを取りこみました。",
        taken[static_cast<size_t>(OddsKind::O1)], taken[static_cast<size_t>(OddsKind::O6)],
        taken[static_cast<size_t>(OddsKind::O5)]);
}

std::string TimeSeriesFolderNotSetText() {
    return "時系列ｵｯｽﾞﾌｫﾙﾀﾞ指定をしてください。";
}

std::string TimeSeriesNoDayText() {
    return "ｵｯｽﾞを読み込みたい当日の開催日ﾃﾞｰﾀを読み込んでください。";
}

}  // namespace kagiroi
