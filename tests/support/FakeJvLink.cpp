#include "support/FakeJvLink.h"

#include "datalink/JvResultCodes.h"

namespace kagiroi::test {

int FakeJvLink::JVInit(const std::string& softwareId) {
    calls.push_back("JVInit:" + softwareId);
    return initResult;
}

int FakeJvLink::JVSetUIProperties() {
    calls.push_back("JVSetUIProperties");
    return setUiResult;
}

int FakeJvLink::JVOpen(const std::string& dataSpec, const std::string& fromDate, int option,
                       int& readCount, int& downloadCount, std::string& lastFileTimestamp) {
    calls.push_back("JVOpen:" + dataSpec + ":" + fromDate + ":" + std::to_string(option));
    if (open) return jv::kStillOpen;
    open = openResult == 0;
    readCount = openReadCount;
    downloadCount = openDownloadCount;
    lastFileTimestamp = openStamp;
    return openResult;
}

int FakeJvLink::JVRTOpen(const std::string& dataSpec, const std::string& key) {
    calls.push_back("JVRTOpen:" + dataSpec + ":" + key);
    if (open) return jv::kStillOpen;
    int result = rtOpenResult;
    if (!rtOpenResults.empty()) {
        result = rtOpenResults.front();
        rtOpenResults.pop_front();
    }
    open = result == 0;
    return result;
}

int FakeJvLink::JVStatus() {
    calls.push_back("JVStatus");
    if (!open) return jv::kNotOpen;
    if (statusResults.empty()) return openDownloadCount;
    int result = statusResults.front();
    statusResults.pop_front();
    return result;
}

int FakeJvLink::JVRead(std::string& record, int bufferSize, std::string& fileName) {
    calls.push_back("JVRead");
    bufferSizes.push_back(bufferSize);
    if (!open) return jv::kNotOpen;
    if (reads.empty()) return 0;
    Read next = reads.front();
    reads.pop_front();
    if (next.code > 0) {
        record = next.record;
        fileName = next.fileName;
    }
    return next.code;
}

int FakeJvLink::JVCancel() {
    calls.push_back("JVCancel");
    ++cancelled;
    return 0;
}

int FakeJvLink::JVClose() {
    calls.push_back("JVClose");
    if (!open) return jv::kNotOpen;
    open = false;
    return closeResult;
}

int FakeJvLink::CallCount(const std::string& prefix) const {
    int n = 0;
    for (const std::string& call : calls)
        n += call.rfind(prefix, 0) == 0 ? 1 : 0;
    return n;
}

void FakeJvLink::QueueRecord(const std::string& record, const std::string& fileName) {
    reads.push_back({static_cast<int>(record.size()), record, fileName});
}

}  // namespace kagiroi::test
