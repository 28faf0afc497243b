#pragma once

#include "datalink/JvLink.h"
#include "platform/Ui.h"

#include <functional>
#include <string>

namespace kagiroi {

// How a read loop ended.
enum class ReadLoopEnd { AllRead, Cancelled, Failed, TimedOut };

struct ReadLoopResult {
    ReadLoopEnd end = ReadLoopEnd::AllRead;
    int code = 0;  // the failing JVRead result
};

struct ReadLoopHandlers {
    std::function<void(const std::string& record, const std::string& fileName)> onRecord;
    std::function<void()> onFileChange;  // a -1 result
};

// The loop every reader runs: before each JVRead it lets pending window events run and stops
// when the cancel flag is set; records go to onRecord; -1, -2 and -3 go on; 0 ends it; any
// other negative result fails it. A service that keeps answering "still downloading" (-3) for
// longer than `maxDownloadWaitMs` ends the loop as timed out instead of freezing the program.
ReadLoopResult RunReadLoop(JvLink& jvLink, Ui& ui, const bool& cancelFlag, int bufferSize,
                           const ReadLoopHandlers& handlers, int maxDownloadWaitMs = 120000);

}  // namespace kagiroi
