#include "platform/ErrorLog.h"

#include "platform/FileSystem.h"
#include "platform/TextLines.h"

#include <vector>

namespace kagiroi {

namespace {

constexpr size_t kKeptLines = 100;

std::vector<std::string> LoadLines(const std::string& path) {
    auto text = ReadWholeFile(path);
    return text ? SplitLines(*text) : std::vector<std::string>();
}

bool SaveLines(const std::string& path, const std::vector<std::string>& lines) {
    return WriteFileAtomic(path, JoinLines(lines));
}

}  // namespace

ErrorLog::ErrorLog(std::string path, const Clock& clock) : path_(std::move(path)), clock_(clock) {}

bool ErrorLog::StartUp(const std::string& programFolder) {
    std::vector<std::string> lines = LoadLines(path_);
    if (lines.size() > kKeptLines) lines.erase(lines.begin(), lines.end() - kKeptLines);
    lines.push_back("ソフト起動：" + FormatDateTime(clock_.Now(), "yyyy/mm/dd hh:nn:ss"));
    lines.push_back(programFolder);
    return SaveLines(path_, lines);
}

bool ErrorLog::Append(const std::string& message) {
    std::vector<std::string> lines = LoadLines(path_);
    lines.push_back(FormatDateTime(clock_.Now(), "【エラー】hh:nn:ss") + "：" + message);
    return SaveLines(path_, lines);
}

}  // namespace kagiroi
