#include "platform/ErrorLog.h"

#include "platform/FileSystem.h"

#include <vector>

namespace kagiroi {

namespace {

constexpr size_t kKeptLines = 100;

std::vector<std::string> LoadLines(const std::string& path) {
    std::vector<std::string> lines;
    auto text = ReadWholeFile(path);
    if (!text) return lines;
    size_t start = 0;
    while (start < text->size()) {
        size_t end = text->find('\n', start);
        if (end == std::string::npos) end = text->size();
        std::string line = text->substr(start, end - start);
        if (!line.empty() && line.back() == '\r') line.pop_back();
        lines.push_back(std::move(line));
        start = end + 1;
    }
    return lines;
}

bool SaveLines(const std::string& path, const std::vector<std::string>& lines) {
    std::string text;
    for (const auto& line : lines)
        text += line + "\r\n";
    return WriteFileAtomic(path, text);
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
