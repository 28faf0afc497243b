#include "platform/ErrorLog.h"

#include "platform/FileSystem.h"
#include "platform/FolderLock.h"
#include "platform/TextLines.h"

#include <vector>

namespace kagiroi {

namespace {

constexpr size_t kKeptLines = 100;

}  // namespace

ErrorLog::ErrorLog(std::string path, const Clock& clock) : path_(std::move(path)), clock_(clock) {}

bool ErrorLog::Rewrite(const std::function<void(std::vector<std::string>&)>& change) {
    FolderLock lock;
    if (!lock.Held()) return Fail("エラーログ " + path_ + " に書き込めませんでした", lock.Error());
    FileContents before = ReadFileContents(path_);
    if (before.status == ReadStatus::Failed)
        return Fail("エラーログ " + path_ + " を読み込めないため、書き込みませんでした",
                    before.error);
    std::vector<std::string> lines = SplitLines(before.data);
    change(lines);
    FileError error;
    if (WriteFileAtomic(path_, JoinLines(lines), &error)) return true;
    return Fail("エラーログ " + path_ + " に書き込めませんでした", error);
}

bool ErrorLog::Fail(const std::string& what, const FileError& error) {
    if (report_) report_(DescribeFailure(what, error));
    return false;
}

bool ErrorLog::StartUp(const std::string& programFolder) {
    return Rewrite([&](std::vector<std::string>& lines) {
        if (lines.size() > kKeptLines) lines.erase(lines.begin(), lines.end() - kKeptLines);
        lines.push_back("ソフト起動：" + FormatDateTime(clock_.Now(), "yyyy/mm/dd hh:nn:ss"));
        lines.push_back(programFolder);
    });
}

bool ErrorLog::Append(const std::string& message) {
    return Rewrite([&](std::vector<std::string>& lines) {
        lines.push_back(FormatDateTime(clock_.Now(), "【エラー】hh:nn:ss") + "：" + message);
    });
}

}  // namespace kagiroi
