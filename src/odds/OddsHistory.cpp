#include "odds/OddsHistory.h"

#include "daystore/RecordFields.h"
#include "daystore/StoreRules.h"
#include "odds/TimeSeriesLayout.h"
#include "platform/FolderLock.h"
#include "platform/TextField.h"
#include "platform/TextLines.h"

#include <algorithm>

namespace kagiroi {

namespace {

std::string AnnouncedAt(std::string_view line) {
    return FieldAt(line, Odds::Announcement);
}

void Fail(FileFailure* failure, const std::string& what, const FileError& error) {
    if (failure != nullptr) *failure = DescribeFailure(what, error);
}

}  // namespace

OddsHistory::OddsHistory(std::string programFolder) : folder_(OddsHistoryFolder(programFolder)) {}

bool OddsHistory::Keep(const std::string& record, FileFailure* failure) {
    std::string line = record;
    if (!line.ends_with("\r\n")) line += "\r\n";
    auto kind = OddsKindOf(line);
    if (!kind || !IsWellFormedRecord(line) || !IsDigits(AnnouncedAt(line))) return true;
    auto path = TimeSeriesFile(folder_, line, *kind);
    if (!path) return true;
    // The same bytes the day file holds, so a line taken back from here matches a fetched one.
    line = StoredLine(line, StoreRoute::RealTime);

    FolderLock lock;
    if (!lock.Held()) {
        Fail(failure, *path + " に書き込めないため、時系列オッズを記録しませんでした",
             lock.Error());
        return false;
    }
    FileContents contents = ReadFileContents(*path);
    if (contents.status == ReadStatus::Failed) {
        Fail(failure, *path + " を読み込めないため、時系列オッズを記録しませんでした",
             contents.error);
        return false;
    }
    std::vector<std::string> lines = SplitLines(contents.data);
    std::string announced = AnnouncedAt(line);
    auto same = std::find_if(lines.begin(), lines.end(),
                             [&](const std::string& l) { return AnnouncedAt(l) == announced; });
    if (same != lines.end()) {
        if (*same == line) return true;
        *same = line;
    } else {
        lines.push_back(line);
    }
    FileError error;
    if (!MakeDirectories(FolderOf(*path), &error) ||
        !WriteFileAtomic(*path, JoinLines(lines), &error)) {
        Fail(failure, *path + " に書き込めないため、時系列オッズを記録しませんでした", error);
        return false;
    }
    return true;
}

}  // namespace kagiroi
