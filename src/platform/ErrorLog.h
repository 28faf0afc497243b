#pragma once

#include "platform/Clock.h"
#include "platform/FileSystem.h"

#include <functional>
#include <string>
#include <vector>

namespace kagiroi {

// The short text log of start-ups and data-service errors, one entry a line, CR LF. A log that
// cannot be read is left as it is (never rebuilt from nothing) and the entry is not written.
class ErrorLog {
  public:
    ErrorLog(std::string path, const Clock& clock);

    const std::string& Path() const { return path_; }
    // Keeps the last 100 lines, then adds "ソフト起動：" with the time and the program folder.
    bool StartUp(const std::string& programFolder);
    // Adds "【エラー】hh:nn:ss：" followed by the message.
    bool Append(const std::string& message);

    // Where a failed write is told; never back into this log.
    void ReportFailuresTo(FailureReport report) { report_ = std::move(report); }

  private:
    bool Rewrite(const std::function<void(std::vector<std::string>&)>& change);
    bool Fail(const std::string& what, const FileError& error);

    std::string path_;
    const Clock& clock_;
    FailureReport report_;
};

}  // namespace kagiroi
