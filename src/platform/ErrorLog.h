#pragma once

#include "platform/Clock.h"

#include <string>

namespace kagiroi {

// The short text log of start-ups and data-service errors, one entry a line, CR LF.
class ErrorLog {
  public:
    ErrorLog(std::string path, const Clock& clock);

    const std::string& Path() const { return path_; }
    // Keeps the last 100 lines, then adds "ソフト起動：" with the time and the program folder.
    bool StartUp(const std::string& programFolder);
    // Adds "【エラー】hh:nn:ss：" followed by the message.
    bool Append(const std::string& message);

  private:
    std::string path_;
    const Clock& clock_;
};

}  // namespace kagiroi
