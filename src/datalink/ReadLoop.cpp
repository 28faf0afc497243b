#include "datalink/ReadLoop.h"

#include "datalink/JvResultCodes.h"
#include "platform/Clock.h"

namespace kagiroi {

namespace {
constexpr int kDownloadPollMs = 10;
}

ReadLoopResult RunReadLoop(JvLink& jvLink, Ui& ui, const bool& cancelFlag, int bufferSize,
                           const ReadLoopHandlers& handlers, int maxDownloadWaitMs) {
    int64_t waitingSince = -1;
    std::string record, fileName;
    for (;;) {
        ui.ProcessEvents();
        if (cancelFlag) return {ReadLoopEnd::Cancelled, 0};
        int rc = jvLink.JVRead(record, bufferSize, fileName);
        if (rc == jv::kDownloading) {
            int64_t now = MonotonicMilliseconds();
            if (waitingSince < 0) waitingSince = now;
            if (now - waitingSince > maxDownloadWaitMs) return {ReadLoopEnd::TimedOut, rc};
            SleepMilliseconds(kDownloadPollMs);
            continue;
        }
        waitingSince = -1;
        if (rc > 0) {
            if (handlers.onRecord) handlers.onRecord(record, fileName);
        } else if (rc == jv::kAllRead) {
            return {ReadLoopEnd::AllRead, 0};
        } else if (rc == jv::kFileChanged) {
            if (handlers.onFileChange) handlers.onFileChange();
        } else if (rc != jv::kFileSkipped) {
            return {ReadLoopEnd::Failed, rc};
        }
    }
}

}  // namespace kagiroi
